#include "engine/lexicon_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "engine/lexicon.h"
#include "engine/word_walk.h"
#include "tests/support/file_faults.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

std::vector<std::string> AllWords(const Lexicon& lexicon) {
  std::vector<std::string> words;
  VisitWords(lexicon, [&](std::string_view w) { words.emplace_back(w); });
  return words;
}

Lexicon Load(const LexiconBuilder& builder) {
  Lexicon lexicon;
  EXPECT_TRUE(lexicon.LoadBytes(builder.Build()));
  return lexicon;
}

TEST(LexiconBuilderTest, RoundTripOfRandomWordsInAlphabeticalOrder) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> length(1, 15);
  std::uniform_int_distribution<int> letter(0, 5);  // few letters: many shared parts
  std::set<std::string> expected;
  LexiconBuilder builder;
  for (int i = 0; i < 5000; ++i) {
    std::string w(length(random), 'A');
    for (char& c : w) c = static_cast<char>('A' + letter(random));
    expected.insert(w);
    ASSERT_TRUE(builder.AddWord(w));
  }
  size_t count = 0;
  Lexicon lexicon;
  ASSERT_TRUE(lexicon.LoadBytes(builder.Build(&count)));
  EXPECT_EQ(count, expected.size());
  EXPECT_EQ(lexicon.Header().word_count, static_cast<int32_t>(expected.size()));
  const std::vector<std::string> words = AllWords(lexicon);
  EXPECT_EQ(words, std::vector<std::string>(expected.begin(), expected.end()));
  for (int i = 0; i < 2000; ++i) {
    std::string w(length(random), 'A');
    for (char& c : w) c = static_cast<char>('A' + letter(random));
    EXPECT_EQ(lexicon.Contains(w), expected.count(w) == 1) << w;
  }
}

TEST(LexiconBuilderTest, NormalisesRejectsAndDropsDuplicates) {
  LexiconBuilder builder;
  EXPECT_TRUE(builder.AddWord("zebra"));
  EXPECT_TRUE(builder.AddWord("ZEBRA"));
  EXPECT_TRUE(builder.AddWord("Qi"));
  EXPECT_TRUE(builder.AddWord("ABCDEFGHIJKLMNO"));    // 15 letters
  EXPECT_FALSE(builder.AddWord("ABCDEFGHIJKLMNOP"));  // 16
  EXPECT_FALSE(builder.AddWord("ICE CREAM"));
  EXPECT_FALSE(builder.AddWord("NA\xC3\x8FVE"));
  EXPECT_FALSE(builder.AddWord("R2D2"));
  EXPECT_FALSE(builder.AddWord(""));
  EXPECT_EQ(builder.RejectedCount(), 5u);
  EXPECT_EQ(AllWords(Load(builder)), (std::vector<std::string>{"ABCDEFGHIJKLMNO", "QI", "ZEBRA"}));
}

TEST(LexiconBuilderTest, SharesEqualSuffixLists) {
  LexiconBuilder builder;
  for (const char* w : {"BATS", "CATS", "HATS", "RATS"}) builder.AddWord(w);
  // Root list of four letters, then one shared A, T, S list each.
  Lexicon lexicon = Load(builder);
  EXPECT_EQ(lexicon.EdgeCount(), 2u + 4 + 1 + 1 + 1);

  LexiconBuilder prefixes;
  for (const char* w : {"CAT", "CATS", "DOG", "DOGS"}) prefixes.AddWord(w);
  // T and G (both ending a word) share the one S list below them.
  Lexicon shared = Load(prefixes);
  EXPECT_EQ(AllWords(shared), (std::vector<std::string>{"CAT", "CATS", "DOG", "DOGS"}));
  EXPECT_EQ(shared.EdgeCount(), 2u + 2 + 1 + 1 + 1 + 1 + 1);
}

TEST(LexiconBuilderTest, HeaderTextsAreCut) {
  LexiconBuilder builder;
  builder.SetName(std::string(40, 'N'));
  builder.SetDescription(std::string(40, 'D'));
  builder.AddWord("AA");
  const LexiconHeader header = Load(builder).Header();
  EXPECT_EQ(header.Name(), std::string(31, 'N'));
  EXPECT_EQ(header.Description(), std::string(19, 'D'));
  EXPECT_EQ(header.edge_offset, 64u);
}

TEST(LexiconBuilderTest, EmptyListMakesAnEmptyValidFile) {
  LexiconBuilder builder;
  Lexicon lexicon = Load(builder);
  EXPECT_EQ(lexicon.EdgeCount(), 2u);
  EXPECT_TRUE(AllWords(lexicon).empty());
  EXPECT_FALSE(lexicon.Contains("A"));
}

TEST(LexiconBuilderTest, FailedWriteKeepsTheOldFile) {
  testing::TempFolder dir;
  LexiconBuilder builder;
  builder.AddWord("OLD");
  const std::string path = dir.File("x.TVD");
  ASSERT_TRUE(builder.WriteFile(path));
  EXPECT_FALSE(builder.WriteFile(dir.File("no/such/folder/x.TVD")));
  // A leftover of the temporary name once used is passed over.
  std::filesystem::create_directory(path + ".tmp");
  LexiconBuilder other;
  other.AddWord("NEW");
  {
    testing::FileFaults faults;
    faults.FailWritesAfter(10, ENOSPC);
    EXPECT_EQ(other.WriteFile(path).error(), ENOSPC);
  }
  Lexicon lexicon;
  ASSERT_TRUE(lexicon.LoadFile(path));
  EXPECT_TRUE(lexicon.Contains("OLD"));
}

}  // namespace
}  // namespace tavrune
