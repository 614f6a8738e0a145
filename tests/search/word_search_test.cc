#include "search/word_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search/search_messages.h"
#include "search/search_setting_keys.h"
#include "tests/support/lexicon_fixture.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;

Words Search(const Lexicon& lexicon, WordSearchRequest request, const SourceMarker& mark = {}) {
  WordCollection results;
  RunWordSearch(lexicon, request, mark, results);
  return Words(results.begin(), results.end());
}

struct InputCase {
  WordSearchType type;
  const char* input;
  int message;
};

TEST(WordSearchTest, InputIsCheckedForTheSearchType) {
  const InputCase cases[] = {
      {WordSearchType::kPattern, "", kEmptyInputMessage},
      {WordSearchType::kPattern, "[AB]*", 0},
      {WordSearchType::kAnagram, "AB?*", 0},
      {WordSearchType::kAnagram, "AB.", kAnagramCharacterMessage},
      {WordSearchType::kBuild, "AB?", 0},
      {WordSearchType::kBuild, "AB*", kBuildCharacterMessage},
  };
  for (const InputCase& c : cases) {
    SCOPED_TRACE(c.input);
    EXPECT_EQ(CheckWordSearchInput(c.type, c.input), c.message);
  }
}

TEST(WordSearchTest, SpacesAreIgnored) {
  const Lexicon lexicon = testing::MakeLexicon({"STARE", "TEARS", "RATES", "TEA"});
  EXPECT_EQ(WithoutSpaces(" A E R S T "), "AERST");
  EXPECT_EQ(Search(lexicon, {WordSearchType::kAnagram, "A E R S T"}),
            (Words{"RATES", "STARE", "TEARS"}));
}

// A blank-supplied letter is lower case and sorts as if it were not.
TEST(WordSearchTest, SmallCapsSortWithTheirUpperCaseLetters) {
  const Lexicon lexicon = testing::MakeLexicon({"BEAST", "TASTE", "EATS"});
  WordSearchRequest request{WordSearchType::kAnagram, "AEST?", true, false, true};
  const Words found = Search(lexicon, request);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], "bEAST");
  EXPECT_EQ(found[1].size(), 5u);
  EXPECT_NE(found[1], "TASTE");  // one T is the blank's
  request.small_caps = false;
  EXPECT_EQ(Search(lexicon, request), (Words{"BEAST", "TASTE"}));
}

TEST(WordSearchTest, WordLengthPutsTheLongestFirstThenAlphabetical) {
  const Lexicon lexicon = testing::MakeLexicon({"AT", "ACT", "CAT", "CATS", "SCAT", "TA"});
  EXPECT_EQ(Search(lexicon, {WordSearchType::kBuild, "CATS", false, false, true}),
            (Words{"CATS", "SCAT", "ACT", "CAT", "AT", "TA"}));
  EXPECT_EQ(Search(lexicon, {WordSearchType::kBuild, "CATS"}),
            (Words{"ACT", "AT", "CAT", "CATS", "SCAT", "TA"}));
}

TEST(WordSearchTest, BuildBuildGivesPairsAndMarksGoThroughTheMarker) {
  const Lexicon lexicon = testing::MakeLexicon({"QUA", "TO", "QUOTA"});
  EXPECT_EQ(Search(lexicon, {WordSearchType::kBuild, "QUOTA", false, true}),
            (Words{"QUA/TO", "TO/QUA"}));
  const SourceMarker mark = [](const WordCollection& words, WordCollection& results) {
    for (std::string_view word : words) results.Append(std::string(word) + "#");
  };
  EXPECT_EQ(Search(lexicon, {WordSearchType::kPattern, "??"}, mark), Words{"TO#"});
}

TEST(WordSearchTest, StoredChoicesAreReadByTheirRules) {
  MemorySettings settings;
  settings.PutInt("ToolsSearch", "SearchType", 5);
  settings.PutInt("ToolsSearch", "SortType", 1);
  settings.PutInt("ToolsSearch", "BuildBuild", 1);
  WordSearchChoices choices = WordSearchChoices::Read(settings);
  EXPECT_EQ(choices.type, WordSearchType::kPattern);
  EXPECT_TRUE(choices.by_length);
  EXPECT_FALSE(choices.build_build);
  choices.build_build = true;
  choices.Write(settings);
  EXPECT_EQ(settings.GetInt("ToolsSearch", "BuildBuild", -1), 0);
  settings.PutInt("General", "BuildBuild", 1);
  choices.Write(settings);
  EXPECT_TRUE(WordSearchChoices::Read(settings).build_build);
}

}  // namespace
}  // namespace tavrune
