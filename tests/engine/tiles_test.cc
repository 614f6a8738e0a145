#include "engine/tiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/probability.h"

namespace tavrune {
namespace {

TEST(TilesTest, PointsAndVowels) {
  EXPECT_EQ(WordPoints("QUIZ"), 22);
  EXPECT_EQ(WordPoints("QuIZ"), 21);  // u was played by a blank
  EXPECT_EQ(WordPoints("CAT?"), 5);
  EXPECT_EQ(VowelCount("YEARLY"), 2);
  EXPECT_EQ(VowelCount("aeiou"), 0);
}

TEST(TilesTest, StandardBag) {
  EXPECT_EQ(kBagText.size(), 100u);
  const TileBag& bag = TileBag::Standard();
  EXPECT_EQ(bag.tiles().Total(), 100);
  EXPECT_EQ(bag.Count('E'), 12);
  EXPECT_EQ(bag.Count('A'), 9);
  EXPECT_EQ(bag.Count('Z'), 1);
  EXPECT_EQ(bag.Count(kBlank), 2);
  ASSERT_NE(bag.tiles().binomials(), nullptr);
  EXPECT_EQ(bag.tiles().binomials()->size(), 12);
  EXPECT_EQ(bag.tiles().TilesText(), "??" + std::string(kBagText.substr(0, 98)));
  for (char tile : std::string("?ABEQZa")) {
    for (int k = 0; k <= 20; ++k) EXPECT_EQ(bag.DrawFactor(tile, k), Binomial(bag.Count(tile), k));
  }
}

TEST(TilesTest, BinomialRuleAndTable) {
  EXPECT_EQ(Binomial(12, 2), 66u);
  EXPECT_EQ(Binomial(9, 1), 9u);
  EXPECT_EQ(Binomial(2, 3), 0u);
  EXPECT_EQ(Binomial(5, 5), 1u);
  EXPECT_EQ(Binomial(5, 0), 1u);
  // A plain 32-bit product n(n-1)...(n-m+1) would overflow here.
  EXPECT_EQ(Binomial(30, 15), 155117520u);
  EXPECT_EQ(Binomial(40, 20), UINT32_MAX);  // saturates, never wraps

  const BinomialTable table(12);
  for (int n = 0; n <= 14; ++n) {
    for (int k = 1; k <= 14; ++k) EXPECT_EQ(table.Get(n, k), Binomial(n, k)) << n << "," << k;
  }
}

TEST(TilesTest, TakeLetterUsesBlankAndPutBackRestores) {
  LetterCounts rack("AB?");
  EXPECT_EQ(rack.TakeLetter('A'), 'A');
  EXPECT_EQ(rack.TakeLetter('E'), kBlank);
  EXPECT_EQ(rack.Total(), 1);
  EXPECT_EQ(rack.TakeLetter('E'), '\0');  // neither E nor a blank left
  EXPECT_EQ(rack.Total(), 1);
  EXPECT_EQ(rack.Count('B'), 1);
  rack.PutBack(kBlank);
  rack.PutBack('A');
  EXPECT_EQ(rack.TilesText(), "?AB");
  EXPECT_TRUE(rack.RemoveTile(kBlank));
  EXPECT_FALSE(rack.RemoveTile(kBlank));
  EXPECT_EQ(rack.TakeLetter('E'), '\0');
}

TEST(TilesTest, OnlyTileCodesAreCounted) {
  const LetterCounts counts(std::string("A\0B\xC9", 4));
  EXPECT_EQ(counts.Total(), 2);
  EXPECT_EQ(counts.TilesText(), "AB");
}

TEST(TilesTest, CopiesHaveTheirOwnTable) {
  LetterCounts original("EEEAB", true);
  ASSERT_NE(original.binomials(), nullptr);
  EXPECT_EQ(original.binomials()->size(), 3);
  LetterCounts copy(original);
  ASSERT_NE(copy.binomials(), nullptr);
  EXPECT_NE(copy.binomials(), original.binomials());
  EXPECT_EQ(copy.binomials()->size(), 3);
  copy.TakeLetter('E');
  EXPECT_EQ(original.Count('E'), 3);
  LetterCounts plain("A");
  plain = original;
  EXPECT_EQ(plain.TilesText(), "ABEEE");
  ASSERT_NE(plain.binomials(), nullptr);
}

TEST(TilesTest, ShuffledTilesAreAPermutationAndRepeatable) {
  const LetterCounts& bag = TileBag::Standard().tiles();
  RandomEngine a(7);
  RandomEngine b(7);
  const std::string shuffled = bag.ShuffledTilesText(a);
  EXPECT_EQ(shuffled, bag.ShuffledTilesText(b));
  EXPECT_NE(shuffled, bag.TilesText());
  std::string sorted = shuffled;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, bag.TilesText());
}

TEST(TilesTest, DrawCount) {
  EXPECT_EQ(DrawCount("AE"), 108.0f);
  EXPECT_EQ(DrawCount("EE"), 66.0f);
  EXPECT_EQ(DrawCount("ZZ"), 0.0f);
  EXPECT_EQ(DrawCount("AE??"), 108.0f);
  EXPECT_EQ(DrawCount("AE?"), 216.0f);
  EXPECT_EQ(DrawCount("???"), 0.0f);
  EXPECT_EQ(DrawCount("AEe"), 108.0f);  // lower case adds no factor
  // Ten letters: exact integer product, rounded once.
  EXPECT_EQ(DrawCount("DEAERATION"), static_cast<float>(int64_t{4} * 66 * 36 * 6 * 6 * 9 * 8 * 6));
  // Eleven letters: single precision factor by factor.
  float expected = 1.0f;
  for (int f : {36, 4, 66, 9, 6, 8, 6, 4, 6})
    expected *= static_cast<float>(f);  // A D E I N O R S T
  EXPECT_EQ(DrawCount("DEAERATIONS"), expected);
}

TEST(ProbabilityTest, ReferenceWordsScoreExactlyHundred) {
  for (LexiconId id : kAllLexiconIds) {
    const ProbabilityReference reference(id);
    EXPECT_EQ(reference.Entry(0), 1.0f);
    for (int length = 1; length <= ProbabilityReference::kMaxLength; ++length) {
      const std::string_view word = ProbabilityReference::ReferenceWord(id, length);
      ASSERT_EQ(word.size(), static_cast<size_t>(length));
      EXPECT_GT(reference.Entry(length), 0.0f);
      EXPECT_EQ(reference.Factor(word), 100.0) << word;
      EXPECT_EQ(reference.FactorKey(word), 100000000) << word;
    }
  }
  EXPECT_EQ(ProbabilityFactor("ABCDEFGHIJKLMNOP", ProbabilityReference()), 0.0);
}

TEST(ProbabilityTest, SelectionFollowsTheLexicon) {
  ProbabilityReference reference(LexiconId::kUK);
  EXPECT_EQ(ProbabilityReference::ReferenceWord(LexiconId::kNAF, 7), "ARENITE");
  EXPECT_EQ(ProbabilityReference::ReferenceWord(LexiconId::kFR, 2), "AI");
  EXPECT_EQ(reference.Factor("AE"), 100.0);
  EXPECT_NEAR(reference.Factor("EE"), 100.0 * 66 / 108, 1e-9);
  EXPECT_FALSE(reference.SelectNumber(7));
  EXPECT_EQ(reference.lexicon(), LexiconId::kUK);
  EXPECT_TRUE(reference.SelectNumber(3));
  EXPECT_EQ(reference.lexicon(), LexiconId::kFR);
  EXPECT_EQ(reference.Entry(2), DrawCount("AI"));
  EXPECT_EQ(reference, ProbabilityReference(LexiconId::kFR));
}

}  // namespace
}  // namespace tavrune
