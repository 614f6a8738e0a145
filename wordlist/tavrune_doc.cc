#include "wordlist/tavrune_doc.h"

#include <algorithm>
#include <unordered_set>
#include <vector>

#include "resources/string_table.h"
#include "wordlist/wordlist_messages.h"

namespace tavrune {
namespace {

namespace text = wordlist_text;

WordCollection InsertionOrder(int growth_step, size_t block_size) {
  WordCollection words(growth_step, block_size);
  words.SetSortMode(false, SortKey::kAlphabetical, false);
  return words;
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
