#include "cardbox/cardbox_clock.h"

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tavrune {

CardboxClock ProgramClock(std::string* bad_value) {
  const char* text = std::getenv("TAVRUNE_NOW");
  if (text != nullptr && text[0] != '\0') {
    int64_t start = 0;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, start);
    if (ec == std::errc() && ptr == end) {
      const auto began = std::chrono::steady_clock::now();
      return [start, began] {
        const auto elapsed = std::chrono::steady_clock::now() - began;
        return start + std::chrono::duration_cast<std::chrono::seconds>(elapsed).count();
      };
    }
    *bad_value = text;
  }
  return [] { return static_cast<int64_t>(std::time(nullptr)); };
}

}  // namespace tavrune
