#include "wordlist/deletion_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

using testing::AllWords;
using testing::Words;
using Strings = std::vector<std::string>;

TEST(DeletionHistoryTest, RestoresOnlyTheLastAnagramEntrysWords) {
  WordCollection master = Words({"ACT", "CAT", "PEARS", "SPARE", "TOE"});
  master.SetSortMode(true, SortKey::kAlphabetical, false);
  DeletionHistory history;
  history.Delete("ACT", true, master);
  history.Delete("AEPRS", true, master);
  EXPECT_EQ(AllWords(master), (Strings{"TOE"}));

  EXPECT_TRUE(history.RestoreLast(true, master));
  EXPECT_EQ(AllWords(master), (Strings{"PEARS", "SPARE", "TOE"}));
  EXPECT_EQ(history.LastEntry(), "ACT");
  EXPECT_EQ(AllWords(history.Answers()), (Strings{"ACT", "CAT"}));
}

TEST(DeletionHistoryTest, PlainEntryIsItsOwnWord) {
  WordCollection master = Words({"ACT", "CAT"});
  master.SetSortMode(true, SortKey::kAlphabetical, false);
  DeletionHistory history;
  history.Delete("CAT", false, master);
  EXPECT_EQ(AllWords(master), (Strings{"ACT"}));
  EXPECT_TRUE(history.Answers().IsEmpty());
  EXPECT_TRUE(history.RestoreLast(false, master));
  EXPECT_EQ(AllWords(master), (Strings{"ACT", "CAT"}));
  EXPECT_TRUE(history.IsEmpty());
  EXPECT_FALSE(history.RestoreLast(false, master));
}

}  // namespace
}  // namespace tavrune
