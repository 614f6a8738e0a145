#ifndef TAVRUNE_STUDY_QUIZ_RECORD_H_
#define TAVRUNE_STUDY_QUIZ_RECORD_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/word_collection.h"
#include "platform/settings.h"
#include "wordlist/list_settings.h"
#include "wordlist/tavrune_doc.h"

namespace tavrune {

// The quiz history of the study program: how many answers the quizzes found
// of how many were asked, and the words they missed, since the history was
// last reset. The counts live in the settings store, written as they change
// (and once more when the record goes); the missed words last for the
// session only: a list made of them is saved like any other. With automatic
// reset on, every list started or opened starts the history again.
//
// It observes the document it quizzes, which must outlive it.
class QuizRecord : public DocumentObserver {
 public:
  QuizRecord(MTavruneDoc& doc, Settings& settings);
  ~QuizRecord() override;
  QuizRecord(const QuizRecord&) = delete;
  QuizRecord& operator=(const QuizRecord&) = delete;

  int32_t CorrectAnswers() const { return correct_; }
  int32_t TotalAnswers() const { return total_; }
  void SetCounts(int32_t correct, int32_t total);
  bool AutoReset() const { return auto_reset_; }
  void SetAutoReset(bool on);
  // Verify's result for the current entry: `correct` of its `total`
  // answers were given and `missed` are those that were not. A Hooks or
  // Build entry with answers left over is remembered as missed; for the
  // anagram types the anagrams not given are, which make the same entry
  // again in a list of their own. They are kept apart by the list type
  // quizzed, since a word missed as a hook is not missed as an anagram.
  void RecordResult(int32_t correct, int32_t total, const std::vector<std::string>& missed);
  // The words the quizzes of one list type missed, alphabetical.
  const WordCollection& MissedWords(ListType type) const {
    return missed_[static_cast<size_t>(type)];
  }
  // Both counters 0 and no missed words.
  void Reset();

  void OnUpdate(int) override {}
  void OnListStarted() override;

 private:
  void WriteSettings() const;

  MTavruneDoc& doc_;
  Settings& settings_;
  int32_t correct_ = 0;
  int32_t total_ = 0;
  bool auto_reset_ = false;
  std::array<WordCollection, kListTypeCount> missed_;
};

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_QUIZ_RECORD_H_
