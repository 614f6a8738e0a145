#ifndef TAVRUNE_TESTS_SUPPORT_RUN_TOOL_H_
#define TAVRUNE_TESTS_SUPPORT_RUN_TOOL_H_

#include <sstream>
#include <string>
#include <vector>

#include "tools/lexicon_tool.h"

namespace tavrune::testing {

// What one in-process run of tavrune-lexicon printed and returned.
struct ToolResult {
  int status;
  std::string out;
  std::string err;
};

// A clock that moves one second each time it is read, so a time limit of S
// seconds ends a run of the racks command after about S racks.
inline ToolClock TickingClock() {
  return [now = int64_t{0}]() mutable { return now++; };
}

inline ToolResult RunTool(const std::vector<std::string>& args, const std::string& input = "",
                          ToolClock clock = {}, DataFolder data = {}) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunLexiconTool(args, in, out, err, std::move(clock), std::move(data));
  return {status, out.str(), err.str()};
}

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_RUN_TOOL_H_
