#include "search/custom_list_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/lexicon_builder.h"
#include "resources/string_table.h"
#include "search/search_messages.h"
#include "tests/support/lexicon_fixture.h"
#include "tests/support/recording_prompt.h"

namespace tavrune {
namespace {

using Words = std::vector<std::string>;
using Outcome = CustomListSearch::Outcome;

Words WordsOf(const WordCollection& collection) {
  return Words(collection.begin(), collection.end());
}

SearchParameters Params(std::string p1, std::string p2 = "", int n1 = 0, int n2 = 0,
                        bool matching = true) {
  return {std::move(p1), std::move(p2), n1, n2, matching};
}

class CustomListSearchTest : public ::testing::Test {
 protected:
  const SearchType& Type(std::string_view name) { return *model_.registry().FindType(name); }
  Outcome Run(std::string_view type, const SearchParameters& parameters) {
    return model_.Search(Type(type), parameters, &refusal_);
  }

  Lexicon lexicon_ = testing::MakeLexicon(
      {"AB", "JAB", "CAT", "QUA", "ZAX", "TAX", "ACT", "OX", "QI", "CATS", "QUOTA"});
  testing::RecordingPrompt prompt_;
  WordCollection working_;
  CustomListSearch model_{working_, false, lexicon_, prompt_};
  std::optional<SearchMessage> refusal_;
};

TEST_F(CustomListSearchTest, SearchesRefineAndOneUndoGoesBack) {
  ASSERT_EQ(Run("Word Length", Params("", "", 3, 3)), Outcome::kDone);
  const Words threes = {"ACT", "CAT", "JAB", "QUA", "TAX", "ZAX"};
  EXPECT_EQ(WordsOf(working_), threes);
  ASSERT_EQ(Run("Contains Any", Params("JQXZ")), Outcome::kDone);
  EXPECT_EQ(WordsOf(working_), (Words{"JAB", "QUA", "TAX", "ZAX"}));
  ASSERT_TRUE(model_.CanUndo());
  model_.Undo();
  EXPECT_EQ(WordsOf(working_), threes);
  EXPECT_FALSE(model_.CanUndo());
  model_.Undo();
  EXPECT_EQ(WordsOf(working_), threes);
  EXPECT_EQ(prompt_.wait_begins, 2);
}

TEST_F(CustomListSearchTest, NewSearchCoversTheLexiconAgain) {
  Run("Word Length", Params("", "", 3, 3));
  model_.NewSearch();
  EXPECT_TRUE(working_.IsEmpty());
  EXPECT_FALSE(model_.CanUndo());
  Run("Word Length", Params("", "", 2, 2));
  EXPECT_EQ(WordsOf(working_), (Words{"AB", "OX", "QI"}));
}

// Refining nothing must not turn into a search of the whole lexicon.
TEST_F(CustomListSearchTest, AfterASearchFindsNothingSearchWaitsForUndoOrNewSearch) {
  Run("Word Length", Params("", "", 3, 3));
  Run("Contains", Params("QQ"));
  ASSERT_TRUE(working_.IsEmpty());
  EXPECT_EQ(Run("Word Length", Params("", "", 2, 15)), Outcome::kIgnored);
  EXPECT_TRUE(working_.IsEmpty());
  model_.Undo();
  EXPECT_EQ(working_.Count(), 6);
}

TEST_F(CustomListSearchTest, PruningAnEmptyListDoesNothing) {
  WordCollection words;
  words.Insert("QI");
  CustomListSearch prune(words, true, lexicon_, prompt_);
  prune.Search(*prune.registry().FindType("Contains"), Params("Z"));
  ASSERT_TRUE(words.IsEmpty());
  EXPECT_EQ(prune.Search(*prune.registry().FindType("Word Length"), Params("", "", 2, 15)),
            Outcome::kIgnored);
  EXPECT_TRUE(words.IsEmpty());
}

struct RefusalCase {
  const char* type;
  SearchParameters parameters;
  int message;
  std::vector<std::string> args;
  SearchField field;
};

TEST_F(CustomListSearchTest, WrongInputsAreRefusedWithTheFieldAtFault) {
  const RefusalCase cases[] = {
      {"Anywhere 2", Params("OO", "U1"), kLetterCharacterMessage, {}, SearchField::kPattern2},
      {"Word Length",
       Params("", "", 7, 6),
       kNumberOrderMessage,
       {"Max length", "Min length"},
       SearchField::kNumber2},
      {"Word Length", Params("", "", 1, 6), kIntegerRangeText, {"2", "15"}, SearchField::kNumber1},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.type);
    prompt_.Clear();
    EXPECT_EQ(Run(c.type, c.parameters), Outcome::kRefused);
    ASSERT_TRUE(refusal_);
    EXPECT_EQ(refusal_->field, c.field);
    ASSERT_EQ(prompt_.messages.size(), 1u);
    EXPECT_EQ(prompt_.messages[0].id, c.message);
    EXPECT_EQ(prompt_.messages[0].args, c.args);
  }
  EXPECT_FALSE(model_.CanUndo());
}

TEST_F(CustomListSearchTest, AListOnlyTypeOnTheLexiconSaysSoAndOffersUndo) {
  EXPECT_EQ(Run("Front", Params("", "", 1)), Outcome::kRefused);
  EXPECT_EQ(prompt_.MessageIds(), std::vector<int>{kWholeLexiconMessage});
  ASSERT_TRUE(model_.CanUndo());
  model_.Undo();
  EXPECT_TRUE(working_.IsEmpty());
  EXPECT_FALSE(model_.Exhausted());
  EXPECT_EQ(Run("Word Length", Params("", "", 2, 2)), Outcome::kDone);
  EXPECT_EQ(working_.Count(), 3);
}

TEST_F(CustomListSearchTest, NumberLabelsShowTheirRangeAndProbableFollowsTheList) {
  EXPECT_EQ(model_.LabelWithRange(Type("Word Length"), SearchField::kNumber1),
            "Min length (2 - 15)");
  EXPECT_EQ(model_.LabelWithRange(Type("Anagram"), SearchField::kPattern1), "Anagram");
  for (int i = 0; i < 250; ++i) working_.Insert("W" + std::to_string(1000 + i));
  EXPECT_EQ(model_.LabelWithRange(Type("Probable"), SearchField::kNumber1),
            "Start Index (1 - 250)");
  EXPECT_EQ(model_.LabelWithRange(Type("Probable"), SearchField::kNumber2), "End Index (1 - 250)");
}

TEST(CustomListSearchLimitTest, AWholeLexiconSearchCutAtTheListLimitSaysSo) {
  LexiconBuilder builder;
  std::string word = "AAAA";
  for (int i = 0; i < WordCollection::kMaxWords + 10; ++i) {
    int n = i;
    for (int k = 3; k >= 0; --k, n /= 26) word[k] = static_cast<char>('A' + n % 26);
    builder.AddWord(word);
  }
  Lexicon lexicon;
  ASSERT_TRUE(lexicon.LoadBytes(builder.Build()));
  testing::RecordingPrompt prompt;
  WordCollection working;
  CustomListSearch model(working, false, lexicon, prompt);
  model.Search(*model.registry().FindType("Word Length"), Params("", "", 4, 4));
  EXPECT_EQ(working.Count(), WordCollection::kMaxWords);
  EXPECT_EQ(prompt.MessageIds(), std::vector<int>{kSearchCutMessage});
  // A list search keeps at most its source, so it never says so.
  prompt.Clear();
  model.Search(*model.registry().FindType("Word Length"), Params("", "", 2, 15));
  EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace tavrune
