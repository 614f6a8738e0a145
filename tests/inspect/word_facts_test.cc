#include "inspect/word_facts.h"

#include <gtest/gtest.h>

#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;

class WordFactsTest : public ::testing::Test {
 protected:
  // Three-letter alphagrams by draw count: AER and AET 648 each, ACT 108,
  // AXZ 9.
  const Lexicon lexicon_ =
      testing::MakeLexicon({"AT", "TA", "CAT", "ACT", "CATS", "SCAT", "CAST", "ACTS", "CHAT",
                            "TACH", "TACT", "EAT", "TEA", "ARE", "ERA", "ZAX", "QI"});

  WordFacts Facts(std::string_view word, SourceLexicons sources = {}) {
    WordInspector inspector(lexicon_, LexiconId::kUKNA, sources);
    const std::optional<WordFacts> facts = inspector.Inspect(word);
    EXPECT_TRUE(facts.has_value()) << word;
    return facts.value_or(WordFacts{});
  }
};

TEST_F(WordFactsTest, HooksAndInnerHooks) {
  const struct {
    const char* word;
    const char* front;
    const char* end;
    bool front_inner;
    bool end_inner;
  } cases[] = {
      {"CAT", "S", "S", true, false},  // SCAT, CATS; AT
      {"ACT", "T", "S", false, false}, {"AT", "CE", "", false, false},
      {"CATS", "", "", false, true},   {"QI", "", "", false, false},
  };
  for (const auto& c : cases) {
    const WordFacts facts = Facts(c.word);
    EXPECT_EQ(facts.front_hooks, c.front) << c.word;
    EXPECT_EQ(facts.end_hooks, c.end) << c.word;
    EXPECT_EQ(facts.front_inner_hook, c.front_inner) << c.word;
    EXPECT_EQ(facts.end_inner_hook, c.end_inner) << c.word;
  }
}

TEST_F(WordFactsTest, AnagramsAndPlusOneByAddedLetter) {
  const WordFacts cat = Facts("CAT");
  EXPECT_TRUE(cat.in_lexicon);
  EXPECT_EQ(cat.alphagram, "ACT");
  EXPECT_EQ(cat.anagrams, (Words{"ACT", "CAT"}));
  EXPECT_EQ(cat.AnagramCount(), 2);
  EXPECT_EQ(cat.plus_one, (std::vector<PlusOneGroup>{{'H', {"CHAT", "TACH"}},
                                                     {'S', {"ACTS", "CAST", "CATS", "SCAT"}},
                                                     {'T', {"TACT"}}}));
  // Letters that are no word still have anagrams.
  const WordFacts tca = Facts("TCA");
  EXPECT_FALSE(tca.in_lexicon);
  EXPECT_EQ(tca.anagrams, (Words{"ACT", "CAT"}));
  EXPECT_TRUE(Facts("QIS").anagrams.empty());
}

TEST_F(WordFactsTest, PointsProbabilityAndRank) {
  const WordFacts cat = Facts("CAT");
  EXPECT_EQ(cat.points, 5);
  // 2 C x 9 A x 6 T against ANE, 9 x 6 x 12.
  ASSERT_TRUE(cat.probability_factor.has_value());
  EXPECT_NEAR(*cat.probability_factor, 100.0 * 108 / 648, 1e-9);
  const struct {
    const char* word;
    int rank;
  } ranks[] = {{"ARE", 1}, {"TEA", 2}, {"CAT", 3}, {"ZAX", 4}, {"XZA", 4}};
  for (const auto& r : ranks) {
    const WordFacts facts = Facts(r.word);
    ASSERT_TRUE(facts.probability_rank.has_value()) << r.word;
    EXPECT_EQ(facts.probability_rank->rank, r.rank) << r.word;
    EXPECT_EQ(facts.probability_rank->of, 4) << r.word;
  }
  // Letters no word is made of have a factor but no rank.
  const WordFacts qqq = Facts("QQQ");
  EXPECT_TRUE(qqq.probability_factor.has_value());
  EXPECT_FALSE(qqq.probability_rank.has_value());
}

TEST_F(WordFactsTest, LongWordsHaveNoProbability) {
  const WordFacts facts = Facts("ABCDEFGHIJKLMNOP");
  EXPECT_EQ(facts.points, 1 + 3 + 3 + 2 + 1 + 4 + 2 + 4 + 1 + 8 + 5 + 1 + 3 + 1 + 1 + 3);
  EXPECT_EQ(facts.alphagram, "ABCDEFGHIJKLMNOP");
  EXPECT_FALSE(facts.probability_factor.has_value());
  EXPECT_FALSE(facts.probability_rank.has_value());
}

TEST_F(WordFactsTest, SourceListsWhenLoaded) {
  const WordFacts alone = Facts("CAT");
  EXPECT_FALSE(alone.in_uk || alone.in_na || alone.in_both || alone.source);
  EXPECT_EQ(alone.source_mark, "");

  const Lexicon uk = testing::MakeLexicon({"COLOUR", "CAT"});
  const Lexicon na = testing::MakeLexicon({"COLOR", "CAT"});
  const Lexicon both = testing::MakeLexicon({"COLOUR", "COLOR", "CAT"});
  const struct {
    const char* word;
    bool in_uk, in_na;
    WordSource source;
    const char* mark;
  } cases[] = {{"CAT", true, true, WordSource::kBoth, "*"},
               {"COLOUR", true, false, WordSource::kUKOnly, "#"},
               {"COLOR", false, true, WordSource::kNAOnly, "$"},
               {"DOG", false, false, WordSource::kNeither, ""}};
  SourceLexicons all;
  all.uk = &uk;
  all.na = &na;
  all.both = &both;
  for (const auto& c : cases) {
    const WordFacts facts = Facts(c.word, all);
    EXPECT_EQ(facts.in_uk, c.in_uk) << c.word;
    EXPECT_EQ(facts.in_na, c.in_na) << c.word;
    EXPECT_EQ(facts.in_both, c.in_uk || c.in_na) << c.word;
    EXPECT_EQ(facts.source, c.source) << c.word;
    EXPECT_EQ(facts.source_mark, c.mark) << c.word;
  }
  // Only one of the two lists: no source.
  SourceLexicons uk_only;
  uk_only.uk = &uk;
  const WordFacts half = Facts("COLOUR", uk_only);
  EXPECT_EQ(half.in_uk, true);
  EXPECT_FALSE(half.in_na.has_value() || half.source.has_value());
}

TEST_F(WordFactsTest, TypedWords) {
  EXPECT_EQ(Facts("cAt").word, "CAT");
  WordInspector inspector(lexicon_, LexiconId::kUKNA);
  size_t refused = 0;
  EXPECT_FALSE(inspector.Inspect("CA?T", &refused).has_value());
  EXPECT_EQ(refused, 2u);
  EXPECT_FALSE(inspector.Inspect("QI ", &refused).has_value());
  EXPECT_EQ(refused, 2u);
  EXPECT_FALSE(inspector.Inspect("", &refused).has_value());
  EXPECT_EQ(refused, std::string_view::npos);
}

}  // namespace
}  // namespace tavrune
