#include "study/quiz_record.h"

#include <string_view>

#include "study/study_setting_keys.h"
#include "wordlist/answer_layout.h"

namespace tavrune {

QuizRecord::QuizRecord(MTavruneDoc& doc, Settings& settings)
    : doc_(doc),
      settings_(settings),
      correct_(static_cast<int32_t>(ReadSetting(settings, setting::quiz::kNumAnswers))),
      total_(static_cast<int32_t>(ReadSetting(settings, setting::quiz::kNumQuestions))),
      auto_reset_(ReadSetting(settings, setting::quiz::kAutoReset) != 0) {
  doc_.AddObserver(this);
}

QuizRecord::~QuizRecord() {
  doc_.RemoveObserver(this);
  WriteSettings();
}

void QuizRecord::WriteSettings() const {
  WriteSetting(settings_, setting::quiz::kNumAnswers, correct_);
  WriteSetting(settings_, setting::quiz::kNumQuestions, total_);
  WriteSetting(settings_, setting::quiz::kAutoReset, auto_reset_ ? 1 : 0);
}

void QuizRecord::SetCounts(int32_t correct, int32_t total) {
  correct_ = correct;
  total_ = total;
  WriteSettings();
}

void QuizRecord::SetAutoReset(bool on) {
  auto_reset_ = on;
  WriteSettings();
}

void QuizRecord::RecordResult(int32_t correct, int32_t total,
                              const std::vector<std::string>& missed) {
  SetCounts(correct_ + correct, total_ + total);
  if (missed.empty() || doc_.Entries().IsEmpty()) return;
  const ListType type = doc_.GetListType();
  WordCollection& missed_words = missed_[static_cast<size_t>(type)];
  auto remember = [&missed_words](std::string_view word) {
    if (!word.empty() && !missed_words.Contains(word)) missed_words.Insert(word);
  };
  if (!doc_.IsAnagramType()) {
    remember(doc_.CurrentEntry());
    return;
  }
  for (const std::string& answer : missed) {
    remember(type == ListType::kAnagramsAndHooks ? SplitAnswerLine(answer).anagram : answer);
  }
}

void QuizRecord::Reset() {
  SetCounts(0, 0);
  for (WordCollection& words : missed_) words.Clear();
}

void QuizRecord::OnListStarted() {
  if (auto_reset_) Reset();
}

}  // namespace tavrune
