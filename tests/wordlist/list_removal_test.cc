#include "wordlist/list_removal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "tests/wordlist/doc_fixture.h"
#include "wordlist/answer_removal.h"
#include "wordlist/list_commands.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune::testing {
namespace {

namespace text = wordlist_text;
using Strings = std::vector<std::string>;

// Thirty entries that are not words, so have no answers of any kind.
WordCollection NonWords() {
  WordCollection words = Words({});
  std::string word = "ZXA";
  for (int i = 0; i < 30; ++i, ++word[2]) {
    if (word[2] > 'Z') {
      word[2] = 'A';
      ++word[1];
    }
    words.Append(word);
  }
  return words;
}

class RemovalTest : public DocTest {
 protected:
  // Runs a removal to its end, returning the percentages of its steps.
  std::vector<int> RunToEnd(AnswerRemoval& removal) {
    std::vector<int> percentages;
    int progress = -1;
    for (int guard = 0; guard < 1000; ++guard) {
      const bool done = removal.Step(progress);
      percentages.push_back(progress);
      if (done) break;
    }
    return percentages;
  }

  TempFolder folder_;
};

TEST_F(RemovalTest, CommonWordsOfAnotherFileGoAndTheUndoHistoryStays) {
  MTavruneDoc& other = MakeList({"CAT", "TOE", "ZZZ"});
  const std::string path = folder_.File("other.tvr");
  ASSERT_TRUE(other.OnSaveDocument(path));

  MTavruneDoc& doc = MakeList({"ACT", "AT", "CAT", "DOG", "TOE"});
  doc.DeleteCurrentEntry();  // ACT, onto the undo history
  views_.hints.clear();
  prompt_.Clear();
  EXPECT_EQ(RemoveCommonWords(doc, path), 2);
  EXPECT_EQ(Master(), (Strings{"AT", "DOG"}));
  EXPECT_EQ(Entries(), (Strings{"AT", "DOG"}));
  EXPECT_TRUE(doc.CanUndelete());
  const std::vector<int> status = prompt_.StatusIds();
  EXPECT_NE(std::find(status.begin(), status.end(), text::kRemovingCommonWords), status.end());
  EXPECT_EQ(prompt_.CurrentStatus(), kIdleText);
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));
  EXPECT_EQ(prompt_.wait_depth, 0);

  views_.hints.clear();
  doc.SetModifiedFlag(false);
  EXPECT_EQ(RemoveCommonWords(doc, folder_.File("missing.tvr")), 0);
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{text::kCannotOpenFile}));
  EXPECT_EQ(Master(), (Strings{"AT", "DOG"}));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(views_.hints.empty());
}

TEST_F(RemovalTest, BritishAndNorthAmericanWordsWithTheCombinedLexicon) {
  // UK holds CAT, SPARE, REAPS, TOE, OATS; NA holds CAT, SPARE, PEARS, TOE, OATS.
  const auto fresh_list = [this]() -> MTavruneDoc& {
    return MakeList({"CAT", "PEARS", "REAPS", "SCAT", "SPARE"});
  };
  EXPECT_EQ(RemoveBritishWords(fresh_list()), 3);
  EXPECT_EQ(Master(), (Strings{"PEARS", "SCAT"}));
  EXPECT_EQ(prompt_.StatusIds().front(), text::kRemovingWords);
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));

  EXPECT_EQ(KeepBritishWords(fresh_list()), 2);
  EXPECT_EQ(Master(), (Strings{"CAT", "REAPS", "SPARE"}));
  EXPECT_EQ(RemoveNorthAmericanWords(fresh_list()), 3);
  EXPECT_EQ(Master(), (Strings{"REAPS", "SCAT"}));
  EXPECT_EQ(KeepNorthAmericanWords(fresh_list()), 2);
  EXPECT_EQ(Master(), (Strings{"CAT", "PEARS", "SPARE"}));
}

TEST_F(RemovalTest, LexiconCommandsNeedTheirLexiconAndTheirDictionary) {
  MTavruneDoc& doc = MakeList({"CAT", "PEARS"});
  app_.SetSource(4);  // North America Family: neither command applies
  EXPECT_EQ(RemoveBritishWords(doc), 0);
  EXPECT_EQ(KeepNorthAmericanWords(doc), 0);
  EXPECT_EQ(Master(), (Strings{"CAT", "PEARS"}));

  // NA chosen, the UK lexicon not loadable: reported by the loading.
  app_.SetSource(1);
  app_.LexiconFor(LexiconId::kUK) = Lexicon();
  doc.SetModifiedFlag(false);
  EXPECT_EQ(RemoveBritishWords(doc), 0);
  EXPECT_EQ(prompt_.MessageIds(), (std::vector<int>{40003}));
  EXPECT_EQ(Master(), (Strings{"CAT", "PEARS"}));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(views_.hints.empty());
}

TEST_F(RemovalTest, WordsWithoutAnswersGoStepByStep) {
  // Hooks, front and end: AT, CAT, OE and TOE have hooks; the rest none.
  MTavruneDoc& doc = MakeList({"AT", "CAT", "OE", "TOE"}, ListType::kHooks);
  doc.MergeWords(NonWords());
  doc.DeleteCurrentEntry();
  doc.SetModifiedFlag(false);
  views_.hints.clear();
  ASSERT_EQ(doc.EntryCount(), 33);

  AnswerRemoval removal(doc);
  ASSERT_TRUE(removal.Start(false));
  EXPECT_EQ(removal.MessageId(), text::kRemovingWithoutAnswers);
  EXPECT_EQ(removal.total(), 33);
  EXPECT_EQ(RunToEnd(removal), (std::vector<int>{75, 100}));
  EXPECT_EQ(removal.processed(), 33);
  EXPECT_EQ(removal.found(), 30);
  // Nothing leaves the list before the run is finished.
  EXPECT_EQ(doc.EntryCount(), 33);
  EXPECT_TRUE(views_.hints.empty());

  EXPECT_EQ(removal.Finish(), 30);
  EXPECT_FALSE(removal.active());
  EXPECT_EQ(Master(), (Strings{"CAT", "OE", "TOE"}));
  EXPECT_EQ(Entries(), (Strings{"CAT", "OE", "TOE"}));
  EXPECT_FALSE(doc.CanUndelete());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));
  // A second Finish, or a step after the end, does nothing.
  EXPECT_EQ(removal.Finish(), 0);
  int progress = 0;
  EXPECT_TRUE(removal.Step(progress));
  EXPECT_EQ(progress, 100);
}

TEST_F(RemovalTest, CancelledRemovalKeepsWhatItRemoved) {
  MTavruneDoc& doc = MakeList({"AT", "CAT", "OE", "TOE"}, ListType::kHooks);
  doc.MergeWords(NonWords());
  doc.SetSortOptions(SortType::kRandom, false);
  const std::vector<std::string> shown = Entries();
  views_.hints.clear();

  {
    AnswerRemoval removal(doc);
    ASSERT_TRUE(removal.Start(true));
    int progress = 0;
    EXPECT_FALSE(removal.Step(progress));
    EXPECT_EQ(progress, 73);
    // Cancelled: the dialog goes, and the run with it.
  }
  std::vector<std::string> expected;
  for (size_t i = 0; i < shown.size(); ++i) {
    const bool has_hooks =
        shown[i] == "AT" || shown[i] == "CAT" || shown[i] == "OE" || shown[i] == "TOE";
    if (i >= 25 || !has_hooks) expected.push_back(shown[i]);
  }
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Master(), expected);
  EXPECT_LT(expected.size(), shown.size());
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));
}

TEST_F(RemovalTest, BuildListKeepsEntriesThatBuildAWordOfTheLengths) {
  app_.LexiconFor(LexiconId::kUKNA) =
      MakeLexicon({"SEATING", "TEASING", "EATS", "EAT", "GIANTESS", "STING"});
  MTavruneDoc& doc =
      MakeList({"SEATING", "GIANTESS", "STING", "EATS", "GAINSETX", "ZZZZZZZ"}, ListType::kBuild);
  doc.SetBuildLimits(7, 7);
  AnswerRemoval removal(doc);
  ASSERT_TRUE(removal.Start(false));
  RunToEnd(removal);
  EXPECT_EQ(removal.Finish(), 3);
  EXPECT_EQ(Master(), (Strings{"GAINSETX", "GIANTESS", "SEATING"}));
}

TEST_F(RemovalTest, AnagramEntryTakesEveryWordWithItsLetters) {
  // North American answers only: OATS and STOA are British, so AOST shows
  // no answer, yet both words must go or the entry would come back.
  app_.LexiconFor(LexiconId::kUK) = MakeLexicon({"OATS", "STOA", "TOE"});
  app_.SetAnswerSource(1);
  MTavruneDoc& doc = MakeList({"OATS", "STOA", "ACT", "CAT", "ZZZ"}, ListType::kAnagrams);
  ASSERT_EQ(Entries(), (Strings{"ACT", "AOST", "ZZZ"}));
  AnswerRemoval removal(doc);
  ASSERT_TRUE(removal.Start(false));
  RunToEnd(removal);
  EXPECT_EQ(removal.Finish(), 3);
  EXPECT_EQ(Master(), (Strings{"ACT", "CAT"}));
  EXPECT_EQ(Entries(), (Strings{"ACT"}));

  ASSERT_TRUE(removal.Start(true));
  EXPECT_EQ(removal.MessageId(), text::kRemovingWithAnswers);
  RunToEnd(removal);
  EXPECT_EQ(removal.Finish(), 2);
  EXPECT_TRUE(Master().empty());
}

TEST_F(RemovalTest, ListEntriesHaveNoAnswersToRemoveBy) {
  MTavruneDoc& doc = MakeList({"CAT", "ZZZ"}, ListType::kList);
  doc.SetModifiedFlag(false);
  AnswerRemoval removal(doc);
  EXPECT_FALSE(removal.Start(false));
  EXPECT_FALSE(removal.Start(true));
  int progress = 0;
  EXPECT_TRUE(removal.Step(progress));
  EXPECT_EQ(progress, 100);
  EXPECT_EQ(removal.Finish(), 0);
  EXPECT_EQ(Master(), (Strings{"CAT", "ZZZ"}));
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(views_.hints.empty());
}

TEST_F(RemovalTest, EmptyListIsDoneAtTheFirstStep) {
  MTavruneDoc& doc = MakeList({}, ListType::kHooks);
  AnswerRemoval removal(doc);
  ASSERT_TRUE(removal.Start(false));
  EXPECT_EQ(RunToEnd(removal), (std::vector<int>{100}));
  EXPECT_EQ(removal.Finish(), 0);
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kContents}));
}

TEST_F(RemovalTest, EnableRules) {
  MTavruneDoc& doc = MakeList({});
  EXPECT_TRUE(CanImportWords(doc));
  EXPECT_FALSE(CanCustomizeList(doc));
  EXPECT_FALSE(CanRemoveCommonWords(doc));
  EXPECT_TRUE(CanExportText(doc));
  EXPECT_FALSE(CanRemoveWordsWithAnswers(doc));
  EXPECT_FALSE(CanRemoveWordsWithoutAnswers(doc));
  for (ListType type :
       {ListType::kAnagrams, ListType::kHooks, ListType::kAnagramsAndHooks, ListType::kBuild}) {
    doc.SetListType(type);
    EXPECT_TRUE(CanRemoveWordsWithAnswers(doc));
    EXPECT_TRUE(CanRemoveWordsWithoutAnswers(doc));
  }

  doc.MergeWords(Words({"CAT"}));
  EXPECT_TRUE(CanCustomizeList(doc));
  EXPECT_TRUE(CanRemoveCommonWords(doc));

  // Source: UK, NA, UKNA, FR, NAF.
  const bool british[] = {false, true, true, false, false};
  const bool north_american[] = {true, false, true, false, false};
  for (int source = 0; source < 5; ++source) {
    app_.SetSource(source);
    EXPECT_EQ(CanRemoveBritishWords(doc), british[source]) << source;
    EXPECT_EQ(CanKeepBritishWords(doc), british[source]) << source;
    EXPECT_EQ(CanRemoveNorthAmericanWords(doc), north_american[source]) << source;
    EXPECT_EQ(CanKeepNorthAmericanWords(doc), north_american[source]) << source;
  }
}

TEST_F(RemovalTest, FullListTakesNoImport) {
  MTavruneDoc& doc = MakeDoc();
  WordCollection many = Words({});
  std::string word = "AAAA";
  for (int i = 0; i < MTavruneDoc::kMaxWords; ++i) {
    many.Append(word);
    for (int p = 3; p >= 0 && ++word[static_cast<size_t>(p)] > 'Z'; --p) {
      word[static_cast<size_t>(p)] = 'A';
    }
  }
  doc.SetListType(ListType::kAnagrams);
  doc.MergeWords(many);
  // Fewer entries than words, and still no room.
  EXPECT_LT(doc.EntryCount(), MTavruneDoc::kMaxWords);
  EXPECT_FALSE(CanImportWords(doc));
}

}  // namespace
}  // namespace tavrune::testing
