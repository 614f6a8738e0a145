#include <iostream>
#include <string>
#include <vector>

#include "platform/data_folder.h"
#include "tools/lexicon_tool.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return tavrune::RunLexiconTool(args, std::cin, std::cout, std::cerr, {},
                                 tavrune::FindDataFolder(tavrune::RunningProgramFolder()));
}
