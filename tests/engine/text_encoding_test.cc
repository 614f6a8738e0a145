#include "engine/text_encoding.h"

#include <gtest/gtest.h>

#include <string_view>

namespace tavrune {
namespace {

TEST(TextEncodingTest, OnlyWellFormedSequencesHaveALength) {
  struct Case {
    std::string_view text;
    size_t length;
  };
  const Case cases[] = {
      {"A", 0},
      {"\xC2\xA3", 2},
      {"\xE2\x82\xAC", 3},
      {"\xF0\x9F\x98\x80", 4},
      {"\xF4\x8F\xBF\xBF", 4},  // U+10FFFF, the last
      {"\xC0\xAA", 0},
      {"\xE0\x80\xAA", 0},
      {"\xF0\x80\x80\xAA", 0},  // overlong
      {"\xED\xA0\x80", 0},      // surrogate
      {"\xF4\x90\x80\x80", 0},
      {"\xF8\x88\x80\x80", 0},  // past U+10FFFF
      {"\xE2\x82", 0},
      {"\xE2\x41\xAC", 0},  // cut, broken
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8SequenceLength(c.text, 0), c.length) << testing::PrintToString(c.text);
  }
}

}  // namespace
}  // namespace tavrune
