#include "engine/generators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/pattern_expression.h"
#include "engine/tiles.h"
#include "engine/word_walk.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;

Words Sorted(const WordCollection& c) {
  Words words(c.begin(), c.end());
  std::sort(words.begin(), words.end());
  return words;
}

WordCollection Unsorted() {
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  return c;
}

class GeneratorsTest : public ::testing::Test {
 protected:
  const Lexicon lexicon_ = testing::MakeLexicon(
      {"A",    "AB",    "AT",   "BA", "BAT", "TAB", "TA",     "CAT", "CATS",  "ACT",   "SCAT",
       "CAST", "CASTS", "TACT", "QI", "ZA",  "ZZZ", "CATTLE", "ABS", "BEAST", "BEASTS"});
};

class LengthFilter : public WordFilter {
 public:
  explicit LengthFilter(size_t n) : n_(n) {}
  bool Passes(std::string_view word) const override { return word.size() == n_; }

 private:
  size_t n_;
};

TEST_F(GeneratorsTest, AnagramsOfAPlainRack) {
  WordCollection out;
  EXPECT_EQ(Anagrams(lexicon_, "TCA", out), 2);
  EXPECT_EQ(Sorted(out), (Words{"ACT", "CAT"}));

  out.Clear();
  EXPECT_EQ(Anagrams(lexicon_, "TAC?", out, nullptr, true), 4);
  EXPECT_EQ(Sorted(out), (Words{"CATs", "CAsT", "TACt", "sCAT"}));

  out.Clear();
  EXPECT_EQ(Anagrams(lexicon_, "??", out, nullptr, true), 6);
  EXPECT_EQ(Sorted(out), (Words{"ab", "at", "ba", "qi", "ta", "za"}));

  out.Clear();
  EXPECT_EQ(Anagrams(lexicon_, "cat", out), 0);  // lower case never matches
  EXPECT_EQ(Anagrams(lexicon_, "", out), 0);
}

TEST_F(GeneratorsTest, AnagramsWithAStarContainAtLeastTheTiles) {
  WordCollection out;
  Anagrams(lexicon_, "AB*", out, nullptr, true);
  EXPECT_EQ(Sorted(out), (Words{"AB", "ABs", "BA", "BAt", "BeAst", "BeAsts", "tAB"}));
  out.Clear();
  Anagrams(lexicon_, "AB*", out);
  EXPECT_EQ(Sorted(out), (Words{"AB", "ABS", "BA", "BAT", "BEAST", "BEASTS", "TAB"}));
  out.Clear();
  Anagrams(lexicon_, "SS*", out);
  EXPECT_EQ(Sorted(out), (Words{"BEASTS", "CASTS"}));
}

TEST_F(GeneratorsTest, AnagramsOfAnOddRackAreExactWordMatches) {
  WordCollection out;
  EXPECT_EQ(Anagrams(lexicon_, "TA1", out), 0);  // '1' can never be taken
  EXPECT_EQ(Anagrams(lexicon_, "T,A", out), 0);
  WildcardRack rack("A?B*");
  EXPECT_EQ(rack.tiles(), "AB?");
  EXPECT_FALSE(rack.exact());
  EXPECT_EQ(rack.min_length(), 3);
}

TEST_F(GeneratorsTest, BuildsTakeSomeOfTheTiles) {
  WordCollection out;
  EXPECT_EQ(Builds(lexicon_, "TAB", out), 7);
  EXPECT_EQ(Sorted(out), (Words{"A", "AB", "AT", "BA", "BAT", "TA", "TAB"}));

  out.Clear();
  const LengthFilter three(3);
  EXPECT_EQ(Builds(lexicon_, "TABC", out, &three), 4);
  EXPECT_EQ(Sorted(out), (Words{"ACT", "BAT", "CAT", "TAB"}));

  out.Clear();
  Builds(lexicon_, "Q?", out, nullptr, true);
  EXPECT_EQ(Sorted(out), (Words{"Qi", "a"}));
}

TEST_F(GeneratorsTest, BuildBuildsPairFirstWordsWithTheRest) {
  WordCollection out;
  BuildBuilds(lexicon_, "ABTA", out);
  // TAB and BAT leave A; AT/TA leave AB/BA; AB/BA leave AT/TA; A leaves ABT.
  EXPECT_EQ(Sorted(out), (Words{"A/BAT", "A/TAB", "AB/AT", "AB/TA", "AT/AB", "AT/BA", "BA/AT",
                                "BA/TA", "BAT/A", "TA/AB", "TA/BA", "TAB/A"}));
  out.Clear();
  EXPECT_EQ(BuildBuilds(lexicon_, "CAT", out), 0);  // CAT leaves nothing; A leaves CT
}

TEST_F(GeneratorsTest, PatternMatchesByEachMethod) {
  WordCollection out;
  EXPECT_EQ(PatternMatches(lexicon_, "?A?", out), 3);
  EXPECT_EQ(Sorted(out), (Words{"BAT", "CAT", "TAB"}));

  out.Clear();
  PatternMatches(lexicon_, "CAT*", out);
  EXPECT_EQ(Sorted(out), (Words{"CAT", "CATS", "CATTLE"}));

  out.Clear();
  PatternMatches(lexicon_, "CAT[ST]*", out);
  EXPECT_EQ(Sorted(out), (Words{"CATS", "CATTLE"}));

  out.Clear();
  PatternMatches(lexicon_, "*AST*", out);
  EXPECT_EQ(Sorted(out), (Words{"BEAST", "BEASTS", "CAST", "CASTS"}));

  out.Clear();
  const LengthFilter four(4);
  PatternMatches(lexicon_, "C*", out, &four);
  EXPECT_EQ(Sorted(out), (Words{"CAST", "CATS"}));

  out.Clear();
  EXPECT_EQ(PatternMatches(lexicon_, "CX*", out), 0);
  EXPECT_EQ(PatternMatches(lexicon_, "ZZZ*S", out), 0);  // prefix without a list below
  std::string error;
  EXPECT_EQ(PatternMatches(lexicon_, "C[AT", out, nullptr, &error), 0);
  EXPECT_FALSE(error.empty());
}

// Length alone never empties a result: a long pattern either matches as it
// reads or is refused with its message.
TEST_F(GeneratorsTest, PatternsLongerThanTheDeepestWord) {
  std::string classes;
  for (int i = 0; i < 3; ++i) classes += "[ABCDEFGHIJKLMNOPQRSTUVWXYZ]";  // 28 characters
  const std::string closures(70, '*');
  struct Case {
    std::string pattern;
    Words found;
    bool refused;
  };
  const std::vector<Case> cases = {
      {classes, {"BAT", "CAT", "TAB", "ZZZ", "ABS", "ACT"}, false},
      {closures + "S", {"ABS", "BEASTS", "CASTS", "CATS"}, false},
      {"C" + closures + "S", {"CASTS", "CATS"}, false},
      {std::string(1000, '['), {}, true},
      {"QX" + std::string(100, '['), {}, true},
      {std::string(100, 'A') + "*", {}, false},
  };
  for (const Case& c : cases) {
    WordCollection out;
    std::string error;
    PatternMatches(lexicon_, c.pattern, out, nullptr, &error);
    Words expected = c.found;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Sorted(out), expected) << c.pattern;
    EXPECT_EQ(!error.empty(), c.refused) << c.pattern;
  }
  WordCollection out;
  Anagrams(lexicon_, std::string(100, '*') + "QI", out);
  EXPECT_EQ(Sorted(out), (Words{"QI"}));
}

TEST_F(GeneratorsTest, AnyWordMatchesAndForEachWord) {
  EXPECT_TRUE(AnyWordMatches(lexicon_, "??T"));
  EXPECT_TRUE(AnyWordMatches(lexicon_, "Q?"));
  EXPECT_FALSE(AnyWordMatches(lexicon_, "Q??"));
  EXPECT_FALSE(AnyWordMatches(lexicon_, std::string(100, '?')));

  struct EndsInS : WordVisitor {
    void Visit(std::string_view word, const Lexicon&, WordCollection& output) override {
      ++seen;
      if (word.back() == 'S') output.Insert(word);
    }
    int seen = 0;
  } visitor;
  WordCollection out;
  EXPECT_EQ(ForEachWord(lexicon_, visitor, out), 4);
  EXPECT_EQ(visitor.seen, 21);
}

TEST_F(GeneratorsTest, FullOutputTakesNoMoreAndCountsOnlyAdded) {
  WordCollection out = Unsorted();
  for (int i = 0; i < WordCollection::kMaxWords - 1; ++i) out.Append("X");
  EXPECT_EQ(Anagrams(lexicon_, "TCA", out), 1);
  EXPECT_TRUE(out.IsFull());
  EXPECT_EQ(Anagrams(lexicon_, "TCA", out), 0);
  EXPECT_EQ(Builds(lexicon_, "TCA", out), 0);
  EXPECT_EQ(PatternMatches(lexicon_, "*A*", out), 0);
  EXPECT_EQ(Anagrams(lexicon_, "A*", out), 0);
}

TEST(GeneratorsEmptyTest, UnloadedLexiconFindsNothing) {
  const Lexicon empty;
  WordCollection out;
  EXPECT_EQ(Anagrams(empty, "AB", out), 0);
  EXPECT_EQ(Builds(empty, "AB", out), 0);
  EXPECT_EQ(BuildBuilds(empty, "AB", out), 0);
  EXPECT_EQ(PatternMatches(empty, "A*", out), 0);
  EXPECT_FALSE(AnyWordMatches(empty, "??"));
  EXPECT_TRUE(out.IsEmpty());
}

// 3000 random words of the letters A-F, of 1 to `longest` letters.
Lexicon RandomLexicon(std::mt19937& random, int longest) {
  LexiconBuilder builder;
  for (int i = 0; i < 3000; ++i) {
    std::string w(1 + random() % longest, 'A');
    for (char& c : w) c = static_cast<char>('A' + random() % 6);
    builder.AddWord(w);
  }
  Lexicon lexicon;
  EXPECT_TRUE(lexicon.LoadBytes(builder.Build()));
  return lexicon;
}

// Cross-check of the walks against brute force over every word.
TEST(GeneratorsRandomTest, WalksAgreeWithBruteForce) {
  std::mt19937 random(7);
  const Lexicon lexicon = RandomLexicon(random, 7);
  Words all;
  VisitWords(lexicon, [&](std::string_view w) { all.emplace_back(w); });

  // Anagrams in walk order, a blank's letter in small caps. The lexicon
  // soon looks racks with blanks up instead of walking: asking each rack a
  // few times checks both routes.
  for (const char* rack : {"ABC?", "AABBE", "??F", "DEFAB?", "A???", "????"}) {
    Words expected_anagrams;
    Words expected_builds;
    for (const std::string& w : all) {
      LetterCounts counts(rack);
      std::string marked = w;
      bool ok = true;
      for (char& c : marked) {
        const char used = counts.TakeLetter(c);
        ok = ok && used != '\0';
        if (used == kBlank) c = static_cast<char>(c - 'A' + 'a');
      }
      if (!ok) continue;
      expected_builds.push_back(w);
      if (counts.IsEmpty()) expected_anagrams.push_back(marked);
    }
    for (int asked = 0; asked < 5; ++asked) {
      WordCollection anagrams = Unsorted();
      Anagrams(lexicon, rack, anagrams, nullptr, true);
      EXPECT_EQ(Words(anagrams.begin(), anagrams.end()), expected_anagrams) << rack << " " << asked;
    }
    WordCollection builds;
    Builds(lexicon, rack, builds);
    EXPECT_EQ(Sorted(builds), expected_builds) << rack;
  }
}

// A pattern of letters, '?', '*', classes, '+', groups and word anchors,
// drawn from the letters the random lexicon uses.
std::string RandomPattern(std::mt19937& random) {
  static const char* const kPieces[] = {"A", "B",        "C",           "D",     "E",     "F",
                                        "?", "*",        "*",           "[ABC]", "[^DE]", "[B-D]",
                                        "+", "\\(A?\\)", "\\([BC]*\\)", "\\<",   "\\>"};
  std::string pattern;
  const int pieces = 1 + random() % 7;
  for (int i = 0; i < pieces; ++i) pattern += kPieces[random() % std::size(kPieces)];
  return pattern;
}

// The walk that matches as it goes must find what matching every word
// afterwards finds, in the same order.
TEST(GeneratorsRandomTest, PrunedPatternWalkAgreesWithWordByWordMatching) {
  std::mt19937 random(11);
  const Lexicon lexicon = RandomLexicon(random, 9);
  for (int compared = 0; compared < 400;) {
    const std::string pattern = RandomPattern(random);
    PatternExpression expression;
    if (expression.CompileWildcard(pattern)) continue;
    Words expected;
    VisitWords(lexicon, [&](std::string_view w) {
      if (expression.Matches(w)) expected.emplace_back(w);
    });
    WordCollection out = Unsorted();
    PatternMatches(lexicon, pattern, out);
    EXPECT_EQ(Words(out.begin(), out.end()), expected) << pattern;
    ++compared;
  }
}

// Counting looks anagrams up once the lexicon keeps its words by letters;
// before that, and for racks with blanks, it walks.
TEST(GeneratorsRandomTest, AnagramCountsAgreeWithBruteForce) {
  std::mt19937 random(5);
  const Lexicon lexicon = RandomLexicon(random, 7);
  std::map<std::string, int> words_by_letters;
  Words racks;
  VisitWords(lexicon, [&](std::string_view w) {
    std::string letters(w);
    std::sort(letters.begin(), letters.end());
    ++words_by_letters[letters];
    racks.emplace_back(w);
    std::reverse(letters.begin(), letters.end());
    racks.push_back(letters + "G");  // in no word
  });
  for (const std::string& rack : racks) {
    std::string letters = rack;
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(CountAnagrams(lexicon, rack), words_by_letters[letters]) << rack;
  }
  for (const char* rack : {"ABC?", "A*", "abc", ""}) {
    WordCollection found;
    EXPECT_EQ(CountAnagrams(lexicon, rack), Anagrams(lexicon, rack, found)) << rack;
  }
}

}  // namespace
}  // namespace tavrune
