#include "wordlist/deletion_history.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavrune {
namespace {

WordCollection InsertionOrder() {
  WordCollection words(WordCollection::kListGrowthStep, WordCollection::kListBlockSize);
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words;
}

// Words with the same characters, whatever their order.
std::string LetterKey(std::string_view word) {
  std::string key(word);
  std::sort(key.begin(), key.end());
  return key;
}

bool SameLetters(std::string_view word, const std::string& key, std::string& scratch) {
  if (word.size() != key.size()) return false;
  scratch.assign(word);
  std::sort(scratch.begin(), scratch.end());
  return scratch == key;
}

}  // namespace

DeletionHistory::DeletionHistory() : entries_(InsertionOrder()), answers_(InsertionOrder()) {}

void DeletionHistory::Delete(std::string_view entry, bool anagram_entry, WordCollection& master) {
  entries_.Append(entry);
  if (!anagram_entry) {
    master.Remove(entry);
    return;
  }
  const std::string key = LetterKey(entry);
  std::string scratch;
  std::vector<int> found;
  for (int i = 0; i < master.Count(); ++i) {
    if (SameLetters(master.Word(i), key, scratch)) found.push_back(i);
  }
  for (int i : found) answers_.Append(master.Word(i));
  for (auto it = found.rbegin(); it != found.rend(); ++it) master.RemoveAt(*it);
}

bool DeletionHistory::RestoreLast(bool anagram_entry, WordCollection& master) {
  if (entries_.IsEmpty()) return false;
  const int last = entries_.Count() - 1;
  if (anagram_entry) {
    const std::string key = LetterKey(entries_.Word(last));
    std::string scratch;
    for (int i = answers_.Count() - 1; i >= 0; --i) {
      if (!SameLetters(answers_.Word(i), key, scratch)) continue;
      master.Insert(answers_.Word(i));
      answers_.RemoveAt(i);
    }
  } else {
    master.Insert(entries_.Word(last));
  }
  entries_.RemoveAt(last);
  return true;
}

std::string_view DeletionHistory::LastEntry() const {
  return entries_.IsEmpty() ? std::string_view() : entries_.Word(entries_.Count() - 1);
}

void DeletionHistory::Clear() {
  entries_.Clear();
  answers_.Clear();
}

}  // namespace tavrune
