#include "engine/letters.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(LettersTest, WordShownInKeepsTheLongestRunOfLettersUpperCased) {
  const struct {
    const char* line;
    const char* word;
  } kCases[] = {
      {"CATS", "CATS"},       {"CAT!", "CAT"},   {"CATS*", "CATS"},     {"s CAT s", "CAT"},
      {"BC ABAC KS", "ABAC"}, {"CaT", "CAT"},    {" <<NONE>>", "NONE"}, {"", ""},
      {"#$ 12", ""},          {"QI\xe9S", "QI"},
  };
  for (const auto& c : kCases) EXPECT_EQ(WordShownIn(c.line), c.word) << c.line;
}

}  // namespace
}  // namespace tavrune
