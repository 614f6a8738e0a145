#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "resources/string_table.h"
#include "tests/wordlist/doc_fixture.h"
#include "wordlist/tavrune_doc.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

using Strings = std::vector<std::string>;
using Answer = UserPrompt::Answer;

class ListOrderingTest : public testing::DocTest {};

TEST_F(ListOrderingTest, AnagramEntriesArrangedByTheAnagramOrder) {
  MTavruneDoc& doc = MakeList({"SPARE", "PEARS", "REAPS", "TOE"}, ListType::kAnagrams);
  doc.SetAnagramOrder(AnagramOrder::kVowelFirst, "", "");
  EXPECT_EQ(Entries(), (Strings{"AEPRS", "EOT"}));
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kAnagramOrder}));

  doc.SetAnagramOrder(AnagramOrder::kConsonantFirst, "", "");
  EXPECT_EQ(Entries(), (Strings{"PRSAE", "TEO"}));
  doc.SetAnagramOrder(AnagramOrder::kStem, "", "ers");
  EXPECT_EQ(Entries(), (Strings{"EOT", "ERSAP"}));
  doc.SetAnagramOrder(AnagramOrder::kUserSpecified, "TSRQPONMLKJIHGFEDCBAUVWXYZ", "");
  EXPECT_EQ(Entries(), (Strings{"SRPEA", "TOE"}));
  // A rebuild starts from alphagrams and arranges them the same way.
  doc.RebuildEntries(0, false);
  EXPECT_EQ(Entries(), (Strings{"SRPEA", "TOE"}));
  doc.SetAnagramOrder(AnagramOrder::kAlphabetical, "", "");
  EXPECT_EQ(Entries(), (Strings{"AEPRS", "EOT"}));
}

TEST_F(ListOrderingTest, ShuffledLettersKeepTheEntryOrderAndCanBeFound) {
  MTavruneDoc& doc = MakeList({"SPARE", "TOE", "CAT", "OATS", "AT", "STOA"}, ListType::kAnagrams);
  const Strings alphagrams = Entries();
  doc.SetAnagramOrder(AnagramOrder::kRandom, "", "");
  const Strings shuffled = Entries();
  ASSERT_EQ(shuffled.size(), alphagrams.size());
  for (size_t i = 0; i < shuffled.size(); ++i) {
    std::string letters = shuffled[i];
    std::sort(letters.begin(), letters.end());
    EXPECT_EQ(letters, alphagrams[i]);
    EXPECT_EQ(doc.FindEntry(shuffled[i]), static_cast<int>(i)) << shuffled[i];
  }
  EXPECT_EQ(doc.FindEntry("XYZ"), -1);
}

TEST_F(ListOrderingTest, SortTypes) {
  MTavruneDoc& doc = MakeList({"AT", "CAT", "TOE", "OATS", "SPARE", "ACT", "TA"});
  doc.SetSortOptions(SortType::kWordLength, true);
  EXPECT_EQ(Entries(), (Strings{"SPARE", "OATS", "ACT", "CAT", "TOE", "AT", "TA"}));
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kCurrentEntry, hint::kSortOptions}));
  doc.SetSortOptions(SortType::kTotalPoints, false);
  // ACT and CAT 5 points, TOE 3, OATS 4, SPARE 7, AT and TA 2.
  EXPECT_EQ(Entries(), (Strings{"AT", "TA", "TOE", "OATS", "ACT", "CAT", "SPARE"}));
  doc.SetSortOptions(SortType::kAlphabetical, true);
  EXPECT_EQ(Entries(), (Strings{"TOE", "TA", "SPARE", "OATS", "CAT", "AT", "ACT"}));
  doc.SetSortOptions(SortType::kProbability, true);
  const WordCollection& entries = doc.Entries();
  for (int i = 1; i < entries.Count(); ++i) {
    EXPECT_LE(entries.Compare(entries.Word(i - 1), entries.Word(i)), 0);
  }
  EXPECT_EQ(doc.CurrentIndex(), 0);
  // A change of the master words orders the rebuilt list the same way.
  doc.MergeWords(testing::Words({"STOA"}));
  EXPECT_EQ(doc.Entries().sort_key(), SortKey::kProbability);
  EXPECT_TRUE(doc.Entries().IsInOrder());
}

TEST_F(ListOrderingTest, RandomTwiceAsksFirst) {
  MTavruneDoc& doc = MakeList({"AT", "CAT", "TOE", "OATS", "SPARE", "ACT", "TA"});
  EXPECT_TRUE(doc.ChooseListOrdering(2, 0));
  EXPECT_EQ(doc.GetSortType(), SortType::kRandom);
  EXPECT_TRUE(prompt_.questions.empty());
  EXPECT_EQ(prompt_.wait_begins, 1);
  const Strings shuffled = Entries();

  prompt_.Script({Answer::kNo});
  EXPECT_FALSE(doc.ChooseListOrdering(2, 0));
  EXPECT_EQ(prompt_.QuestionIds(), (std::vector<int>{wordlist_text::kAlreadyRandom}));
  EXPECT_EQ(Entries(), shuffled);

  // Only the order changed: still Random, the order is not used.
  prompt_.Script({Answer::kNo});
  EXPECT_FALSE(doc.ChooseListOrdering(2, 1));
  EXPECT_FALSE(doc.GetListSettings().descending);
  EXPECT_EQ(Entries(), shuffled);

  prompt_.Script({Answer::kYes});
  EXPECT_TRUE(doc.ChooseListOrdering(2, 1));
  EXPECT_FALSE(doc.GetListSettings().descending);
  EXPECT_EQ(doc.GetSortType(), SortType::kRandom);
}

TEST_F(ListOrderingTest, UnchangedChoicesDoNothing) {
  MTavruneDoc& doc = MakeList({"AT", "CAT"}, ListType::kAnagrams);
  EXPECT_FALSE(doc.ChooseListOrdering(0, 0));
  EXPECT_FALSE(doc.ChooseListOrdering(9, 7)) << "out of range reads as Alphabetical ascending";
  EXPECT_TRUE(doc.ChooseListOrdering(4, 1));
  EXPECT_EQ(doc.GetSortType(), SortType::kWordLength);
  EXPECT_TRUE(doc.GetListSettings().descending);

  EXPECT_FALSE(doc.ChooseAnagramOptions(0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", ""));
  EXPECT_EQ(prompt_.wait_begins, 1);
  views_.hints.clear();
  EXPECT_TRUE(doc.ChooseAnagramOptions(3, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "T"));
  EXPECT_EQ(prompt_.wait_begins, 2);
  EXPECT_EQ(doc.GetListSettings().stem, "T");
  EXPECT_EQ(Entries(), (Strings{"TAC", "TA"}));
  EXPECT_EQ(views_.hints, (std::vector<int>{hint::kAnagramOrder}));
}

TEST_F(ListOrderingTest, RebuildShowsItsStatusTexts) {
  MTavruneDoc& doc = MakeList({"AT", "CAT"}, ListType::kAnagrams);
  doc.SetAnagramOrder(AnagramOrder::kVowelFirst, "", "");
  doc.SetSortOptions(SortType::kProbability, false);
  prompt_.Clear();
  doc.RebuildEntries(1, false);
  EXPECT_EQ(prompt_.StatusIds(),
            (std::vector<int>{wordlist_text::kRebuilding, wordlist_text::kArrangingAnagrams,
                              kIdleText, wordlist_text::kOrdering, kIdleText, kIdleText}));
  EXPECT_EQ(doc.CurrentIndex(), 1);
}

}  // namespace
}  // namespace tavrune
