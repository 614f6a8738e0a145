#include "judge/challenge.h"

#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

TEST(ChallengeTest, KeepsOneAnswerPerWordInOrder) {
  const Lexicon lexicon = testing::MakeLexicon({"QI", "ZA"});
  const ChallengeResult result = JudgeChallenge(lexicon, "QI XYZZY\nZA QI");
  EXPECT_EQ(result.words, (std::vector<std::string>{"QI", "XYZZY", "ZA", "QI"}));
  EXPECT_EQ(result.found, (std::vector<bool>{true, false, true, true}));
  EXPECT_EQ(result.verdict, Verdict::kNotAcceptable);

  EXPECT_EQ(JudgeChallenge(lexicon, "ZA\nQI").verdict, Verdict::kAcceptable);
  const ChallengeResult none = JudgeChallenge(lexicon, " \n ");
  EXPECT_EQ(none.verdict, Verdict::kNoWords);
  EXPECT_TRUE(none.found.empty());
}

TEST(ChallengeTest, OnlySpacesAndCapitalLettersAreValid) {
  EXPECT_FALSE(HasInvalidCharacters(""));
  EXPECT_FALSE(HasInvalidCharacters("QI ZA\nCAT  DOG\r\n\n"));
  EXPECT_TRUE(HasInvalidCharacters("QI, ZA"));
  EXPECT_TRUE(HasInvalidCharacters("QI\tZA"));
  EXPECT_TRUE(HasInvalidCharacters("qi"));
  EXPECT_TRUE(HasInvalidCharacters("CAF\xC3\x89"));
  EXPECT_TRUE(HasInvalidCharacters("QI\rZA"));  // a lone carriage return is no line break

  // The whole line is checked, not its first 255 characters.
  std::string long_line(300, 'A');
  EXPECT_FALSE(HasInvalidCharacters(long_line));
  long_line[290] = '1';
  EXPECT_TRUE(HasInvalidCharacters("QI\n" + long_line));
}

TEST(ChallengeTest, CleaningKeepsLettersLineByLine) {
  EXPECT_EQ(RemoveInvalidCharacters("QI, ZA"), "QIZA\n");
  EXPECT_EQ(RemoveInvalidCharacters("QI ZA\r\nC-A-T\n"), "QIZA\nCAT\n");
  EXPECT_EQ(RemoveInvalidCharacters("1\nDOG"), "\nDOG\n");
  EXPECT_EQ(RemoveInvalidCharacters(""), "");
  EXPECT_FALSE(HasInvalidCharacters(RemoveInvalidCharacters("a;B\tC\xC3\x89\r\nD")));

  std::string long_line(400, '.');
  long_line[350] = 'Q';
  EXPECT_EQ(RemoveInvalidCharacters(long_line), "Q\n");
}

}  // namespace
}  // namespace tavrune
