#ifndef TAVRUNE_WORDLIST_ANSWER_REMOVAL_H_
#define TAVRUNE_WORDLIST_ANSWER_REMOVAL_H_

#include "engine/word_collection.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// Remove Words With Answer / Without Answer: every entry is tested, a few per
// step, so that the "Working ..." dialog can show the percentage and offer
// Cancel between steps. The dialog only drives it: Start, Step on every tick
// until done or cancelled, then Finish.
//
// The entries stay as they are while the run goes on (the dialog is modal,
// so nothing else changes the list); Finish takes out every word of the
// entries found so far and rebuilds the list once. A cancelled run thus
// keeps what it found, and the list is consistent however the run ends.
class AnswerRemoval {
 public:
  // Entries tested per step.
  static constexpr int kStepEntries = 25;

  explicit AnswerRemoval(MTavruneDoc& doc);
  // Finishes a run still active.
  ~AnswerRemoval();
  AnswerRemoval(const AnswerRemoval&) = delete;
  AnswerRemoval& operator=(const AnswerRemoval&) = delete;

  // Starts a run over the current entries (a run still active is finished
  // first). False, and nothing started, for a List list: its entries have
  // no answers.
  bool Start(bool with_answers);
  // Tests up to 25 more entries. `progress` receives the percentage of the
  // entries tested; true when every entry is tested (at once when nothing
  // runs or the list is empty).
  bool Step(int& progress);
  // Ends the run: the words of the entries found leave the list (for the
  // anagram list types every word with the entry's letters), the undo
  // history is cleared, the entries are rebuilt, hint 6. Returns the number
  // of words removed; nothing happens when no run is active.
  int Finish();

  bool active() const { return active_; }
  bool with_answers() const { return with_answers_; }
  int total() const { return total_; }
  // The index of the next entry to test.
  int position() const { return position_; }
  int processed() const { return processed_; }
  // Entries found for removal so far.
  int found() const { return found_.Count(); }
  // The dialog's message: 40078 with answers, 40079 without.
  int MessageId() const;

 private:
  MTavruneDoc& doc_;
  bool active_ = false;
  bool with_answers_ = false;
  bool anagram_entries_ = false;
  int total_ = 0;
  int position_ = 0;
  int processed_ = 0;
  WordCollection found_;
  WordCollection answers_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_ANSWER_REMOVAL_H_
