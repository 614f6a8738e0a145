#include "judge/split_words.h"

#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;

TEST(SplitWordsTest, Separators) {
  EXPECT_EQ(SplitWords("CAT DOG"), (Words{"CAT", "DOG"}));
  EXPECT_EQ(SplitWords("CAT\nDOG"), (Words{"CAT", "DOG"}));
  EXPECT_EQ(SplitWords("CAT\r\nDOG\r\n"), (Words{"CAT", "DOG"}));
  EXPECT_EQ(SplitWords("QI,ZA"), (Words{"QI", "ZA"}));
  EXPECT_EQ(SplitWords("AB1CD"), (Words{"AB", "CD"}));
  EXPECT_EQ(SplitWords("ZAzA"), (Words{"ZA", "A"}));  // lower case ends a word
  EXPECT_EQ(SplitWords("\xC3\x89T\xC3\x89"), (Words{"T"}));
  EXPECT_EQ(SplitWords("QI QI"), (Words{"QI", "QI"}));
  EXPECT_TRUE(SplitWords("  ,.;!? \n\t").empty());
  EXPECT_TRUE(SplitWords("").empty());
}

TEST(SplitWordsTest, LongLinesAreReadWhole) {
  std::string line(300, ' ');
  line.replace(280, 5, "XYZZY");
  EXPECT_EQ(SplitWords(line), (Words{"XYZZY"}));
}

TEST(JudgeTest, Verdicts) {
  const Lexicon lexicon = testing::MakeLexicon({"CAT", "DOG", "QI", "ZA"});
  EXPECT_EQ(JudgePlay(lexicon, "CAT DOG"), Verdict::kAcceptable);
  EXPECT_EQ(JudgePlay(lexicon, "QI,ZA"), Verdict::kAcceptable);
  EXPECT_EQ(JudgePlay(lexicon, "CAT XYZZY DOG"), Verdict::kNotAcceptable);
  EXPECT_EQ(JudgePlay(lexicon, " ,;- "), Verdict::kNoWords);

  std::string phony_past_column_255(255, ' ');
  phony_past_column_255 = "CAT" + phony_past_column_255 + "XYZZY";
  EXPECT_EQ(JudgePlay(lexicon, phony_past_column_255), Verdict::kNotAcceptable);
}

TEST(JudgeTest, UnloadedLexiconAcceptsNothing) {
  const Lexicon empty;
  EXPECT_EQ(JudgePlay(empty, "CAT"), Verdict::kNotAcceptable);
  EXPECT_EQ(JudgePlay(empty, "123"), Verdict::kNoWords);
}

}  // namespace
}  // namespace tavrune
