#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "engine/file_io.h"
#include "platform/data_folder.h"
#include "tools/lexicon_tool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  // A failing read of standard input ends it with its reason kept, where a
  // standard stream would throw.
  tavrune::FileInputBuffer input(tavrune::InputFile::StandardInput(),
                                 std::numeric_limits<uint64_t>::max());
  std::istream in(&input);
  return tavrune::RunLexiconTool(args, in, std::cout, std::cerr, {},
                                 tavrune::FindDataFolder(tavrune::RunningProgramFolder()));
}
