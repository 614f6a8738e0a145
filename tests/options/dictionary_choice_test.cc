#include "options/dictionary_choice.h"

#include <gtest/gtest.h>

namespace tavrune {
namespace {

TEST(DictionaryChoiceTest, OnlyFoundDictionariesCanBeChosen) {
  const LexiconPresence present = {true, false, true, false, true};
  const bool expected[] = {true, false, true, false, true};
  for (int id = 0; id < kLexiconCount; ++id) {
    EXPECT_EQ(DictionaryEnabled(present, id), expected[id]) << id;
  }
  EXPECT_FALSE(DictionaryEnabled(present, -1));
  EXPECT_FALSE(DictionaryEnabled(present, kLexiconCount));
}

TEST(DictionaryChoiceTest, AnswerSourceOnlyForTheCombinedList) {
  for (int id = -1; id <= kLexiconCount; ++id) {
    EXPECT_EQ(AnswerSourceEnabled(id), id == Index(LexiconId::kUKNA)) << id;
  }
}

TEST(DictionaryChoiceTest, SymbolsNeedBritishAndNorthAmerican) {
  struct Case {
    LexiconPresence present;
    bool enabled;
  };
  const Case cases[] = {
      {{true, true, false, false, false}, true},
      {{true, false, true, true, true}, false},
      {{false, true, true, true, true}, false},
  };
  for (const Case& c : cases) EXPECT_EQ(SymbolsEnabled(c.present), c.enabled);
}

TEST(DictionaryChoiceTest, CombinedListTakesAnswersFromBoth) {
  struct Case {
    int source;
    int answer_source;
    int after;
  };
  const Case cases[] = {{2, 0, 2}, {2, 1, 2}, {1, 0, 0}, {0, 1, 1}};
  for (const Case& c : cases) {
    DictionaryChoices choices;
    choices.source = c.source;
    choices.answer_source = c.answer_source;
    ApplyAnswerSourceRule(choices);
    EXPECT_EQ(choices.answer_source, c.after) << c.source << " " << c.answer_source;
  }
}

}  // namespace
}  // namespace tavrune
