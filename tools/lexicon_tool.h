#ifndef TAVRUNE_TOOLS_LEXICON_TOOL_H_
#define TAVRUNE_TOOLS_LEXICON_TOOL_H_

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/data_folder.h"

namespace tavrune {

// Exit statuses of tavrune-lexicon, like grep's: 0 yes, 1 no (a play not
// acceptable, a word missing, fewer racks than asked), 2 an error.
inline constexpr int kExitOk = 0;
inline constexpr int kExitNotAcceptable = 1;
inline constexpr int kExitUsage = 2;

// Seconds on some fixed scale; empty means the system clock.
using ToolClock = std::function<int64_t()>;

// Runs `tavrune-lexicon` with `args` (without the program name), reading
// word batches from `in`. Failures print one line on `err`. Bare lexicon
// names and the default catalogue are looked up in `data`.
int RunLexiconTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err, ToolClock clock = {}, DataFolder data = {});

}  // namespace tavrune

#endif  // TAVRUNE_TOOLS_LEXICON_TOOL_H_
