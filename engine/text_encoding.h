#ifndef TAVRUNE_ENGINE_TEXT_ENCODING_H_
#define TAVRUNE_ENGINE_TEXT_ENCODING_H_

#include <cstddef>
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

// The length of the well-formed UTF-8 sequence of two to four bytes that
// starts at `position`; 0 when none starts there (ASCII included). Overlong
// forms, surrogates and code points past U+10FFFF are not well formed.
constexpr size_t Utf8SequenceLength(std::string_view text, size_t position) {
  const auto lead = static_cast<unsigned char>(text[position]);
  const size_t length = lead >= 0xF5   ? 0
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC2 ? 2
                                       : 0;
  if (length == 0 || position + length > text.size()) return 0;
  // The second byte's range is what rules those out.
  const auto second = static_cast<unsigned char>(text[position + 1]);
  const unsigned low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  if (second < low || second > high) return 0;
  for (size_t i = 2; i < length; ++i) {
    if ((static_cast<unsigned char>(text[position + i]) & 0xC0) != 0x80) return 0;
  }
  return length;
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_TEXT_ENCODING_H_
