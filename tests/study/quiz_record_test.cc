#include "study/quiz_record.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/wordlist/doc_fixture.h"

namespace tavrune {
namespace {

// The document fixture, with the record that observes its document.
class QuizRecordTest : public testing::DocTest {
 protected:
  QuizRecord& Record() {
    MakeDoc();
    record_ = std::make_unique<QuizRecord>(*doc_, settings_);
    return *record_;
  }
  std::unique_ptr<QuizRecord> record_;
};

TEST_F(QuizRecordTest, CountsAreReadWithTheirRuleAndWrittenBack) {
  settings_.PutString("Quiz", "NumAnswers", "12abc");
  EXPECT_EQ(Record().CorrectAnswers(), 12);
  record_.reset();
  EXPECT_EQ(settings_.GetString("Quiz", "NumAnswers", ""), "12");
}

TEST_F(QuizRecordTest, CountersResetOnNewWhenAsked) {
  QuizRecord& record = Record();
  record.SetCounts(3, 4);
  doc_->OnNewDocument();
  EXPECT_EQ(record.TotalAnswers(), 4);
  record.SetAutoReset(true);
  doc_->OnNewDocument();
  EXPECT_EQ(record.CorrectAnswers(), 0);
  EXPECT_EQ(record.TotalAnswers(), 0);
}

}  // namespace
}  // namespace tavrune
