#ifndef TAVRUNE_TOOLS_SEARCH_COMMAND_H_
#define TAVRUNE_TOOLS_SEARCH_COMMAND_H_

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/data_folder.h"

namespace tavrune {

// `tavrune-lexicon search FILE.TVD TYPE [--p1 TEXT] [--p2 TEXT] [--n1 N]
// [--n2 N] [--not] [--list WORDS.txt] [--build-build]`: one custom-list
// search, over the whole lexicon or the words of a text file, with the
// dialog's checks. `args` starts after "search". Prints the words found one
// per line; a message the dialog would show goes to `err` with status 2.
// A bare lexicon name is looked up in `data`.
int RunSearchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                     const DataFolder& data = {});

// The search command's options and every search type with what it reads.
std::string SearchHelp();

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_SEARCH_COMMAND_H_
