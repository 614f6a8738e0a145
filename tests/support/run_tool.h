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

inline ToolResult RunTool(const std::vector<std::string>& args, const std::string& input = "") {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunLexiconTool(args, in, out, err);
  return {status, out.str(), err.str()};
}

}  // namespace tavrune::testing

#endif  // TAVRUNE_TESTS_SUPPORT_RUN_TOOL_H_
