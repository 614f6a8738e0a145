#ifndef TAVRUNE_ENGINE_TEXT_ENCODING_H_
#define TAVRUNE_ENGINE_TEXT_ENCODING_H_

#include <string_view>

namespace tavrune {

// Text files are UTF-8, and editors on some systems start them with a
// byte-order mark; readers drop it so the first word or line is read as
// written.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// `text` without a leading byte-order mark.
constexpr std::string_view WithoutByteOrderMark(std::string_view text) {
  return text.starts_with(kUtf8ByteOrderMark) ? text.substr(kUtf8ByteOrderMark.size()) : text;
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_TEXT_ENCODING_H_
