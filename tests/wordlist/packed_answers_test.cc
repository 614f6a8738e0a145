#include "wordlist/packed_answers.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace tavrune {
namespace {

TEST(PackedAnswersTest, EntryOffsetsDelimitEachEntrysAnswers) {
  PackedAnswers packed;
  packed.MarkEntry();
  for (std::string_view answer : {"SCAT", "CATS"}) packed.Append(answer);
  packed.MarkEntry();
  packed.MarkEntry();  // an entry without answers
  packed.Append("TOES");
  packed.MarkEntry();

  EXPECT_EQ(packed.EntryOffsets(), (std::vector<size_t>{0, 2, 2, 3}));
  EXPECT_EQ(packed.AnswerCount(), 3u);
  EXPECT_EQ(packed.Answer(1), "CATS");
  EXPECT_EQ(packed.Answer(2), "TOES");
  EXPECT_EQ(packed.Answer(3), "");

  packed.Clear();
  EXPECT_TRUE(packed.IsEmpty());
  EXPECT_TRUE(packed.EntryOffsets().empty());
}

}  // namespace
}  // namespace tavrune
