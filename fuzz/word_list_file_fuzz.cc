// Any bytes given as a word-list file: the reader must refuse or accept
// without reading out of bounds or allocating what the file merely claims.
#include <cstdint>
#include <sstream>
#include <string>

#include "wordlist/word_list_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  for (bool with_presentation : {false, true}) {
    std::istringstream in(bytes);
    tavrune::WordListFile file;
    tavrune::ReadWordList(in, with_presentation, file);
  }
  return 0;
}
