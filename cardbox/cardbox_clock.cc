#include "cardbox/cardbox_clock.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace tavrune {

CardboxClock ProgramClock(std::string* bad_value) {
  const char* text = std::getenv("TAVRUNE_NOW");
  if (text != nullptr && text[0] != '\0') {
    int64_t now = 0;
    const char* end = text + std::strlen(text);
    const auto [ptr, ec] = std::from_chars(text, end, now);
    if (ec == std::errc() && ptr == end) return [now] { return now; };
    *bad_value = text;
  }
  return [] { return static_cast<int64_t>(std::time(nullptr)); };
}

std::string LocalTimeText(int64_t time, const char* format) {
  const time_t t = static_cast<time_t>(time);
  std::tm local{};
  localtime_r(&t, &local);
  char text[64];
  return std::string(text, std::strftime(text, sizeof text, format, &local));
}

std::string ShownTime(int64_t time) { return LocalTimeText(time, "%Y-%m-%d %H:%M"); }

}  // namespace tavrune
