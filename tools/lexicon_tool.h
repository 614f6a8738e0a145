#ifndef TAVRUNE_TOOLS_LEXICON_TOOL_H_
#define TAVRUNE_TOOLS_LEXICON_TOOL_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrune {

// Exit statuses of tavrune-lexicon.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotAcceptable = 1;
inline constexpr int kExitUsage = 2;

// Runs `tavrune-lexicon` with `args` (without the program name), reading
// word batches from `in`. Failures print one line on `err`.
int RunLexiconTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_LEXICON_TOOL_H_
