#include "print/print_answers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

// The document fixture over its small lexicons.
class PrintAnswersTest : public testing::DocTest {};

TEST_F(PrintAnswersTest, AnswersAreCollectedInSteps) {
  MTavruneDoc& doc = MakeDoc();
  PrintAnswers print(doc);
  int progress = -1;
  EXPECT_TRUE(print.Step(progress));
  EXPECT_EQ(progress, 100);
  EXPECT_EQ(print.Answers().EntryOffsets(), (std::vector<size_t>{0}));

  WordCollection words = testing::Words({});
  std::string word = "CA";
  for (char c = 'A'; c <= 'Z'; ++c) words.Append(word + c);
  words.Append("TOE");
  words.Append("CAT");
  doc.SetListType(ListType::kHooks);
  doc.MergeWords(words);  // 27 entries, CAT among them
  EXPECT_FALSE(print.Step(progress));
  EXPECT_EQ(progress, 25 * 100 / 27);
  EXPECT_TRUE(print.Step(progress));
  EXPECT_EQ(progress, 100);
  ASSERT_EQ(print.Answers().EntryOffsets().size(), 28u);
  const int cat = doc.FindEntry("CAT");
  const size_t first = print.Answers().EntryOffsets()[cat];
  ASSERT_EQ(print.Answers().EntryOffsets()[cat + 1] - first, 2u);
  EXPECT_EQ(print.Answers().Answer(first), "SCAT");
  EXPECT_EQ(print.Answers().Answer(first + 1), "CATS");

  // Reordering leaves nothing stale behind: the next step starts again.
  doc.SetSortOptions(SortType::kWordLength, true);
  EXPECT_FALSE(print.Step(progress));
  EXPECT_EQ(print.EntriesDone(), 25);
  EXPECT_EQ(print.Answers().EntryOffsets().size(), 26u);
}

}  // namespace
}  // namespace tavrune
