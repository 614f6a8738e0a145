#include "wordlist/tavrune_doc.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/string_table.h"
#include "study/settings_table.h"
#include "tests/wordlist/doc_fixture.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

using testing::DocTest;
using testing::Words;
using Strings = std::vector<std::string>;

TEST_F(DocTest, AnagramEntryStandsForEveryWordWithItsLetters) {
  MTavruneDoc& doc = MakeList({"SPARE", "PEARS", "TOE"}, ListType::kAnagrams);
  EXPECT_EQ(Entries(), (Strings{"AEPRS", "EOT"}));
  EXPECT_EQ(Answers(0), (Strings{"PARES", "PEARS", "REAPS", "SPARE"}));

  doc.DeleteCurrentEntry();
  EXPECT_EQ(Entries(), (Strings{"EOT"}));
  EXPECT_EQ(Master(), (Strings{"TOE"}));
  EXPECT_EQ(testing::AllWords(doc.UndoHistory().Answers()), (Strings{"PEARS", "SPARE"}));
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kCurrentEntry}));
  EXPECT_TRUE(doc.IsModified());

  EXPECT_TRUE(doc.UndeleteOne());
  EXPECT_EQ(Entries(), (Strings{"AEPRS", "EOT"}));
  EXPECT_EQ(doc.CurrentEntry(), "AEPRS");
  EXPECT_EQ(Master(), (Strings{"PEARS", "SPARE", "TOE"}));
  EXPECT_TRUE(doc.UndoHistory().Answers().IsEmpty());
  EXPECT_FALSE(doc.UndeleteOne());
}

TEST_F(DocTest, DeletingAnAnagramEntryTakesWordsTheFilterHides) {
  app_.SetAnswerSource(0);  // Britain only: PEARS is North American
  MTavruneDoc& doc = MakeList({"SPARE", "PEARS", "ASPER"}, ListType::kAnagrams);
  EXPECT_EQ(Answers(0), (Strings{"PARES", "REAPS"}));
  doc.DeleteCurrentEntry();
  EXPECT_TRUE(doc.MasterWords().IsEmpty());
  doc.RebuildEntries(0, false);
  EXPECT_TRUE(doc.Entries().IsEmpty()) << "the entry came back";
  doc.UndeleteAll();
  EXPECT_EQ(Master(), (Strings{"ASPER", "PEARS", "SPARE"}));
}

TEST_F(DocTest, DeleteAndUndeleteInWordLists) {
  MTavruneDoc& doc = MakeList({"CAT", "TOE", "ACT"});
  doc.GoToEntry(1);
  doc.DeleteCurrentEntry();  // CAT
  doc.DeleteCurrentEntry();  // TOE
  EXPECT_EQ(Master(), (Strings{"ACT"}));
  EXPECT_EQ(doc.CurrentIndex(), 0);

  // A sorted list takes the entry back at its place, and it becomes current.
  views_.hints.clear();
  EXPECT_TRUE(doc.UndeleteOne());
  EXPECT_EQ(Entries(), (Strings{"ACT", "TOE"}));
  EXPECT_EQ(doc.CurrentIndex(), 1);
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kCurrentEntry}));

  doc.UndeleteAll();
  EXPECT_EQ(Master(), (Strings{"ACT", "CAT", "TOE"}));
  EXPECT_FALSE(doc.CanUndelete());
}

TEST_F(DocTest, UndeleteInARandomListComesBackAtTheCursor) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT", "OATS", "TACO", "TOE"});
  doc.SetSortOptions(SortType::kRandom, false);
  doc.GoToEntry(2);
  const std::string deleted(doc.CurrentEntry());
  doc.DeleteCurrentEntry();
  doc.GoToEntry(0);
  views_.hints.clear();
  EXPECT_TRUE(doc.UndeleteLast());
  EXPECT_EQ(doc.CurrentIndex(), 0);
  EXPECT_EQ(doc.CurrentEntry(), deleted);
  EXPECT_TRUE(views_.hints.empty());
}

TEST_F(DocTest, ListTypeHasNoAnswersToStepTo) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT", "TOE"});
  EXPECT_FALSE(doc.NextEntryWithAnswers());
  doc.GoToEntry(2);
  EXPECT_FALSE(doc.PreviousEntryWithAnswers());
  EXPECT_EQ(doc.CurrentIndex(), 2);
}

TEST_F(DocTest, StepsToEntriesWithAnswersWithoutWrapping) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT", "OE", "TOE"}, ListType::kHooks);
  doc.SetHookOptions(HookType::kEnd, 1, 1);
  // ACT has no end hook, CAT has CATS, OE none, TOE has TOES.
  EXPECT_TRUE(doc.NextEntryWithAnswers());
  EXPECT_EQ(doc.CurrentEntry(), "CAT");
  EXPECT_TRUE(doc.NextEntryWithAnswers());
  EXPECT_EQ(doc.CurrentEntry(), "TOE");
  EXPECT_FALSE(doc.NextEntryWithAnswers());
  EXPECT_EQ(doc.CurrentEntry(), "TOE");
  EXPECT_TRUE(doc.PreviousEntryWithAnswers());
  EXPECT_EQ(doc.CurrentEntry(), "CAT");
  EXPECT_FALSE(doc.PreviousEntryWithAnswers());
}

TEST_F(DocTest, AnswersOfEveryListType) {
  MTavruneDoc& doc = MakeList({"AT", "CAT", "OATS"}, ListType::kHooks);
  doc.SetHookOptions(HookType::kFrontAndEnd, 1, 1);
  WordCollection front = Words({});
  WordCollection end = Words({});
  doc.ComputeAnswers(1, front, end);
  EXPECT_EQ(testing::AllWords(front), (Strings{"SCAT"}));
  EXPECT_EQ(testing::AllWords(end), (Strings{"CATS"}));
  doc.SetHookOptions(HookType::kBothEnds, 1, 1);
  EXPECT_TRUE(Answers(1).empty());
  doc.SetHookOptions(HookType::kFront, 2, 1);
  EXPECT_EQ(Answers(0), (Strings{"COAT", "SCAT"})) << "two front letters";

  doc.SetListType(ListType::kBuild);
  doc.SetBuildLimits(2, 3);
  // Shortest first, alphabetical within a length.
  EXPECT_EQ(Answers(2), (Strings{"AS", "AT", "TA"}));

  doc.SetListType(ListType::kAnagramsAndHooks);
  EXPECT_EQ(Entries(), (Strings{"ACT", "AOST", "AT"}));
  EXPECT_EQ(Answers(0), (Strings{" ACT", "S CAT S"}));
  EXPECT_EQ(Answers(1), (Strings{" OATS", " STOA"}));

  doc.SetListType(ListType::kList);
  EXPECT_TRUE(Answers(0).empty());
}

TEST_F(DocTest, AnswerFilterOnlyWithTheCombinedLexicon) {
  app_.SetAnswerSource(0);
  app_.SetSource(1);
  MTavruneDoc& doc = MakeDoc();
  EXPECT_EQ(doc.AnswerFilterLexicon(), nullptr);

  app_.SetSource(2);
  doc.DictionaryChanged();
  EXPECT_EQ(doc.AnswerFilterLexicon(), &app_.LexiconFor(LexiconId::kNA));
  doc.MergeWords(Words({"CAT", "TOE"}));
  doc.DeleteCurrentEntry();
  EXPECT_FALSE(doc.RefreshAnswerFilter()) << "nothing changed";
  EXPECT_TRUE(doc.CanUndelete());

  app_.SetAnswerSource(1);
  EXPECT_TRUE(doc.RefreshAnswerFilter());
  EXPECT_EQ(doc.AnswerFilterLexicon(), &app_.LexiconFor(LexiconId::kUK));
  EXPECT_FALSE(doc.CanUndelete());
  app_.SetAnswerSource(2);
  EXPECT_TRUE(doc.RefreshAnswerFilter());
  EXPECT_EQ(doc.AnswerFilterLexicon(), nullptr);
}

TEST_F(DocTest, ChangingListFamilyRebuildsAndClearsHistory) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT", "TOE"});
  doc.DeleteCurrentEntry();
  doc.SetListType(ListType::kHooks);
  EXPECT_TRUE(doc.CanUndelete()) << "same family";
  EXPECT_EQ(views_.hints.back(), hint::kListType);
  doc.SetListType(ListType::kAnagrams);
  EXPECT_FALSE(doc.CanUndelete());
  EXPECT_EQ(Entries(), (Strings{"ACT", "EOT"}));
}

TEST_F(DocTest, MovingSetsTheModifiedFlag) {
  MTavruneDoc& doc = MakeList({"ACT", "CAT"});
  doc.SetModifiedFlag(false);
  EXPECT_EQ(doc.GoToEntry(9), 1);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kCurrentEntry}));
}

TEST_F(DocTest, MergeBeyondTheLimitAsksFirst) {
  MTavruneDoc& doc = MakeDoc();
  WordCollection many = Words({});
  std::string word = "AAAA";
  for (int i = 0; i < MTavruneDoc::kMaxWords - 10; ++i) {
    many.Append(word);
    for (int p = 3; p >= 0 && ++word[p] > 'Z'; --p) word[p] = 'A';
  }
  EXPECT_EQ(doc.MergeWords(many), MTavruneDoc::kMaxWords - 10);
  prompt_.Script({UserPrompt::Answer::kNo, UserPrompt::Answer::kYes});
  const WordCollection more =
      Words({"ZZ", "ZA", "ZB", "ZC", "ZD", "ZE", "ZF", "ZG", "ZH", "ZI", "ZJ", "ZK"});
  EXPECT_EQ(doc.MergeWords(more), 0);
  EXPECT_EQ(doc.MergeWords(more), 10);
  EXPECT_EQ(prompt_.questions.at(0).id, wordlist_text::kMergeLimit);
  EXPECT_EQ(prompt_.questions.at(0).args, (Strings{"10"}));
  EXPECT_TRUE(doc.MasterWords().Contains("ZZ"));
  EXPECT_FALSE(doc.MasterWords().Contains("ZK"));
}

TEST_F(DocTest, SettingsReadWithTheirRulesAndWrittenBack) {
  settings_.PutInt("Display", "Type", 7);
  settings_.PutInt("Hooks", "Type", 9);
  settings_.PutInt("Sort", "Order", 5);
  settings_.PutInt("Anagrams", "Order", 4);
  MTavruneDoc& doc = MakeDoc();
  EXPECT_EQ(doc.GetListType(), ListType::kAnagrams);
  EXPECT_EQ(doc.GetHookType(), HookType::kFrontAndEnd);
  EXPECT_FALSE(doc.GetListSettings().descending);
  EXPECT_EQ(doc.GetAnagramOrder(), AnagramOrder::kVowelFirst);

  doc.SetSortOptions(SortType::kWordLength, true);
  doc.SetHookOptions(HookType::kEnd, 3, 4);
  doc_.reset();
  EXPECT_EQ(settings_.GetInt("Sort", "Type", -1), 4);
  EXPECT_EQ(settings_.GetInt("Sort", "Order", -1), 1);
  EXPECT_EQ(settings_.GetInt("Hooks", "EndLetters", -1), 4);
  EXPECT_EQ(settings_.GetInt("Display", "Type", -1), 0);
}

TEST_F(DocTest, ListTitles) {
  MTavruneDoc& doc = MakeDoc();
  doc.SetListType(ListType::kHooks);
  doc.SetHookOptions(HookType::kBothEnds, 2, 1);
  EXPECT_EQ(doc.ListTitle(), "Hooks (2-1)");
  doc.SetHookOptions(HookType::kFrontAndEnd, 2, 1);
  EXPECT_EQ(doc.ListTitle(), "Hooks (2,1)");
  doc.SetHookOptions(HookType::kFront, 2, 1);
  EXPECT_EQ(doc.ListTitle(), "Hooks (2,)");
  doc.SetHookOptions(HookType::kEnd, 2, 1);
  EXPECT_EQ(doc.ListTitle(), "Hooks (,1)");
  doc.SetListType(ListType::kBuild);
  doc.SetBuildLimits(1, 99);
  EXPECT_EQ(doc.ListTitle(), "Build (2-15)");
  doc.SetListType(ListType::kAnagramsAndHooks);
  EXPECT_EQ(doc.ListTitle(), "Anagrams and Hooks");
}

TEST_F(DocTest, AnswerLayouts) {
  MTavruneDoc& doc = MakeList({"AT", "SPARE", "CAT"}, ListType::kHooks);
  doc.SetHookOptions(HookType::kFrontAndEnd, 2, 3);
  EXPECT_EQ(doc.GetAnswerLayout(), (AnswerLayout{8, 5, 0, 0, 2}));
  doc.SetHookOptions(HookType::kBothEnds, 2, 3);
  EXPECT_EQ(doc.GetAnswerLayout().answer_width, 10);
  doc.SetListType(ListType::kAnagramsAndHooks);
  // F[2] = 18, F[5] = 13; E[2] = 19, E[5] = 5.
  EXPECT_EQ(doc.GetAnswerLayout(), (AnswerLayout{5, 5, 18, 19, 2}));
  doc.SetListType(ListType::kBuild);
  doc.SetBuildLimits(2, 4);
  EXPECT_EQ(doc.GetAnswerLayout().answer_width, 4);
  doc.OnNewDocument();
  EXPECT_EQ(doc.GetAnswerLayout(), (AnswerLayout{}));
}

TEST_F(DocTest, SplitAnswerLine) {
  EXPECT_EQ(SplitAnswerLine("S CAT S"), (AnswerLineParts{"S", "CAT", "S"}));
  EXPECT_EQ(SplitAnswerLine(" OATS"), (AnswerLineParts{"", "OATS", ""}));
  EXPECT_EQ(SplitAnswerLine("BC AT"), (AnswerLineParts{"BC", "AT", ""}));
  EXPECT_EQ(SplitAnswerLine("CAT"), (AnswerLineParts{"CAT", "", ""}));
}

TEST(ShownDescriptionTest, FirstLineOfAtMostTwoHundredCharacters) {
  const std::string a200(200, 'A');
  std::string accents;  // 'é' is two bytes
  for (int i = 0; i < 250; ++i) accents += "\xC3\xA9";
  const struct {
    std::string description;
    std::string shown;
  } kCases[] = {
      {"Two letter words", "Two letter words"},
      {"first\nsecond", "first"},
      {"first\r\nsecond", "first"},
      {"\nsecond", ""},
      {a200 + "B", a200},
      {accents, accents.substr(0, 400)},
      {a200.substr(1) + "\xE2\x82\xAC" + "B", a200.substr(1) + "\xE2\x82\xAC"},
      // Bytes that are no UTF-8 count one a character.
      {std::string(300, '\xE9'), std::string(200, '\xE9')},
  };
  for (const auto& c : kCases) EXPECT_EQ(ShownDescription(c.description), c.shown);
}

TEST_F(DocTest, WordSourceSymbols) {
  MTavruneDoc& doc = MakeDoc();
  EXPECT_EQ(doc.WordSourceSymbolText("CAT"), "*");
  EXPECT_EQ(doc.WordSourceSymbolText("REAPS"), "#");
  EXPECT_EQ(doc.WordSourceSymbolText("PEARS"), "$");
  EXPECT_FALSE(doc.WordSourceSymbol("ACT").found);
  EXPECT_EQ(doc.WordSourceSymbolText("ACT"), " ");
  WordCollection marked = Words({});
  doc.AppendSourceSymbols(Words({"PEARS", "rEAPS", "ACT"}), marked);
  EXPECT_EQ(testing::AllWords(marked), (Strings{"PEARS$", "rEAPS#", "ACT "}));
}

TEST_F(DocTest, SaveChangesIsOfferedBeforeLosingAList) {
  testing::TempFolder folder;
  MTavruneDoc& doc = MakeList({"ACT", "CAT"});
  ASSERT_TRUE(doc.IsModified());

  prompt_.Script({UserPrompt::Answer::kCancel});
  EXPECT_FALSE(doc.NewDocument());
  EXPECT_EQ(doc.EntryCount(), 2);
  EXPECT_EQ(prompt_.questions.back().id, kSaveChangesText);
  EXPECT_EQ(prompt_.questions.back().args, (Strings{"Untitled"}));

  // Yes on an untitled list asks for a name; no name cancels.
  prompt_.Script({UserPrompt::Answer::kYes});
  EXPECT_FALSE(doc.NewDocument());
  const std::string path = folder.File("two.tvr");
  doc.SetSavePathChooser([&](const std::string&) { return path; });
  prompt_.Script({UserPrompt::Answer::kYes});
  views_.hints.clear();
  EXPECT_TRUE(doc.NewDocument());
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kAll}));
  EXPECT_EQ(doc.EntryCount(), 0);
  EXPECT_EQ(doc.Title(), "Untitled");

  EXPECT_TRUE(doc.OpenDocument(path)) << "an unmodified list is not asked about";
  EXPECT_EQ(doc.Title(), "two.tvr");
  EXPECT_EQ(Entries(), (Strings{"ACT", "CAT"}));
  EXPECT_EQ(views_.hints.back(), hint::kAll);
}

}  // namespace
}  // namespace tavrune
