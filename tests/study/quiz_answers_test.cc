#include "study/quiz_answers.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(QuizAnswersTest, AnagramHookAnswersTakeTheFormOfTheAnswerLines) {
  const struct {
    const char* typed;
    const char* answer;
  } kCases[] = {
      {"C ARTS S", "C ARTS S"},
      {" ARTS", " ARTS"},  // no front hooks
      {"ARTS", "ARST "},   // all front hooks, no word
      {"SCC ARTS YS", "CS ARTS SY"},
      {" ARTS ", " ARTS"},  // no end hooks after the space
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(AnagramHookAnswerForm(c.typed), c.answer) << '"' << c.typed << '"';
  }
}

TEST(QuizAnswersTest, OnlyTrailingSpacesAreCut) {
  EXPECT_EQ(WithoutTrailingSpaces(" ARTS  "), " ARTS");
  EXPECT_EQ(WithoutTrailingSpaces("   "), "");
}

TEST(QuizAnswersTest, PercentageOfCorrectAnswers) {
  EXPECT_EQ(QuizPercentageText(7, 9), "77.78%");
  EXPECT_EQ(QuizPercentageText(0, 0), "0.00%");
  EXPECT_EQ(QuizPercentageText(3, 3), "100.00%");
}

}  // namespace
}  // namespace tavrune
