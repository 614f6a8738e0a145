#ifndef TAVRUNE_PRINT_HEADER_FOOTER_H_
#define TAVRUNE_PRINT_HEADER_FOOTER_H_

#include <ctime>
#include <string>
#include <string_view>

namespace tavrune {

// What the header and footer codes stand for on one page.
struct PageFacts {
  int page = 1;
  int page_count = 1;
  std::string date;     // \D
  std::string caption;  // \F
};

// Replaces \# \P \D \F (the letter in either case). A backslash before any
// other character, or at the end, is printed as it stands.
std::string ExpandPageCodes(std::string_view text, const PageFacts& facts);

// "%b %d, %y" in the C locale: "Mar 07, 26".
std::string PrintDate(const std::tm& date);

// The list's title, with " (description)" when it has one.
std::string PrintCaption(std::string_view title, std::string_view description);

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_HEADER_FOOTER_H_
