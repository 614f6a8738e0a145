// Any bytes given as a Zyzzyva quiz database to import: the reader must
// refuse or read them, whatever SQLite makes of the file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "cardbox/zyzzyva_quiz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = (std::filesystem::temp_directory_path() /
                                   ("tavrune-quiz-fuzz-" + std::to_string(getpid()) + ".db"))
                                      .string();
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return 0;
  std::fwrite(data, 1, size, file);
  std::fclose(file);
  std::vector<tavrune::Card> cards;
  tavrune::QuizFileCounts counts;
  tavrune::ReadQuizFile(path, {"UKNA", tavrune::CardKind::kAnagrams}, 0, &cards, &counts);
  std::remove(path.c_str());
  return 0;
}
