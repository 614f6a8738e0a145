#include "engine/word_collection.h"

#include <algorithm>
#include <cstring>
#include <span>
#include <unordered_set>

#include "engine/letter_order.h"
#include "engine/pattern_expression.h"
#include "engine/tiles.h"

namespace tavrune {
namespace {

bool IsAsciiLetter(unsigned char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
unsigned char UpperCase(unsigned char c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

int Sign(int64_t v) { return (v > 0) - (v < 0); }

// An empty slot reads as the empty word.
const char* Text(const char* item) { return item != nullptr ? item : ""; }

// The quicksort of the collection: the middle element is the pivot, the range
// is partitioned by scans from both ends, and the smaller part is sorted by
// recursion, the larger by iteration, so the depth stays logarithmic.
// `compare(i, j)` compares positions; `exchange(i, j)` swaps them.
template <typename CompareAt, typename Exchange>
void QuickSort(int low, int high, const CompareAt& compare, const Exchange& exchange) {
  while (low < high) {
    exchange(low, low + (high - low) / 2);
    int i = low + 1;
    int j = high;
    for (;;) {
      while (i <= j && compare(i, low) < 0) ++i;
      while (i <= j && compare(j, low) > 0) --j;
      if (i >= j) break;
      exchange(i, j);
      ++i;
      --j;
    }
    exchange(low, j);
    if (j - low < high - j) {
      QuickSort(low, j - 1, compare, exchange);
      low = j + 1;
    } else {
      QuickSort(j + 1, high, compare, exchange);
      high = j - 1;
    }
  }
}

}  // namespace

WordCollection::WordCollection(int growth_step, size_t block_size)
    : growth_step_(std::max(growth_step, 1)), pool_(block_size) {}

WordCollection::WordCollection(const WordCollection& other)
    : growth_step_(other.growth_step_), pool_(kListBlockSize) {
  CopyWordsFrom(other);
  CopyModeFrom(other);
}

WordCollection& WordCollection::operator=(const WordCollection& other) {
  if (this != &other) {
    Clear();
    CopyWordsFrom(other);
    CopyModeFrom(other);
  }
  return *this;
}

WordCollection::WordCollection(WordCollection&& other) noexcept
    : growth_step_(other.growth_step_),
      sorted_(other.sorted_),
      descending_(other.descending_),
      sort_key_(other.sort_key_),
      exact_case_(other.exact_case_),
      cursor_(std::exchange(other.cursor_, 0)),
      reference_(other.reference_),
      items_(std::move(other.items_)),
      pool_(std::move(other.pool_)),
      deferred_removal_(other.deferred_removal_) {
  other.items_.clear();
}

WordCollection& WordCollection::operator=(WordCollection&& other) noexcept {
  if (this != &other) {
    growth_step_ = other.growth_step_;
    sorted_ = other.sorted_;
    descending_ = other.descending_;
    sort_key_ = other.sort_key_;
    exact_case_ = other.exact_case_;
    cursor_ = std::exchange(other.cursor_, 0);
    reference_ = other.reference_;
    items_ = std::move(other.items_);
    other.items_.clear();
    pool_ = std::move(other.pool_);
    deferred_removal_ = other.deferred_removal_;
  }
  return *this;
}

WordCollection::~WordCollection() = default;

void WordCollection::CopyWordsFrom(const WordCollection& other) {
  items_.reserve(other.items_.size());
  for (const char* item : other.items_) {
    if (item != nullptr) items_.push_back(pool_.Store(item));
  }
}

void WordCollection::CopyModeFrom(const WordCollection& other) {
  sorted_ = other.sorted_;
  descending_ = other.descending_;
  sort_key_ = other.sort_key_;
  exact_case_ = other.exact_case_;
  deferred_removal_ = other.deferred_removal_;
  reference_ = other.reference_;
  cursor_ = other.cursor_;
  ClampCursor();
}

// --- Sort mode ---

void WordCollection::SetSortMode(bool sorted, SortKey key, bool descending) {
  sorted_ = sorted;
  sort_key_ = key;
  descending_ = descending;
  if (sorted_) Sort();
}

void WordCollection::SetExactCase(bool exact_case) {
  exact_case_ = exact_case;
  if (sorted_) Sort();
}

void WordCollection::SetProbabilityReference(const ProbabilityReference& reference) {
  reference_ = reference;
  if (sorted_ && sort_key_ == SortKey::kProbability) Sort();
}

// --- Words ---

std::string_view WordCollection::Word(int index) const {
  if (index < 0 || index >= Count()) return {};
  return Text(items_[index]);
}

int WordCollection::Insert(std::string_view word) {
  if (Count() >= kMaxWords) return -1;
  int index = Count();
  // Walks mostly hand words over in order, so past the last item is tried
  // first; only a strictly later word goes there, as the search would put
  // an equal one after its first equal found.
  if (sorted_ && (index == 0 || !SortsAfterLast(word))) SearchSorted(word, &index);
  InsertAt(word, index);
  return index;
}

bool WordCollection::SortsAfterLast(std::string_view word) const {
  const std::string text(word);
  const char* probe = text.c_str();
  const int64_t key = HasNumericKey() ? NumericKey(probe) : 0;
  return CompareKeyed(probe, key, Text(items_.back())) > 0;
}

int WordCollection::SearchSorted(std::string_view word, int* insert_at) const {
  const std::string text(word);  // terminated, for the comparisons
  const char* probe = text.c_str();
  const int64_t key = HasNumericKey() ? NumericKey(probe) : 0;
  int low = 0;
  int high = Count() - 1;
  while (high >= low) {
    const int mid = low + (high - low) / 2;
    const int c = CompareKeyed(probe, key, Text(items_[mid]));
    if (c == 0) {
      if (insert_at != nullptr) *insert_at = mid + 1;
      return mid;
    }
    if (c < 0) {
      high = mid - 1;
    } else {
      low = mid + 1;
    }
  }
  if (insert_at != nullptr) *insert_at = low;
  return -1;
}

bool WordCollection::InsertAt(std::string_view word, int index) {
  if (index < 0 || index > Count() || Count() >= kMaxWords) return false;
  if (items_.size() == items_.capacity()) {
    // At least the growth step, more for long lists so that filling one
    // reallocates only a few times.
    items_.reserve(items_.capacity() +
                   std::max(static_cast<size_t>(growth_step_), items_.capacity() / 2));
  }
  items_.insert(items_.begin() + index, pool_.Store(word));
  return true;
}

int WordCollection::AppendAll(const WordCollection& other) {
  // Indexed, because `other` may be this collection.
  const int n = other.Count();
  int appended = 0;
  items_.reserve(std::min<size_t>(items_.size() + n, kMaxWords));
  for (int i = 0; i < n && Count() < kMaxWords; ++i) {
    const char* item = other.items_[i];
    if (item == nullptr) continue;
    items_.push_back(pool_.Store(item));
    ++appended;
  }
  if (sorted_) Sort();
  return appended;
}

// --- Finding and stepping ---

int WordCollection::Find(std::string_view word) const {
  if (!sorted_) {
    for (int i = 0; i < Count(); ++i) {
      if (items_[i] != nullptr && word == items_[i]) return i;
    }
    return -1;
  }
  return SearchSorted(word, nullptr);
}

void WordCollection::ClampCursor() { cursor_ = std::clamp(cursor_, 0, std::max(Count() - 1, 0)); }

void WordCollection::SetCursor(int index) {
  cursor_ = index;
  ClampCursor();
}

void WordCollection::Forward(int n) {
  cursor_ =
      static_cast<int>(std::clamp<int64_t>(int64_t{cursor_} + n, 0, std::max(Count() - 1, 0)));
}

void WordCollection::Back(int n) {
  cursor_ =
      static_cast<int>(std::clamp<int64_t>(int64_t{cursor_} - n, 0, std::max(Count() - 1, 0)));
}

std::pair<int, int> WordCollection::LengthRange() const {
  if (items_.empty()) return {0, 0};
  size_t shortest = kMaxWordLength;
  size_t longest = 0;
  for (const char* item : items_) {
    const size_t length = std::strlen(Text(item));
    shortest = std::min(shortest, length);
    longest = std::max(longest, length);
  }
  return {static_cast<int>(shortest), static_cast<int>(std::min<size_t>(longest, INT32_MAX))};
}

bool WordCollection::IsInOrder() const {
  for (size_t i = 1; i < items_.size(); ++i) {
    const char* a = Text(items_[i - 1]);
    if (CompareKeyed(a, HasNumericKey() ? NumericKey(a) : 0, Text(items_[i])) > 0) return false;
  }
  return true;
}

// --- Removing ---

bool WordCollection::RemoveAt(int index) {
  if (index < 0 || index >= Count()) return false;
  if (deferred_removal_) {
    items_[index] = nullptr;
  } else {
    items_.erase(items_.begin() + index);
  }
  if (items_.empty()) {
    ReleaseStorage();
  } else {
    ClampCursor();
  }
  return true;
}

bool WordCollection::Remove(std::string_view word) { return RemoveAt(Find(word)); }

void WordCollection::Compact() {
  deferred_removal_ = false;
  std::erase(items_, nullptr);
  if (items_.empty()) {
    ReleaseStorage();
  } else {
    ClampCursor();
  }
}

void WordCollection::ReleaseStorage() {
  std::vector<char*>().swap(items_);
  pool_.Clear();
  cursor_ = 0;
}

void WordCollection::Clear() { ReleaseStorage(); }

int WordCollection::RemoveDuplicates() {
  // A set of the words seen, rather than comparing every pair: the same
  // survivors in linear time.
  std::unordered_set<std::string_view> seen;
  seen.reserve(items_.size());
  int removed = 0;
  const bool deferred = deferred_removal_;
  for (char*& item : items_) {
    if (item == nullptr) continue;
    if (!seen.insert(item).second) {
      item = nullptr;
      ++removed;
    }
  }
  // Under deferred removal the emptied slots wait for Compact like any other.
  if (!deferred) Compact();
  deferred_removal_ = deferred;
  return removed;
}

// --- Order ---

bool WordCollection::HasNumericKey() const {
  return sort_key_ == SortKey::kLength || sort_key_ == SortKey::kProbability ||
         sort_key_ == SortKey::kPoints;
}

int64_t WordCollection::NumericKey(const char* word) const {
  switch (sort_key_) {
    case SortKey::kLength:
      return static_cast<int64_t>(std::strlen(word));
    case SortKey::kProbability:
      return reference_.FactorKey(word);
    case SortKey::kPoints:
      return WordPoints(word);
    default:
      return 0;
  }
}

int WordCollection::CompareAlphabetical(const char* a, const char* b) const {
  if (exact_case_) {
    const int c = std::strcmp(a, b);
    return (c > 0) - (c < 0);
  }
  for (;; ++a, ++b) {
    unsigned char ca = static_cast<unsigned char>(*a);
    unsigned char cb = static_cast<unsigned char>(*b);
    if (ca == cb) {
      if (ca == 0) return 0;
      continue;
    }
    if (IsAsciiLetter(ca) && IsAsciiLetter(cb)) {
      ca = UpperCase(ca);
      cb = UpperCase(cb);
      if (ca == cb) continue;
    }
    return ca < cb ? -1 : 1;
  }
}

int WordCollection::CompareKeyed(const char* a, int64_t key_a, const char* b) const {
  if (sort_key_ == SortKey::kAlphabetical) {
    const int c = CompareAlphabetical(a, b);
    return descending_ ? -c : c;
  }
  if (!HasNumericKey()) return 0;
  const int c = Sign(key_a - NumericKey(b));
  if (c != 0) return descending_ ? -c : c;
  return CompareAlphabetical(a, b);
}

int WordCollection::Compare(std::string_view a, std::string_view b) const {
  const std::string text_a(a);
  const std::string text_b(b);
  const int64_t key = HasNumericKey() ? NumericKey(text_a.c_str()) : 0;
  return CompareKeyed(text_a.c_str(), key, text_b.c_str());
}

void WordCollection::Sort() { SortItems(nullptr); }

void WordCollection::SortWithFollower(const std::function<void(int, int)>& follower) {
  SortItems(&follower);
}

void WordCollection::SortItems(const std::function<void(int, int)>* follower) {
  const int n = Count();
  if (n <= 1 || !(sort_key_ == SortKey::kAlphabetical || HasNumericKey())) return;
  char** items = items_.data();
  if (sort_key_ == SortKey::kAlphabetical) {
    if (IsInOrder()) return;
    QuickSort(
        0, n - 1,
        [&](int i, int j) {
          const int c = CompareAlphabetical(Text(items[i]), Text(items[j]));
          return descending_ ? -c : c;
        },
        [&](int i, int j) {
          if (i == j) return;
          std::swap(items[i], items[j]);
          if (follower != nullptr) (*follower)(i, j);
        });
    return;
  }
  // Each word's key once, sorted alongside the words.
  std::vector<int64_t> keys(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) keys[i] = NumericKey(Text(items[i]));
  const auto compare = [&](int i, int j) {
    const int c = Sign(keys[i] - keys[j]);
    if (c != 0) return descending_ ? -c : c;
    return CompareAlphabetical(Text(items[i]), Text(items[j]));
  };
  bool in_order = true;
  for (int i = 1; i < n && in_order; ++i) in_order = compare(i - 1, i) <= 0;
  if (in_order) return;
  QuickSort(0, n - 1, compare, [&](int i, int j) {
    if (i == j) return;
    std::swap(items[i], items[j]);
    std::swap(keys[i], keys[j]);
    if (follower != nullptr) (*follower)(i, j);
  });
}

// --- Rewriting ---

template <typename Rewrite>
void WordCollection::RewriteAll(Rewrite&& rewrite, bool resort) {
  for (char* item : items_) {
    if (item != nullptr) rewrite(std::span<char>(item, std::strlen(item)));
  }
  if (resort && sorted_) Sort();
}

void WordCollection::AlphagramAll() {
  RewriteAll([](std::span<char> word) { AlphagramInPlace(word); }, true);
}

void WordCollection::ArrangeLetters(std::string_view order) {
  RewriteAll([order](std::span<char> word) { ArrangeLettersInPlace(word, order); }, true);
}

void WordCollection::ArrangeStem(std::string_view stem) {
  RewriteAll([stem](std::span<char> word) { ArrangeStemInPlace(word, stem); }, true);
}

void WordCollection::ShuffleLetters(RandomEngine& engine) {
  RewriteAll([&engine](std::span<char> word) { ShuffleLettersInPlace(word, engine); }, false);
}

void WordCollection::ShuffleWords(RandomEngine& engine) {
  ShuffleRange(items_.begin(), items_.end(), engine);
  sorted_ = false;
}

// --- Filtering ---

int WordCollection::FilterByPattern(std::string_view pattern, WordCollection& target) const {
  if (&target == this) {
    const WordCollection source(*this);
    return source.FilterByPattern(pattern, target);
  }
  PatternExpression expression;
  if (expression.CompileWildcard(pattern).has_value()) return -1;
  int added = 0;
  for (const char* item : items_) {
    if (item != nullptr && expression.Matches(item) && target.Insert(item) >= 0) ++added;
  }
  return added;
}

int WordCollection::FilterByConditions(const WordFilter* conditions, WordCollection& target) const {
  if (&target == this) {
    const WordCollection source(*this);
    return source.FilterByConditions(conditions, target);
  }
  int added = 0;
  for (const char* item : items_) {
    if (item != nullptr && PassesFilter(conditions, item) && target.Insert(item) >= 0) ++added;
  }
  return added;
}

}  // namespace tavrune
