#ifndef TAVRUNE_ENGINE_WORD_COLLECTION_H_
#define TAVRUNE_ENGINE_WORD_COLLECTION_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/file_io.h"
#include "engine/probability.h"
#include "engine/random_source.h"
#include "engine/string_pool.h"
#include "engine/word_filter.h"

namespace tavrune {

// The orders a collection can keep. Values are stored in files and settings;
// any other value makes all words compare equal.
enum class SortKey : int { kAlphabetical = 0, kLength = 1, kProbability = 2, kPoints = 3 };

// The one container of words: search results, answers, the words of a list,
// quiz questions and racks. Up to 64,000 NUL-terminated strings in a
// StringPool, kept in insertion order or sorted under a SortKey, with a cursor
// and the bulk operations of the study features.
//
// Indexes are ints from 0 to Count() - 1. Under deferred removal a removed
// word leaves an empty slot (read as "") until Compact(). The views that Word
// and iteration give point into the pool: they stay valid until the
// collection is cleared (or its last word removed), though the rewriting
// operations change their letters in place.
class WordCollection {
 public:
  static constexpr int kMaxWords = 64000;
  // The longest word read from a text file or an archive record.
  static constexpr int kMaxWordLength = 64;
  // (growth step, block size) for word lists and results, and for small lists.
  static constexpr int kListGrowthStep = 2000;
  static constexpr size_t kListBlockSize = 4096;
  static constexpr int kSmallGrowthStep = 32;
  static constexpr size_t kSmallBlockSize = 256;
  // The key of archive records when the caller gives none.
  static constexpr std::string_view kDefaultArchiveKey = "Zt4k";

  // Empty, sorted Alphabetical ascending, case-blind, no deferred removal.
  explicit WordCollection(int growth_step = kListGrowthStep, size_t block_size = kListBlockSize);
  // The source's words in its order (not re-sorted) with its flags, cursor
  // and probability reference; the copy's pool has the list block size.
  WordCollection(const WordCollection& other);
  WordCollection& operator=(const WordCollection& other);
  WordCollection(WordCollection&& other) noexcept;
  WordCollection& operator=(WordCollection&& other) noexcept;
  ~WordCollection();

  // --- Sort mode ---

  // Stores the mode and, when sorted, sorts at once.
  void SetSortMode(bool sorted, SortKey key, bool descending);
  // Plain byte comparison instead of case-blind; a sorted collection re-sorts.
  void SetExactCase(bool exact_case);
  // The reference that Probability compares by (the combined lexicon's until
  // set). The collection keeps a copy; a collection sorted by probability
  // re-sorts. Call again after the user changes the lexicon.
  void SetProbabilityReference(const ProbabilityReference& reference);

  // Whether insertion keeps the key's order (see IsInOrder for the fact).
  bool sorted() const { return sorted_; }
  SortKey sort_key() const { return sort_key_; }
  bool descending() const { return descending_; }
  bool exact_case() const { return exact_case_; }
  int growth_step() const { return growth_step_; }
  const ProbabilityReference& probability_reference() const { return reference_; }

  // --- Words ---

  int Count() const { return static_cast<int>(items_.size()); }
  bool IsEmpty() const { return items_.empty(); }
  // At the 64,000-word limit: generators stop, and callers tell the user the
  // result was cut.
  bool IsFull() const { return Count() >= kMaxWords; }
  // The word at `index`; "" outside 0..Count() - 1 and for an empty slot.
  std::string_view Word(int index) const;
  std::string_view operator[](int index) const { return Word(index); }

  class Iterator {
   public:
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    Iterator() = default;
    explicit Iterator(char* const* p) : p_(p) {}
    std::string_view operator*() const { return *p_ != nullptr ? *p_ : ""; }
    Iterator& operator++() {
      ++p_;
      return *this;
    }
    Iterator operator++(int) { return Iterator(p_++); }
    bool operator==(const Iterator&) const = default;

   private:
    char* const* p_ = nullptr;
  };
  Iterator begin() const { return Iterator(items_.data()); }
  Iterator end() const { return Iterator(items_.data() + items_.size()); }

  // --- Adding ---

  // Sorted: at the place a binary search with Compare finds (an equal word
  // goes directly after the first equal word the search meets); unsorted: at
  // the end. Returns the index, or -1 when the collection is full.
  // Duplicates are not rejected.
  int Insert(std::string_view word);
  // At `index` (0..Count()), whatever the sort mode; false when out of range
  // or full.
  bool InsertAt(std::string_view word, int index);
  // InsertAt(word, Count()).
  bool Append(std::string_view word) { return InsertAt(word, Count()); }
  // Appends the other collection's words in its order until full, then sorts
  // when sorted. Returns the number appended.
  int AppendAll(const WordCollection& other);

  // --- Finding and stepping ---

  // Sorted: binary search with Compare (so a case-blind collection finds
  // "able" as "ABLE"); unsorted: first exact byte match. -1 when absent.
  int Find(std::string_view word) const;
  bool Contains(std::string_view word) const { return Find(word) >= 0; }

  // The cursor stays within 0..Count() - 1 (0 when empty).
  int cursor() const { return cursor_; }
  void SetCursor(int index);
  void Forward(int n);
  void Back(int n);
  std::string_view CurrentWord() const { return Word(cursor_); }

  // Lengths of the shortest and longest words; 0 for an empty collection.
  // Lengths above kMaxWordLength count as kMaxWordLength for the shortest.
  std::pair<int, int> LengthRange() const;

  // Whether every neighbour pair compares <= 0.
  bool IsInOrder() const;

  // --- Removing ---

  // False when out of range. Under deferred removal the slot is emptied and
  // the count stays; otherwise the words after it move down. Removing the
  // last word frees the collection's memory (flags and growth step stay).
  bool RemoveAt(int index);
  bool Remove(std::string_view word);
  // For removing many words in one pass: mark them with RemoveAt, then
  // Compact once, which squeezes out the empty slots in order.
  void BeginDeferredRemoval() { deferred_removal_ = true; }
  void Compact();
  bool deferred_removal() const { return deferred_removal_; }
  // Frees the words, the item array and the pool; keeps the flags.
  void Clear();
  // Keeps the first of every set of byte-identical words, in order. Returns
  // the number removed.
  int RemoveDuplicates();

  // --- Order ---

  // < 0, 0 or > 0 as `a` sorts before, with or after `b` under the current
  // key and direction; ties of the other keys break alphabetically ascending.
  int Compare(std::string_view a, std::string_view b) const;

  // Nothing when empty or already in order. Not stable: words that compare
  // equal may come in any order.
  void Sort();
  // The same sort, calling follower(i, j) for every exchange of positions i
  // and j so that a parallel array can be permuted alike.
  void SortWithFollower(const std::function<void(int, int)>& follower);

  // --- Rewriting the words (each a permutation of its letters) ---

  // Every word becomes its alphagram; re-sorts when sorted.
  void AlphagramAll();
  // Letters ranked by their place in `order` (absent ones first); re-sorts
  // when sorted.
  void ArrangeLetters(std::string_view order);
  // Words holding every stem letter become the stem and the rest in
  // alphabetical order, the others alphagrams; re-sorts when sorted.
  void ArrangeStem(std::string_view stem);
  // The letters of every word in random order. Does not re-sort.
  void ShuffleLetters(RandomEngine& engine);
  // The words in random order; the collection becomes unsorted, as its order
  // is no longer the key's.
  void ShuffleWords(RandomEngine& engine);

  // --- Filtering into another collection ---

  // Inserts every word that matches the wildcard pattern ('?' one letter,
  // '*' any run, expression syntax allowed) into `target`. Returns the number
  // added, or -1 when the pattern is not a valid expression.
  int FilterByPattern(std::string_view pattern, WordCollection& target) const;
  // Inserts every word the filter passes (all words for a null filter).
  // Returns the number added.
  int FilterByConditions(const WordFilter* conditions, WordCollection& target) const;

  // --- Text files ---

  // Appends the whitespace-separated tokens of a text file, then sorts when
  // sorted. With `front_coded`, a token starting with a digit N stands for
  // the first N characters of the previous word followed by the rest.
  // Tokens are cut to kMaxWordLength characters. Reading stops when the
  // collection is full. Fails when the file cannot be opened or read or is
  // larger than kMaxWordListBytes; the words read until then stay.
  FileStatus LoadText(const std::string& path, bool front_coded);
  // One word per line, front-coded when asked ("4R" after "ABLE" for
  // "ABLER"), saved with WriteFileAtomically.
  FileStatus SaveText(const std::string& path, bool front_coded) const;

  // --- Archive records ---

  // A little-endian int32 count, then per word an int16 length and the word
  // front-coded against the previous one, enciphered with `key` (the default
  // key when empty). False when a word is longer than kMaxWordLength (nothing
  // is written then) or the stream fails.
  bool WriteArchive(std::ostream& out, std::string_view key = {}) const;
  // Appends the words of an archive block, then sorts when sorted. Words
  // beyond the collection's limit are read and dropped. False when the
  // stream ends early or a record is damaged (a negative count, a length
  // outside 0-64, a prefix longer than the previous word); the words read
  // until then stay. `left_out`, when given, counts the words dropped.
  bool ReadArchive(std::istream& in, std::string_view key = {}, int* left_out = nullptr);

 private:
  // The primary key of the numeric sort keys.
  int64_t NumericKey(const char* word) const;
  bool HasNumericKey() const;
  int CompareAlphabetical(const char* a, const char* b) const;
  // Compare with the numeric key of `a` given.
  int CompareKeyed(const char* a, int64_t key_a, const char* b) const;
  // Binary search with Compare: the index of the first equal word the search
  // meets, or -1. `insert_at` receives where the word goes: right after that
  // equal word, or its place among the others.
  bool SortsAfterLast(std::string_view word) const;
  int SearchSorted(std::string_view word, int* insert_at) const;
  void SortItems(const std::function<void(int, int)>* follower);
  void ClampCursor();
  void ReleaseStorage();
  void CopyWordsFrom(const WordCollection& other);
  void CopyModeFrom(const WordCollection& other);
  // Applies `rewrite` to the characters of every word, then re-sorts.
  template <typename Rewrite>
  void RewriteAll(Rewrite&& rewrite, bool resort);

  int growth_step_;
  bool sorted_ = true;
  bool descending_ = false;
  SortKey sort_key_ = SortKey::kAlphabetical;
  bool exact_case_ = false;
  int cursor_ = 0;
  ProbabilityReference reference_;
  std::vector<char*> items_;
  StringPool pool_;
  bool deferred_removal_ = false;
};

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_WORD_COLLECTION_H_
