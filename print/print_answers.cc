#include "print/print_answers.h"

#include <string_view>

#include "engine/word_collection.h"

namespace tavrune {

bool PrintAnswers::Step(int& progress) {
  if (revision_ != doc_.Revision()) Reset();
  if (entries_done_ == 0) {
    answers_.Clear();
    answers_.MarkEntry();
  }
  const int count = doc_.EntryCount();
  if (count == 0) {
    progress = 100;
    return true;
  }
  // In the order the finder gives them, as the screen shows them.
  WordCollection answers(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize);
  answers.SetSortMode(false, SortKey::kAlphabetical, false);
  for (int n = 0; n < kStepEntries && entries_done_ < count; ++n) {
    answers.Clear();
    doc_.ComputeAnswers(entries_done_, answers, answers);
    for (std::string_view answer : answers) answers_.Append(answer);
    answers_.MarkEntry();
    ++entries_done_;
  }
  progress = static_cast<int>(static_cast<long long>(entries_done_) * 100 / count);
  return entries_done_ >= count;
}

void PrintAnswers::Reset() {
  answers_.Clear();
  entries_done_ = 0;
  revision_ = doc_.Revision();
}

}  // namespace tavrune
