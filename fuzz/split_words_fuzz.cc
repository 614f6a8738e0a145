// Any typed text: splitting and judging must cope with every byte.
#include <cstdint>
#include <string_view>

#include "judge/split_words.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const tavrune::Lexicon empty;
  for (const std::string& w : tavrune::SplitWords(text)) {
    for (char c : w) {
      if (c < 'A' || c > 'Z') __builtin_trap();
    }
  }
  tavrune::JudgePlay(empty, text);
  return 0;
}
