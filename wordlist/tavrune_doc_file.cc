// The document's life cycle: its observers, New, Open and Save with their
// questions, and reading its file.
#include <algorithm>
#include <bit>
#include <filesystem>
#include <utility>
#include <vector>

#include "resources/string_table.h"
#include "wordlist/alphagram_key.h"
#include "wordlist/tavrune_doc.h"
#include "wordlist/word_list_file.h"
#include "wordlist/wordlist_messages.h"
#include "wordlist/wordlist_setting_keys.h"

namespace tavrune {
namespace {

namespace text = wordlist_text;

// The keys of a collection's words, sorted.
template <typename Key>
std::vector<Key> SortedKeys(const WordCollection& words, Key (*key)(std::string_view)) {
  std::vector<Key> keys;
  keys.reserve(static_cast<size_t>(words.Count()));
  for (std::string_view word : words) keys.push_back(key(word));
  std::sort(keys.begin(), keys.end());
  return keys;
}

// Whether `order` holds the words of `words`, each as often. Counted in a
// hash table rather than sorted: a stored order is random, and sorting its
// words cost as much as the rest of opening the list.
bool IsArrangementOfWords(const WordCollection& order, const WordCollection& words) {
  const auto n = static_cast<size_t>(words.Count());
  if (static_cast<size_t>(order.Count()) != n) return false;
  struct Slot {
    bool used = false;
    std::string_view word;
    size_t left = 0;
  };
  const size_t mask = std::bit_ceil(2 * n + 1) - 1;
  std::vector<Slot> table(mask + 1);
  const auto find = [&](std::string_view word) -> Slot& {
    size_t i = std::hash<std::string_view>{}(word)&mask;
    while (table[i].used && table[i].word != word) i = (i + 1) & mask;
    return table[i];
  };
  for (std::string_view word : words) {
    Slot& slot = find(word);
    slot.used = true;
    slot.word = word;
    ++slot.left;
  }
  for (std::string_view word : order) {
    Slot& slot = find(word);
    if (slot.left == 0) return false;
    --slot.left;
  }
  return true;
}

// Whether `order` holds every entry that `words` make exactly once: the
// words themselves, or for the anagram types one arrangement of each set of
// letters.
bool IsOrderOfEntries(const WordCollection& order, const WordCollection& words,
                      bool anagram_entries) {
  if (!anagram_entries) return IsArrangementOfWords(order, words);
  std::vector<AlphagramKey> letter_sets = SortedKeys(words, AlphagramKey::Of);
  letter_sets.erase(std::unique(letter_sets.begin(), letter_sets.end()), letter_sets.end());
  return SortedKeys(order, AlphagramKey::Of) == letter_sets;
}

}  // namespace

// --- Views ---

void MTavruneDoc::AddObserver(DocumentObserver* observer) {
  if (observer != nullptr &&
      std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) {
    observers_.push_back(observer);
  }
}

void MTavruneDoc::RemoveObserver(DocumentObserver* observer) { std::erase(observers_, observer); }

void MTavruneDoc::UpdateAllViews(int hint) {
  // A copy, so a view may detach itself while it is told.
  const std::vector<DocumentObserver*> observers = observers_;
  for (DocumentObserver* observer : observers) observer->OnUpdate(hint);
}

void MTavruneDoc::NotifyTitleChanged() {
  const std::vector<DocumentObserver*> observers = observers_;
  for (DocumentObserver* observer : observers) observer->OnTitleChanged();
}

void MTavruneDoc::NotifyListStarted() {
  const std::vector<DocumentObserver*> observers = observers_;
  for (DocumentObserver* observer : observers) observer->OnListStarted();
}

// --- Commands around the document ---

bool MTavruneDoc::SaveModified() {
  if (!modified_) return true;
  switch (prompt_.AskYesNoCancel(kSaveChangesText, {Title()})) {
    case UserPrompt::Answer::kYes:
      return SaveDocument();
    case UserPrompt::Answer::kNo:
      return true;
    default:
      return false;
  }
}

bool MTavruneDoc::NewDocument() {
  if (!SaveModified()) return false;
  OnNewDocument();
  path_.clear();
  NotifyTitleChanged();
  UpdateAllViews(hint::kAll);
  return true;
}

bool MTavruneDoc::OpenDocument(const std::string& path) {
  if (!SaveModified()) return false;
  // Taken first: a change while the file is read is then noticed too.
  const std::optional<FileStamp> stamp = StampOf(path);
  const bool opened = OnOpenDocument(path);
  if (opened) {
    path_ = path;
    stamp_ = stamp;
  } else {
    // Untitled, so a later Save cannot put an empty list over the file.
    path_.clear();
    modified_ = false;
  }
  NotifyTitleChanged();
  UpdateAllViews(hint::kAll);
  return opened;
}

bool MTavruneDoc::SaveDocument() {
  if (path_.empty()) return SaveWithChooser();
  return SaveTo(path_);
}

bool MTavruneDoc::SaveDocumentAs(const std::string& path) {
  if (!SaveTo(path)) return false;
  NotifyTitleChanged();
  return true;
}

bool MTavruneDoc::SaveTo(const std::string& path) {
  if (path == path_ && ChangedSinceStamped() &&
      prompt_.AskYesNo(text::kChangedOnDisk, {path}) != UserPrompt::Answer::kYes) {
    return false;
  }
  if (!OnSaveDocument(path)) return false;
  stamp_ = StampOf(path);
  path_ = path;
  return true;
}

bool MTavruneDoc::ChangedSinceStamped() const {
  // A file removed meanwhile loses nothing when it is written again.
  const std::optional<FileStamp> now = StampOf(path_);
  return now.has_value() && now != stamp_;
}

bool MTavruneDoc::SaveDocumentAs() { return SaveWithChooser(); }

bool MTavruneDoc::SaveWithChooser() {
  if (!choose_save_path_) return false;
  const std::optional<std::string> path = choose_save_path_(Title());
  return path.has_value() && SaveDocumentAs(*path);
}

std::string MTavruneDoc::Title() const {
  if (path_.empty()) return "Untitled";
  return std::filesystem::path(path_).filename().string();
}

// --- Lifecycle ---

void MTavruneDoc::DeleteContents() {
  master_.Clear();
  entries_.Clear();
  ++revision_;
  ClearUndoHistory();
  description_.clear();
  notes_.clear();
  settings_.stem.clear();
  WriteSettings();
}

void MTavruneDoc::OnNewDocument() {
  DeleteContents();
  modified_ = false;
  NotifyListStarted();
}

bool MTavruneDoc::OnOpenDocument(const std::string& path) {
  DeleteContents();
  int stored_index = 0;
  if (!Read(path, true, nullptr, &stored_index)) {
    DeleteContents();
    return false;
  }
  NotifyListStarted();
  // A Random list comes back in its stored order.
  if (settings_.sort_type != SortType::kRandom) RebuildEntries(stored_index, true);
  modified_ = false;
  return true;
}

bool MTavruneDoc::OnSaveDocument(const std::string& path) {
  const FileStatus saved = SaveWordListFile(path, description_, notes_, settings_, master_,
                                            entries_.cursor(), &entries_);
  if (!saved.ok()) {
    ShowFileError(prompt_, text::kSaveFailed, path, saved);
    return false;
  }
  modified_ = false;
  return true;
}

void MTavruneDoc::ReadSettings() {
  ListSettings s;
  s.anagram_order = AnagramOrderFromNumber(ReadSetting(store_, setting::anagrams::kOrder));
  s.user_order = ReadSetting(store_, setting::anagrams::kUserOrder);
  s.stem = ReadSetting(store_, setting::anagrams::kStem);
  s.build_minimum = ReadSetting(store_, setting::build::kMinAnswerLength);
  s.build_maximum = ReadSetting(store_, setting::build::kMaxAnswerLength);
  s.list_type = ListTypeFromNumber(ReadSetting(store_, setting::display::kType));
  s.hook_type = HookTypeFromNumber(ReadSetting(store_, setting::hooks::kType));
  s.front_hook_letters = ReadSetting(store_, setting::hooks::kFrontLetters);
  s.end_hook_letters = ReadSetting(store_, setting::hooks::kEndLetters);
  s.sort_type = SortTypeFromNumber(ReadSetting(store_, setting::sort::kType));
  s.descending = ReadSetting(store_, setting::sort::kOrder) == 1;
  settings_ = Normalized(std::move(s));
}

void MTavruneDoc::WriteSettings() const {
  WriteSetting(store_, setting::anagrams::kOrder, static_cast<int>(settings_.anagram_order));
  WriteSetting(store_, setting::anagrams::kUserOrder, settings_.user_order);
  WriteSetting(store_, setting::anagrams::kStem, settings_.stem);
  WriteSetting(store_, setting::build::kMinAnswerLength, settings_.build_minimum);
  WriteSetting(store_, setting::build::kMaxAnswerLength, settings_.build_maximum);
  WriteSetting(store_, setting::display::kType, static_cast<int>(settings_.list_type));
  WriteSetting(store_, setting::hooks::kType, static_cast<int>(settings_.hook_type));
  WriteSetting(store_, setting::hooks::kFrontLetters, settings_.front_hook_letters);
  WriteSetting(store_, setting::hooks::kEndLetters, settings_.end_hook_letters);
  WriteSetting(store_, setting::sort::kType, static_cast<int>(settings_.sort_type));
  WriteSetting(store_, setting::sort::kOrder, settings_.descending ? 1 : 0);
}

// --- The file ---

void MTavruneDoc::ApplySettings(const ListSettings& settings, bool with_build_limits) {
  const int build_minimum = settings_.build_minimum;
  const int build_maximum = settings_.build_maximum;
  settings_ = Normalized(settings);
  if (!with_build_limits) {
    settings_.build_minimum = build_minimum;
    settings_.build_maximum = build_maximum;
  }
  WriteSettings();
}

bool MTavruneDoc::Read(const std::string& path, bool apply, WordCollection* target,
                       int* stored_index) {
  WordListFile file;
  file.settings = settings_;
  prompt_.SetStatusText(text::kReadingFile);
  const WordListReadProgress progress = ReadWordListFile(path, apply, file);
  prompt_.SetStatusText(kIdleText);
  // The settings come first in the file and stay applied if the words after
  // them are damaged.
  if (apply && progress.settings_read) ApplySettings(file.settings, file.has_build_limits);
  switch (progress.result) {
    case WordListReadResult::kCannotOpen:
      ShowFileError(prompt_, text::kCannotOpenFile, path, progress.file_status);
      return false;
    case WordListReadResult::kNotWordList:
      prompt_.ShowMessage(text::kNotWordListFile, {path});
      return false;
    case WordListReadResult::kDamaged:
      prompt_.ShowMessage(text::kCorruptFile, {path});
      return false;
    case WordListReadResult::kOk:
      break;
  }
  if (stored_index != nullptr) *stored_index = file.current_index;
  if (!apply) {
    if (target != nullptr) target->AppendAll(file.words);
    return true;
  }
  description_ = std::move(file.description);
  notes_ = std::move(file.notes);
  master_.Clear();
  master_.AppendAll(file.words);
  if (settings_.sort_type == SortType::kRandom) {
    TakeStoredOrder(file.presentation, file.current_index, path);
  }
  return true;
}

void MTavruneDoc::TakeStoredOrder(const WordCollection& order, int index, const std::string& path) {
  // An order of other words would show entries the list lacks, and
  // undeleting them would add them to it.
  if (IsOrderOfEntries(order, master_, IsAnagramType())) {
    entries_.Clear();
    entries_.SetSortMode(false, SortKey::kAlphabetical, false);
    entries_.AppendAll(order);
  } else {
    BuildEntries();
    entries_.SetSortMode(false, SortKey::kAlphabetical, false);
    prompt_.ShowMessage(text::kStoredOrderIgnored, {path});
  }
  entries_.SetCursor(index);
}

}  // namespace tavrune
