#include "wordlist/answer_removal.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "wordlist/list_commands.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

WordCollection InsertionOrder(int growth_step, size_t block_size) {
  WordCollection words(growth_step, block_size);
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words;
}

// An anagram entry stands for every master word with its letters, whatever
// their arrangement.
void LetterKey(std::string_view word, std::string& key) {
  key.assign(word);
  std::sort(key.begin(), key.end());
}

}  // namespace

AnswerRemoval::AnswerRemoval(MTavruneDoc& doc)
    : doc_(doc),
      found_(InsertionOrder(WordCollection::kListGrowthStep, WordCollection::kListBlockSize)),
      answers_(InsertionOrder(WordCollection::kSmallGrowthStep, WordCollection::kSmallBlockSize)) {}

AnswerRemoval::~AnswerRemoval() { Finish(); }

bool AnswerRemoval::Start(bool with_answers) {
  Finish();
  if (with_answers ? !CanRemoveWordsWithAnswers(doc_) : !CanRemoveWordsWithoutAnswers(doc_)) {
    return false;
  }
  active_ = true;
  with_answers_ = with_answers;
  anagram_entries_ = doc_.IsAnagramType();
  total_ = doc_.EntryCount();
  position_ = 0;
  processed_ = 0;
  found_.Clear();
  return true;
}

bool AnswerRemoval::Step(int& progress) {
  const int count = doc_.EntryCount();
  if (!active_ || count == 0 || position_ >= count) {
    progress = 100;
    return true;
  }
  for (int n = 0; n < kStepEntries && position_ < count; ++n) {
    answers_.Clear();
    doc_.ComputeAnswers(position_, answers_, answers_);
    if (answers_.IsEmpty() != with_answers_) found_.Append(doc_.Entries().Word(position_));
    ++position_;
    ++processed_;
  }
  progress = total_ > 0 ? static_cast<int>(static_cast<long long>(processed_) * 100 / total_) : 100;
  return position_ >= count;
}

int AnswerRemoval::Finish() {
  if (!active_) return 0;
  active_ = false;
  std::unordered_set<std::string> keys;
  keys.reserve(static_cast<size_t>(found_.Count()));
  std::string key;
  for (std::string_view entry : found_) {
    if (anagram_entries_) {
      LetterKey(entry, key);
      keys.insert(key);
    } else {
      keys.emplace(entry);
    }
  }
  found_.Clear();
  const WordCollection& master = doc_.MasterWords();
  std::vector<bool> marked(static_cast<size_t>(master.Count()));
  if (!keys.empty()) {
    for (int i = 0; i < master.Count(); ++i) {
      if (anagram_entries_) {
        LetterKey(master.Word(i), key);
      } else {
        key.assign(master.Word(i));
      }
      marked[static_cast<size_t>(i)] = keys.contains(key);
    }
  }
  doc_.ClearUndoHistory();
  return doc_.RemoveMarkedWords(marked);
}

int AnswerRemoval::MessageId() const {
  return with_answers_ ? wordlist_text::kRemovingWithAnswers
                       : wordlist_text::kRemovingWithoutAnswers;
}

}  // namespace tavrune
