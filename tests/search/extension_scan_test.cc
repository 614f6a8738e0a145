#include "search/extension_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/lexicon_builder.h"
#include "search/conditions.h"
#include "search/search_type.h"
#include "search/search_type_registry.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;

Words SortedWords(const WordCollection& collection) {
  Words words(collection.begin(), collection.end());
  std::sort(words.begin(), words.end());
  return words;
}

WordCollection ListOf(const Words& words) {
  WordCollection list;
  list.SetSortMode(false, SortKey::kAlphabetical, false);
  for (const std::string& w : words) list.Append(w);
  return list;
}

Words Scan(const Lexicon& lexicon, int front, int end, const WordCollection& source,
           bool matching) {
  WordCollection result;
  result.SetSortMode(false, SortKey::kAlphabetical, false);
  ExtensionScan scan(front, end, source, result, matching);
  ForEachWord(lexicon, scan, result);
  Words words(result.begin(), result.end());
  EXPECT_TRUE(std::is_sorted(words.begin(), words.end()));
  return words;
}

Words Filter(const Lexicon& lexicon, int front, int end, const WordCollection& source,
             bool matching) {
  ConditionList conditions;
  conditions.Emplace<ExtensionCondition>(front, end, matching);
  WordCollection result;
  result.SetSortMode(false, SortKey::kAlphabetical, false);
  FilterList(source, lexicon, conditions, result);
  return SortedWords(result);
}

TEST(ExtensionScanTest, EqualsTheListFilterForEveryShape) {
  const Lexicon lexicon = testing::MakeLexicon(
      {"PARTY", "BIPARTY", "JUNKY", "JUNKYARD", "AZON", "BLAZONED", "AT", "CAT", "CATS", "SCAT",
       "SCATS", "BAT", "BATS", "ABATS", "ABCDEFGHIJKLMNO", "BCDEFGHIJKLMNO", "OBBLE", "WOBBLE"});
  // Lexicon words and others (OBBLE is no word but extends to WOBBLE),
  // a duplicate, a lower-case word, a word too long to extend by two.
  const WordCollection source =
      ListOf({"PARTY", "JUNKY", "AZON", "AT", "CAT", "BAT", "BATS", "OBBLE", "CAT", "cAT", "ZZZ",
              "BCDEFGHIJKLMNO", "CDEFGHIJKLMNO", "ATS"});
  const int shapes[][2] = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {0, 3}, {1, 1}, {2, 2}, {3, 0}};
  for (const auto& [front, end] : shapes) {
    for (bool matching : {true, false}) {
      EXPECT_EQ(Scan(lexicon, front, end, source, matching),
                Filter(lexicon, front, end, source, matching))
          << front << "," << end << (matching ? " matching" : " not matching");
    }
  }
  EXPECT_EQ(Scan(lexicon, 1, 0, source, true),
            (Words{"AT", "ATS", "BATS", "BCDEFGHIJKLMNO", "CAT", "CAT", "CDEFGHIJKLMNO", "OBBLE"}));
}

TEST(ExtensionScanTest, CandidateLengthsFromTheSourceList) {
  WordCollection result;
  const WordCollection source = ListOf({"ABCD", "AB", "ABCDEFGHIJKL"});
  const ExtensionScan scan(2, 1, source, result, true);
  EXPECT_EQ(scan.min_candidate_length(), 5);
  EXPECT_EQ(scan.max_candidate_length(), 15);
  const WordCollection empty;
  const ExtensionScan none(1, 0, empty, result, false);
  EXPECT_LT(none.max_candidate_length(), none.min_candidate_length());
  EXPECT_TRUE(result.IsEmpty());
}

// A lexicon of every three-letter string over A-M (2,197 words), with S in
// front of those beginning with A and ST in front of those ending with M.
Lexicon ThreeLetterLexicon(Words& three) {
  LexiconBuilder builder;
  for (char a = 'A'; a <= 'M'; ++a) {
    for (char b = 'A'; b <= 'M'; ++b) {
      for (char c = 'A'; c <= 'M'; ++c) {
        const std::string w{a, b, c};
        three.push_back(w);
        builder.AddWord(w);
        if (a == 'A') builder.AddWord("S" + w);
        if (c == 'M') builder.AddWord("ST" + w);
      }
    }
  }
  Lexicon lexicon;
  lexicon.LoadBytes(builder.Build());
  return lexicon;
}

TEST(ExtensionScanTest, FrontTypesChooseTheScanForLargeListsAndLongFronts) {
  Words three;
  const Lexicon lexicon = ThreeLetterLexicon(three);
  const SearchTypeRegistry registry;
  testing::RecordingPrompt prompt;
  const auto run = [&](std::string_view type, const WordCollection& source, int n1, int n2,
                       bool matching) {
    WordCollection result;
    result.SetSortMode(false, SortKey::kAlphabetical, false);
    SearchParameters parameters;
    parameters.number1 = n1;
    parameters.number2 = n2;
    parameters.matching = matching;
    registry.FindType(type)->Search(parameters, lexicon, &source, result, prompt);
    return result;
  };

  const WordCollection large = ListOf(three);  // 2,197 words: the scan
  const Words small_words(three.begin(), three.begin() + 1999);
  const WordCollection small = ListOf(small_words);  // the list filter
  for (bool matching : {true, false}) {
    const WordCollection from_large = run("Front", large, 1, 0, matching);
    const WordCollection from_small = run("Front", small, 1, 0, matching);
    EXPECT_EQ(SortedWords(from_large), Filter(lexicon, 1, 0, large, matching));
    EXPECT_EQ(SortedWords(from_small), Filter(lexicon, 1, 0, small, matching));
    EXPECT_EQ(SortedWords(run("Front", small, 2, 0, matching)),
              Filter(lexicon, 2, 0, small, matching));
    EXPECT_EQ(SortedWords(run("Front and End", large, 1, 1, matching)),
              Filter(lexicon, 1, 1, large, matching));
  }
  EXPECT_EQ(run("Front", large, 1, 0, true).Count(), 169);
  EXPECT_EQ(run("Front", large, 2, 0, true).Count(), 169);
  EXPECT_EQ(run("Front", large, 3, 0, true).Count(), 0);
  EXPECT_EQ(run("End", large, 1, 0, true).Count(), 0);
  EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace tavrune
