#ifndef TAVRUNE_PRINT_PRINT_ANSWERS_H_
#define TAVRUNE_PRINT_PRINT_ANSWERS_H_

#include <cstdint>

#include "wordlist/packed_answers.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// Every entry's answers of a list, collected for printing a few entries per
// step so the caller can keep its window alive between steps. Packed, so a
// long list may have more than a collection's 64,000 answers; one marked
// entry per list entry. A change of the document since the last step starts
// the collection afresh, so nothing stale is ever printed.
class PrintAnswers {
 public:
  // Entries handled per step.
  static constexpr int kStepEntries = 25;

  explicit PrintAnswers(const MTavruneDoc& doc) : doc_(doc) {}

  // One step of at most kStepEntries entries; `progress` receives the
  // percentage. True when done.
  bool Step(int& progress);
  // Throws away what was collected.
  void Reset();

  const PackedAnswers& Answers() const { return answers_; }
  int EntriesDone() const { return entries_done_; }

 private:
  const MTavruneDoc& doc_;
  PackedAnswers answers_;
  int entries_done_ = 0;
  uint64_t revision_ = 0;
};

}  // namespace tavrune

#endif  // TAVRUNE_PRINT_PRINT_ANSWERS_H_
