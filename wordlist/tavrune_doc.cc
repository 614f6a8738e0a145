#include "wordlist/tavrune_doc.h"

#include <algorithm>
#include <bit>
#include <filesystem>
#include <unordered_set>
#include <utility>
#include <vector>

#include "engine/word_source.h"
#include "resources/string_table.h"
#include "wordlist/alphagram_key.h"
#include "wordlist/word_list_file.h"
#include "wordlist/wordlist_messages.h"
#include "wordlist/wordlist_setting_keys.h"

namespace tavrune {
namespace {

namespace text = wordlist_text;

WordCollection InsertionOrder(int growth_step, size_t block_size) {
  WordCollection words(growth_step, block_size);
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words;
}

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

MTavruneDoc::MTavruneDoc(Dictionary& dictionary, Settings& store, UserPrompt& prompt,
                         RandomEngine& random)
    : dictionary_(dictionary),
      store_(store),
      prompt_(prompt),
      random_(random),
      finder_(dictionary.CurrentLexicon()) {
  ReadSettings();
  RefreshLexicon();
  finder_.SetExcludedLexicon(dictionary_.ExcludedLexicon());
}

MTavruneDoc::~MTavruneDoc() { DeleteContents(); }

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

// --- Answers and navigation ---

void MTavruneDoc::ComputeAnswers(int index, WordCollection& out, WordCollection& second) const {
  if (index < 0 || index >= entries_.Count()) return;
  finder_.Find(entries_.Word(index), settings_, out, second);
}

int MTavruneDoc::AnswerCount(int index) const {
  if (index < 0 || index >= entries_.Count()) return 0;
  return finder_.Count(entries_.Word(index), settings_);
}

int MTavruneDoc::GoToEntry(int index, bool notify) {
  entries_.SetCursor(index);
  modified_ = true;
  if (notify) UpdateAllViews(hint::kCurrentEntry);
  return entries_.cursor();
}

bool MTavruneDoc::NextEntryWithAnswers(bool notify) {
  if (settings_.list_type == ListType::kList) return false;
  for (int i = entries_.cursor() + 1; i < entries_.Count(); ++i) {
    if (AnswerCount(i) > 0) {
      GoToEntry(i, notify);
      return true;
    }
  }
  return false;
}

bool MTavruneDoc::PreviousEntryWithAnswers(bool notify) {
  if (settings_.list_type == ListType::kList) return false;
  for (int i = entries_.cursor() - 1; i >= 0; --i) {
    if (AnswerCount(i) > 0) {
      GoToEntry(i, notify);
      return true;
    }
  }
  return false;
}

int MTavruneDoc::FindEntry(std::string_view entry) const {
  const int index = entries_.Find(entry);
  if (index >= 0 || !entries_.sorted()) return index;
  // Entries whose letters were shuffled are marked sorted but are out of
  // order, where a binary search can miss.
  for (int i = 0; i < entries_.Count(); ++i) {
    if (entries_.Word(i) == entry) return i;
  }
  return -1;
}

// --- Deleting and undeleting ---

void MTavruneDoc::DeleteCurrentEntry() {
  if (entries_.IsEmpty()) return;
  const int index = entries_.cursor();
  history_.Delete(entries_.Word(index), IsAnagramType(), master_);
  entries_.RemoveAt(index);
  entries_.SetCursor(index);
  modified_ = true;
  ++revision_;
  UpdateAllViews(hint::kCurrentEntry);
}

bool MTavruneDoc::UndeleteLast(bool notify) {
  if (history_.IsEmpty()) return false;
  const std::string entry(history_.LastEntry());
  if (settings_.sort_type == SortType::kRandom) {
    entries_.InsertAt(entry, entries_.cursor());
  } else {
    GoToEntry(entries_.Insert(entry), notify);
  }
  history_.RestoreLast(IsAnagramType(), master_);
  modified_ = true;
  ++revision_;
  return true;
}

bool MTavruneDoc::UndeleteOne() {
  if (!UndeleteLast(false)) return false;
  UpdateAllViews(hint::kCurrentEntry);
  return true;
}

void MTavruneDoc::UndeleteAll() {
  while (UndeleteLast(false)) {
  }
  UpdateAllViews(hint::kCurrentEntry);
}

void MTavruneDoc::ClearUndoHistory() { history_.Clear(); }

// --- Rebuilding and settings ---

void MTavruneDoc::RebuildEntries(int index, bool notify) {
  prompt_.SetStatusText(text::kRebuilding);
  BuildEntries();
  if (settings_.sort_type != SortType::kAlphabetical || settings_.descending) {
    ApplyListOrdering(notify);
  }
  GoToEntry(index, notify);
  ++revision_;
  prompt_.SetStatusText(kIdleText);
}

void MTavruneDoc::BuildEntries() {
  entries_ = master_;
  if (IsAnagramType()) {
    entries_.AlphagramAll();
    entries_.RemoveDuplicates();
    if (settings_.anagram_order != AnagramOrder::kAlphabetical) ArrangeAnagramEntries();
  }
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

void MTavruneDoc::ArrangeAnagramEntries() {
  prompt_.SetStatusText(text::kArrangingAnagrams);
  switch (settings_.anagram_order) {
    case AnagramOrder::kAlphabetical:
      entries_.AlphagramAll();
      break;
    case AnagramOrder::kConsonantFirst:
      entries_.ArrangeLetters(kConsonantFirstLetterOrder);
      break;
    case AnagramOrder::kRandom:
      entries_.ShuffleLetters(random_);
      break;
    case AnagramOrder::kStem:
      entries_.ArrangeStem(settings_.stem);
      break;
    case AnagramOrder::kVowelFirst:
      entries_.ArrangeLetters(kVowelFirstLetterOrder);
      break;
    case AnagramOrder::kUserSpecified:
      entries_.ArrangeLetters(settings_.user_order);
      break;
  }
  prompt_.SetStatusText(kIdleText);
}

void MTavruneDoc::ApplyListOrdering(bool notify) {
  prompt_.SetStatusText(text::kOrdering);
  const bool descending = settings_.descending;
  switch (settings_.sort_type) {
    case SortType::kAlphabetical:
      entries_.SetSortMode(true, SortKey::kAlphabetical, descending);
      break;
    case SortType::kProbability:
      entries_.SetSortMode(true, SortKey::kProbability, descending);
      break;
    case SortType::kRandom:
      entries_.SetSortMode(false, SortKey::kAlphabetical, false);
      entries_.ShuffleWords(random_);
      break;
    case SortType::kTotalPoints:
      entries_.SetSortMode(true, SortKey::kPoints, descending);
      break;
    case SortType::kWordLength:
      entries_.SetSortMode(true, SortKey::kLength, descending);
      break;
  }
  GoToEntry(0, notify);
  ++revision_;
  prompt_.SetStatusText(kIdleText);
}

void MTavruneDoc::SetAnagramOrder(AnagramOrder order, std::string_view user_order,
                                  std::string_view stem) {
  settings_.anagram_order = AnagramOrderFromNumber(static_cast<int>(order));
  settings_.user_order = NormalizeUserOrder(user_order);
  settings_.stem = NormalizeStem(stem);
  modified_ = true;
  WriteSettings();
  if (!IsAnagramType()) return;
  ArrangeAnagramEntries();
  ++revision_;
  UpdateAllViews(hint::kAnagramOrder);
}

void MTavruneDoc::SetBuildLimits(int minimum, int maximum) {
  settings_.build_minimum = ClampBuildLength(minimum);
  settings_.build_maximum = ClampBuildLength(maximum);
  modified_ = true;
  WriteSettings();
  if (settings_.list_type != ListType::kBuild) return;
  ++revision_;
  UpdateAllViews(hint::kBuildLimits);
}

void MTavruneDoc::SetListType(ListType type) {
  type = ListTypeFromNumber(static_cast<int>(type));
  const bool crosses_families = tavrune::IsAnagramType(type) != IsAnagramType();
  settings_.list_type = type;
  WriteSettings();
  if (crosses_families) {
    ClearUndoHistory();
    RebuildEntries(0, false);
  }
  modified_ = true;
  ++revision_;
  UpdateAllViews(hint::kListType);
}

void MTavruneDoc::SetHookOptions(HookType type, int front_letters, int end_letters) {
  settings_.hook_type = HookTypeFromNumber(static_cast<int>(type));
  settings_.front_hook_letters = ClampHookLetters(front_letters);
  settings_.end_hook_letters = ClampHookLetters(end_letters);
  modified_ = true;
  WriteSettings();
  if (settings_.list_type != ListType::kHooks) return;
  ++revision_;
  UpdateAllViews(hint::kHookOptions);
}

void MTavruneDoc::SetSortOptions(SortType type, bool descending) {
  settings_.sort_type = SortTypeFromNumber(static_cast<int>(type));
  settings_.descending = descending;
  WriteSettings();
  ApplyListOrdering(true);
  modified_ = true;
  UpdateAllViews(hint::kSortOptions);
}

void MTavruneDoc::SetDescription(std::string_view description) {
  description_ = description;
  modified_ = true;
  NotifyTitleChanged();
}

void MTavruneDoc::SetNotes(std::string_view notes) {
  notes_ = notes;
  modified_ = true;
}

bool MTavruneDoc::ChooseListOrdering(int sort_type, int sort_order) {
  const SortType type = SortTypeFromNumber(sort_type);
  bool descending = settings_.descending;
  if (type == SortType::kRandom) {
    // The order means nothing to a Random list: it keeps the one it had.
    if (settings_.sort_type == SortType::kRandom &&
        prompt_.AskYesNo(text::kAlreadyRandom) != UserPrompt::Answer::kYes) {
      return false;
    }
  } else {
    descending = sort_order == 1;
    if (type == settings_.sort_type && descending == settings_.descending) return false;
  }
  const WaitCursor wait(prompt_);
  SetSortOptions(type, descending);
  return true;
}

bool MTavruneDoc::ChooseAnagramOptions(int order, std::string_view user_order,
                                       std::string_view stem) {
  const AnagramOrder chosen = AnagramOrderFromNumber(order);
  const std::string chosen_user_order = NormalizeUserOrder(user_order);
  const std::string chosen_stem = NormalizeStem(stem);
  if (chosen == settings_.anagram_order && chosen_user_order == settings_.user_order &&
      chosen_stem == settings_.stem) {
    return false;
  }
  const WaitCursor wait(prompt_);
  SetAnagramOrder(chosen, chosen_user_order, chosen_stem);
  return true;
}

void MTavruneDoc::RefreshLexicon() {
  finder_.SetLexicon(dictionary_.CurrentLexicon());
  reference_ = ProbabilityReference(dictionary_.Source());
  master_.SetProbabilityReference(reference_);
  entries_.SetProbabilityReference(reference_);
}

bool MTavruneDoc::RefreshAnswerFilter() {
  if (!finder_.SetExcludedLexicon(dictionary_.ExcludedLexicon())) return false;
  ClearUndoHistory();
  return true;
}

void MTavruneDoc::DictionaryChanged() {
  RefreshLexicon();
  RefreshAnswerFilter();
  ++revision_;
  UpdateAllViews(hint::kCurrentEntry);
}

int MTavruneDoc::MergeWords(const WordCollection& words) {
  const int before = master_.Count();
  const int room = kMaxWords - before;
  // Copies would otherwise take the room of new words near the limit.
  WordCollection fresh =
      InsertionOrder(WordCollection::kListGrowthStep, WordCollection::kListBlockSize);
  std::unordered_set<std::string_view> seen;
  seen.reserve(static_cast<size_t>(words.Count()));
  for (std::string_view word : words) {
    if (word.empty() || master_.Contains(word) || !seen.insert(word).second) continue;
    fresh.Append(word);
  }
  if (fresh.Count() > room &&
      prompt_.AskYesNo(text::kMergeLimit, {std::to_string(room)}) != UserPrompt::Answer::kYes) {
    return 0;
  }
  prompt_.SetStatusText(text::kMerging);
  master_.AppendAll(fresh);
  master_.RemoveDuplicates();
  prompt_.SetStatusText(kIdleText);
  ClearUndoHistory();
  modified_ = true;
  RebuildEntries(0, false);
  UpdateAllViews(hint::kContents);
  return master_.Count() - before;
}

int MTavruneDoc::RemoveMarkedWords(const std::vector<bool>& marked) {
  const int count = std::min(master_.Count(), static_cast<int>(marked.size()));
  int removed = 0;
  master_.BeginDeferredRemoval();
  for (int i = 0; i < count; ++i) {
    if (marked[static_cast<size_t>(i)] && master_.RemoveAt(i)) ++removed;
  }
  master_.Compact();
  modified_ = true;
  RebuildEntries(0, false);
  UpdateAllViews(hint::kContents);
  return removed;
}

// --- Display helpers ---

AnswerLayout MTavruneDoc::GetAnswerLayout() const {
  const auto [shortest, longest] = entries_.LengthRange();
  return tavrune::GetAnswerLayout(settings_, shortest, longest);
}

}  // namespace tavrune
