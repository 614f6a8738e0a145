// Any bytes as a text file to import: every token handed over must be a list
// word of 1 to 15 letters and '?', upper case, and every token is counted
// once, taken or not.
#include <cstdint>
#include <sstream>
#include <string>

#include "wordlist/text_tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::istringstream in(bytes);
  int handed = 0;
  const tavrune::TextTokenCount count = tavrune::ForEachWordToken(in, [&](std::string_view word) {
    ++handed;
    if (word.empty() || word.size() > 15) __builtin_trap();
    for (char c : word) {
      if (!((c >= 'A' && c <= 'Z') || c == '?')) __builtin_trap();
    }
  });
  if (count.accepted != handed || count.accepted < 0 || count.rejected < 0) __builtin_trap();
  if (static_cast<size_t>(count.accepted) + static_cast<size_t>(count.rejected) > size) __builtin_trap();

  std::istringstream again(bytes);
  tavrune::WordCollection words;
  const tavrune::TextTokenCount kept = tavrune::ReadWordTokens(again, words);
  if (kept.rejected != count.rejected || kept.accepted > count.accepted ||
      words.Count() != kept.accepted) {
    __builtin_trap();
  }
  return 0;
}
