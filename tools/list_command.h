#ifndef TAVRUNE_TOOLS_LIST_COMMAND_H_
#define TAVRUNE_TOOLS_LIST_COMMAND_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrune {

// `tavrune-lexicon list show FILE.tvr` and `tavrune-lexicon list make
// WORDS.txt OUT.tvr [options]`: word-list files for scripts. `args` starts
// after "list". Returns the exit status; failures go to `err`.
int RunListCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The list commands' options, with the list types and sort values.
std::string ListHelp();

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_LIST_COMMAND_H_
