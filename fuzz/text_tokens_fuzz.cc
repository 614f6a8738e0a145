// Any bytes as a text file to import: every token handed over must be a list
// word of 1 to 15 letters and '?', upper case, and every token is counted
// once, taken or not, however the bytes are split into pieces.
#include <cstdint>
#include <string_view>

#include "wordlist/text_tokens.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  int handed = 0;
  const tavrune::TextTokenCount count =
      tavrune::ForEachWordToken(bytes, [&](std::string_view word) {
        ++handed;
        if (word.empty() || word.size() > 15) __builtin_trap();
        for (char c : word) {
          if (!((c >= 'A' && c <= 'Z') || c == '?')) __builtin_trap();
        }
      });
  if (count.accepted != handed || count.accepted < 0 || count.rejected < 0) __builtin_trap();
  if (static_cast<size_t>(count.accepted) + static_cast<size_t>(count.rejected) > size)
    __builtin_trap();

  // Fed one byte at a time, as a file read in pieces may split a token.
  tavrune::WordTokenizer pieces([](std::string_view) {});
  for (size_t i = 0; i < size; ++i) pieces.Feed(bytes.substr(i, 1));
  const tavrune::TextTokenCount again = pieces.Finish();
  if (again.accepted != count.accepted || again.rejected != count.rejected) __builtin_trap();
  return 0;
}
