#include "print/header_footer.h"

#include <cstdio>

namespace tavrune {

std::string ExpandPageCodes(std::string_view text, const PageFacts& facts) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    switch (text[i + 1]) {
      case '#':
        out += std::to_string(facts.page);
        break;
      case 'P':
      case 'p':
        out += std::to_string(facts.page_count);
        break;
      case 'D':
      case 'd':
        out += facts.date;
        break;
      case 'F':
      case 'f':
        out += facts.caption;
        break;
      default:
        out += text.substr(i, 2);
        break;
    }
    ++i;
  }
  return out;
}

std::string PrintDate(const std::tm& date) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const int month = date.tm_mon >= 0 && date.tm_mon < 12 ? date.tm_mon : 0;
  char text[32];
  std::snprintf(text, sizeof text, "%s %02d, %02d", kMonths[month], date.tm_mday % 100,
                ((date.tm_year + 1900) % 100 + 100) % 100);
  return text;
}

std::string PrintCaption(std::string_view title, std::string_view description) {
  std::string caption(title);
  if (!description.empty()) {
    caption += " (";
    caption += description;
    caption += ')';
  }
  return caption;
}

}  // namespace tavrune
