#ifndef TAVRUNE_WORDLIST_DELETION_HISTORY_H_
#define TAVRUNE_WORDLIST_DELETION_HISTORY_H_

#include <string_view>

#include "engine/word_collection.h"

namespace tavrune {

// What deleting entries while studying took out of a word list, so that it
// can be put back, last deleted first. An anagram entry stands for every
// word with its letters, so those words are kept beside the entries.
class DeletionHistory {
 public:
  DeletionHistory();

  // Records `entry` as deleted and takes its words out of `master`: for an
  // anagram entry every word with the entry's letters, otherwise the entry.
  void Delete(std::string_view entry, bool anagram_entry, WordCollection& master);
  // Puts the words of the last deleted entry back into `master` and forgets
  // the entry; false when there is none.
  bool RestoreLast(bool anagram_entry, WordCollection& master);

  bool IsEmpty() const { return entries_.IsEmpty(); }
  // The entry RestoreLast brings back; empty when there is none.
  std::string_view LastEntry() const;
  void Clear();

  // Deleted entries, oldest first.
  const WordCollection& Entries() const { return entries_; }
  // The words deleted anagram entries stood for.
  const WordCollection& Answers() const { return answers_; }

 private:
  WordCollection entries_;
  WordCollection answers_;
};

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_DELETION_HISTORY_H_
