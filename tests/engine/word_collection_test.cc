#include "engine/word_collection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "engine/letter_order.h"
#include "engine/string_pool.h"

namespace tavrune {
namespace {

std::vector<std::string> Words(const WordCollection& c) {
  return std::vector<std::string>(c.begin(), c.end());
}

WordCollection Unsorted(std::initializer_list<std::string_view> words) {
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  for (std::string_view w : words) c.Insert(w);
  return c;
}

// Distinct upper-case words of 1-9 letters, with repeats, in random order.
std::vector<std::string> RandomWords(int n, uint32_t seed) {
  RandomEngine engine(seed);
  std::vector<std::string> words;
  for (int i = 0; i < n; ++i) {
    std::string w(1 + RandomBelow(engine, 9), 'A');
    for (char& c : w) c = static_cast<char>('A' + RandomBelow(engine, 26));
    words.push_back(w);
    if (i % 10 == 0) words.push_back(w);
  }
  return words;
}

TEST(StringPoolTest, StringsStayPutAcrossBlocks) {
  StringPool pool(16);
  const char* a = pool.Store("ABCDEFGHIJ");
  const char* b = pool.Store("KLMNOP");  // does not fit the first block
  const char* big = pool.Store(std::string(40, 'Z'));
  EXPECT_STREQ(a, "ABCDEFGHIJ");
  EXPECT_STREQ(b, "KLMNOP");
  EXPECT_EQ(std::string(big), std::string(40, 'Z'));
  EXPECT_EQ(pool.BlockCount(), 3u);
  pool.Clear();
  EXPECT_EQ(pool.BlockCount(), 0u);
}

TEST(WordCollectionTest, SortedInsertionPlacesEqualWordsAfterTheFirstMet) {
  WordCollection c;
  for (std::string_view w : {"C", "A", "AB"}) c.Insert(w);
  EXPECT_EQ(Words(c), (std::vector<std::string>{"A", "AB", "C"}));
  // Case-blind, "ab" and "Ab" equal "AB": each goes right after the equal
  // word the binary search meets first.
  EXPECT_EQ(c.Insert("ab"), 2);
  EXPECT_EQ(c.Insert("Ab"), 2);
  EXPECT_EQ(Words(c), (std::vector<std::string>{"A", "AB", "Ab", "ab", "C"}));
  EXPECT_EQ(c.Find("aB"), 2);  // any equal word
  EXPECT_TRUE(c.IsInOrder());

  WordCollection unsorted = Unsorted({"ABLE", "CAT"});
  EXPECT_EQ(unsorted.Find("able"), -1);  // unsorted finds are byte-exact
  EXPECT_EQ(unsorted.Find("CAT"), 1);
  EXPECT_FALSE(unsorted.InsertAt("X", 3));
  EXPECT_FALSE(unsorted.InsertAt("X", -1));
  EXPECT_TRUE(unsorted.InsertAt("X", 0));
  EXPECT_EQ(unsorted.Word(0), "X");
  EXPECT_EQ(unsorted.Word(9), "");
}

TEST(WordCollectionTest, RefusesTheWordAfterTheLimit) {
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  for (int i = 0; i < WordCollection::kMaxWords; ++i) ASSERT_TRUE(c.Append("WORD"));
  EXPECT_EQ(c.Insert("MORE"), -1);
  EXPECT_FALSE(c.InsertAt("MORE", 0));
  WordCollection other = Unsorted({"ONE", "TWO"});
  EXPECT_EQ(c.AppendAll(other), 0);
  EXPECT_EQ(c.Count(), WordCollection::kMaxWords);
  EXPECT_EQ(c.Word(0), "WORD");
}

TEST(WordCollectionTest, EveryKeyAndDirectionSortsLikeTheComparison) {
  const std::vector<std::string> words = RandomWords(3000, 11);
  for (SortKey key :
       {SortKey::kAlphabetical, SortKey::kLength, SortKey::kProbability, SortKey::kPoints}) {
    for (bool descending : {false, true}) {
      WordCollection c;
      c.SetSortMode(false, key, descending);
      for (const std::string& w : words) c.Append(w);
      std::vector<std::string> expected = words;
      std::sort(expected.begin(), expected.end(),
                [&c](const std::string& a, const std::string& b) { return c.Compare(a, b) < 0; });
      // The follower sees every exchange, so a parallel array ends up alike.
      std::vector<std::string> parallel = words;
      c.SetSortMode(false, key, descending);
      c.SortWithFollower([&parallel](int i, int j) { std::swap(parallel[i], parallel[j]); });
      EXPECT_EQ(Words(c), expected) << static_cast<int>(key) << descending;
      EXPECT_EQ(parallel, expected);
      EXPECT_TRUE(c.IsInOrder());

      // Sorted insertion agrees with the sort.
      WordCollection inserted;
      inserted.SetSortMode(true, key, descending);
      for (const std::string& w : words) inserted.Insert(w);
      EXPECT_EQ(Words(inserted), expected);
    }
  }
}

TEST(WordCollectionTest, TiesBreakAlphabeticallyInBothDirections) {
  WordCollection c = Unsorted({"TEA", "QI", "ZOOS", "EAT", "ATE", "BE"});
  c.SetSortMode(true, SortKey::kLength, true);
  EXPECT_EQ(Words(c), (std::vector<std::string>{"ZOOS", "ATE", "EAT", "TEA", "BE", "QI"}));
  c.SetSortMode(true, SortKey::kProbability, true);
  EXPECT_EQ(c.Word(0), "ATE");  // anagrams are equally probable
  EXPECT_EQ(c.Word(1), "EAT");
  EXPECT_EQ(c.Word(2), "TEA");
  c.SetSortMode(true, SortKey::kPoints, false);
  EXPECT_EQ(Words(c), (std::vector<std::string>{"ATE", "EAT", "TEA", "BE", "QI", "ZOOS"}));
  c.SetSortMode(true, SortKey::kAlphabetical, true);
  EXPECT_EQ(c.Word(0), "ZOOS");
  EXPECT_EQ(c.Word(5), "ATE");
  // Any other key leaves every word equal: nothing moves.
  c.SetSortMode(true, static_cast<SortKey>(9), false);
  EXPECT_EQ(c.Word(0), "ZOOS");
  EXPECT_EQ(c.Compare("A", "B"), 0);
}

TEST(WordCollectionTest, ProbabilityFollowsTheReferenceGiven) {
  WordCollection c = Unsorted({"OTARINE", "ARENITE"});
  c.SetProbabilityReference(ProbabilityReference(LexiconId::kUK));
  c.SetSortMode(true, SortKey::kProbability, true);
  const std::vector<std::string> uk = Words(c);
  c.SetProbabilityReference(ProbabilityReference(LexiconId::kNA));
  EXPECT_EQ(c.probability_reference().lexicon(), LexiconId::kNA);
  // Same length: the order is the draw count's under any reference.
  EXPECT_EQ(Words(c), uk);
  WordCollection copy(c);
  EXPECT_EQ(copy.probability_reference().lexicon(), LexiconId::kNA);
  WordCollection mixed = Unsorted({"QI", "OTARINE"});
  mixed.SetSortMode(true, SortKey::kProbability, true);
  EXPECT_EQ(mixed.Word(0), "OTARINE");  // 100 against QI's 8.3
}

TEST(WordCollectionTest, CursorStaysInRange) {
  WordCollection c = Unsorted({"A", "B", "C"});
  c.SetCursor(10);
  EXPECT_EQ(c.cursor(), 2);
  c.Back(INT_MAX);
  EXPECT_EQ(c.cursor(), 0);
  c.Forward(INT_MAX);
  EXPECT_EQ(c.cursor(), 2);
  EXPECT_EQ(c.CurrentWord(), "C");
  c.Back(1);
  EXPECT_EQ(c.CurrentWord(), "B");
  c.SetCursor(-4);
  EXPECT_EQ(c.cursor(), 0);
  WordCollection empty;
  empty.Forward(3);
  EXPECT_EQ(empty.cursor(), 0);
  EXPECT_EQ(empty.LengthRange(), std::make_pair(0, 0));
  EXPECT_EQ(Unsorted({"ABC", "A", "ABCDE"}).LengthRange(), std::make_pair(1, 5));
}

TEST(WordCollectionTest, RemovalKeepsOrderAndClampsTheCursor) {
  WordCollection c(32, 256);
  c.SetSortMode(true, SortKey::kLength, true);
  for (std::string_view w : {"A", "BB", "CCC"}) c.Insert(w);
  c.SetCursor(2);
  EXPECT_TRUE(c.Remove("A"));
  EXPECT_FALSE(c.Remove("A"));
  EXPECT_FALSE(c.RemoveAt(2));
  EXPECT_EQ(c.cursor(), 1);
  EXPECT_TRUE(c.RemoveAt(0));
  EXPECT_TRUE(c.RemoveAt(0));
  EXPECT_TRUE(c.IsEmpty());
  // The memory goes, the mode and growth step stay.
  EXPECT_TRUE(c.sorted());
  EXPECT_EQ(c.sort_key(), SortKey::kLength);
  EXPECT_TRUE(c.descending());
  EXPECT_EQ(c.growth_step(), 32);
  EXPECT_EQ(c.Insert("XY"), 0);
}

TEST(WordCollectionTest, DeferredRemovalMarksThenCompactsOnce) {
  WordCollection c = Unsorted({"A", "B", "C", "D", "E"});
  c.BeginDeferredRemoval();
  c.SetCursor(4);
  EXPECT_TRUE(c.RemoveAt(1));
  EXPECT_TRUE(c.RemoveAt(4));
  EXPECT_EQ(c.Count(), 5);
  EXPECT_EQ(c.Word(1), "");
  EXPECT_EQ(c.Find("B"), -1);
  EXPECT_EQ(WordCollection(c).Count(), 3);  // a copy holds only words
  c.Compact();
  EXPECT_FALSE(c.deferred_removal());
  EXPECT_EQ(Words(c), (std::vector<std::string>{"A", "C", "D"}));
  EXPECT_EQ(c.cursor(), 2);
}

TEST(WordCollectionTest, RemoveDuplicatesKeepsTheFirstOfEach) {
  WordCollection sorted;
  for (std::string_view w : {"B", "A", "B", "C", "A", "B"}) sorted.Insert(w);
  EXPECT_EQ(sorted.RemoveDuplicates(), 3);
  EXPECT_EQ(Words(sorted), (std::vector<std::string>{"A", "B", "C"}));
  WordCollection unsorted = Unsorted({"B", "A", "B", "b", "A"});
  EXPECT_EQ(unsorted.RemoveDuplicates(), 2);
  EXPECT_EQ(Words(unsorted), (std::vector<std::string>{"B", "A", "b"}));
}

TEST(WordCollectionTest, CopiesKeepOrderAndMode) {
  WordCollection source(32, 256);
  for (std::string_view w : {"AZ", "BY", "CX", "DW", "EV"}) source.Insert(w);
  source.SetCursor(1);
  source.SetExactCase(true);
  RandomEngine engine(3);
  source.ShuffleLetters(engine);
  ASSERT_FALSE(source.IsInOrder());
  const std::vector<std::string> words = Words(source);
  const WordCollection copy(source);
  EXPECT_EQ(Words(copy), words);  // appended, not re-sorted
  EXPECT_EQ(copy.growth_step(), 32);
  EXPECT_EQ(copy.cursor(), 1);
  EXPECT_TRUE(copy.exact_case());
  EXPECT_TRUE(copy.sorted());
  WordCollection assigned = Unsorted({"OLD"});
  assigned = source;
  EXPECT_EQ(Words(assigned), words);
  EXPECT_TRUE(assigned.sorted());
  const WordCollection& alias = assigned;
  assigned = alias;
  EXPECT_EQ(assigned.Count(), 5);
  WordCollection moved(std::move(assigned));
  EXPECT_EQ(Words(moved), words);
  EXPECT_EQ(moved.AppendAll(moved), 5);  // appending itself doubles it
  EXPECT_EQ(moved.Count(), 10);
}

TEST(WordCollectionTest, LetterArrangements) {
  EXPECT_EQ(Alphagram("SPARE"), "AEPRS");
  EXPECT_EQ(Alphagram("B?Ae"), "AB?e");  // blanks and marked letters follow, kept
  // Master words of an anagram list, vowels first.
  WordCollection c;
  for (std::string_view w : {"SPARE", "PEARS", "REAPS", "TOE"}) c.Insert(w);
  c.AlphagramAll();
  c.RemoveDuplicates();
  c.ArrangeLetters("AEIOUBCDFGHJKLMNPQRSTVWXYZ");
  EXPECT_EQ(Words(c), (std::vector<std::string>{"AEPRS", "EOT"}));
  c.ArrangeLetters("BCDFGHJKLMNPQRSTVWXYZAEIOU");
  EXPECT_EQ(Words(c), (std::vector<std::string>{"PRSAE", "TEO"}));
  std::string partial = "XAB";
  ArrangeLettersInPlace(partial, "A");  // absent letters rank first
  EXPECT_EQ(partial, "BXA");

  WordCollection stems = Unsorted({"TEARS", "RATE", "STARE", "TEA"});
  stems.ArrangeStem("ERST");
  EXPECT_EQ(Words(stems), (std::vector<std::string>{"ERSTA", "AERT", "ERSTA", "AET"}));
  stems.ArrangeStem("");
  EXPECT_EQ(stems.Word(0), "AERST");
}

TEST(WordCollectionTest, ShufflesAreRepeatablePermutations) {
  WordCollection c;
  c.SetSortMode(false, SortKey::kAlphabetical, false);
  // A count that is a multiple of 32,000: every position still draws a
  // partner from the whole list.
  for (int i = 0; i < 32000; ++i) c.Append(std::to_string(100000 + i));
  WordCollection d(c);
  RandomEngine a(5);
  RandomEngine b(5);
  c.ShuffleWords(a);
  d.ShuffleWords(b);
  EXPECT_EQ(Words(c), Words(d));
  EXPECT_FALSE(c.sorted());
  std::vector<std::string> words = Words(c);
  EXPECT_NE(words.front(), "100000");
  int moved_far = 0;
  for (int i = 0; i < 100; ++i) moved_far += std::stoi(words[i]) - 100000 > 16000;
  EXPECT_GT(moved_far, 20);
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words.back(), "131999");
  EXPECT_EQ(std::unique(words.begin(), words.end()), words.end());

  WordCollection letters = Unsorted({"ABCDEFGH"});
  letters.ShuffleLetters(a);
  EXPECT_NE(letters.Word(0), "ABCDEFGH");
  EXPECT_EQ(Alphagram(letters.Word(0)), "ABCDEFGH");
}

class LengthFilter : public WordFilter {
 public:
  bool Passes(std::string_view word) const override { return word.size() == 3; }
};

TEST(WordCollectionTest, FiltersInsertIntoTheTarget) {
  const WordCollection source = Unsorted({"CUTE", "CAT", "SCAT", "COT", "C.T", "CATS"});
  WordCollection target;
  EXPECT_EQ(source.FilterByPattern("C?T*", target), 5);
  EXPECT_EQ(Words(target), (std::vector<std::string>{"C.T", "CAT", "CATS", "COT", "CUTE"}));
  WordCollection dotted;
  EXPECT_EQ(source.FilterByPattern("C.T", dotted), 1);  // a dot is literal
  EXPECT_EQ(source.FilterByPattern("[AB", dotted), -1);
  const LengthFilter three;
  WordCollection short_words;
  EXPECT_EQ(source.FilterByConditions(&three, short_words), 3);
  EXPECT_EQ(source.FilterByConditions(nullptr, short_words), 6);
  EXPECT_EQ(short_words.FilterByConditions(&three, short_words), 6);
  EXPECT_EQ(short_words.Count(), 15);
}

}  // namespace
}  // namespace tavrune
