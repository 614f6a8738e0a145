#ifndef TAVRUNE_ENGINE_TILES_H_
#define TAVRUNE_ENGINE_TILES_H_

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/random_source.h"

namespace tavrune {

// The blank tile; it stands for any letter.
inline constexpr char kBlank = '?';

// The 100 tiles of the standard set, used for every lexicon.
inline constexpr std::string_view kBagText =
    "AAAAAAAAABBCCDDDDEEEEEEEEEEEEFFGGGHHIIIIIIIIIJKLLLLMMNNNNNNOOOOOOOOPPQRRRRRRSSSSTTTTTTUUUUVVWW"
    "XYYZ??";

// Points of one tile: A-Z by the standard values, every other character
// (the blank, lower-case letters played by a blank) 0.
int LetterValue(char c);
// The sum of the letter values of a word.
int WordPoints(std::string_view word);
// A, E, I, O and U in upper case; Y is not a vowel.
bool IsVowel(char c);
int VowelCount(std::string_view word);

// C(n, k): 1 for k = 0, 0 when n < k or either is negative. Exact wherever
// the result fits in 32 bits (every count of the tile set does); larger
// results saturate rather than wrap.
uint32_t Binomial(int n, int k);

// The binomial coefficients C(j, k) for 1 <= k <= j <= size, row by row.
class BinomialTable {
 public:
  explicit BinomialTable(int size);

  int size() const { return size_; }
  // The table entry; outside the table Binomial(n, k).
  uint32_t Get(int n, int k) const;

 private:
  int size_;
  std::vector<uint32_t> entries_;
};

// A rack or a bag: the number of tiles per character code. Character codes
// 1-127 are tiles ('?' is the blank); NUL and bytes above 127 are not and are
// never counted.
class LetterCounts {
 public:
  static constexpr int kCodes = 128;

  LetterCounts() = default;
  // Counts every tile of `tiles`; with `with_binomials` also keeps a table
  // of binomial coefficients sized to the largest count.
  explicit LetterCounts(std::string_view tiles, bool with_binomials = false);
  // Copies share nothing; a copy gets its own table of the same size.
  LetterCounts(const LetterCounts& other);
  LetterCounts& operator=(const LetterCounts& other);
  LetterCounts(LetterCounts&&) noexcept = default;
  LetterCounts& operator=(LetterCounts&&) noexcept = default;
  ~LetterCounts();

  int Count(char c) const { return IsTile(c) ? counts_[Code(c)] : 0; }
  int Total() const { return total_; }
  bool IsEmpty() const { return total_ == 0; }

  // Takes a tile for `letter`: the letter itself when one is left, else a
  // blank when one is left. Returns the tile used ('\0' when neither is
  // left, and then nothing changes). Generators call this once per graph
  // edge, so it stays inline.
  char TakeLetter(char letter) {
    if (IsTile(letter) && counts_[Code(letter)] > 0) {
      --counts_[Code(letter)];
      --total_;
      return letter;
    }
    if (counts_[Code(kBlank)] > 0) {
      --counts_[Code(kBlank)];
      --total_;
      return kBlank;
    }
    return '\0';
  }
  // Returns a tile that TakeLetter reported (or adds any tile).
  void PutBack(char tile) {
    if (!IsTile(tile)) return;
    ++counts_[Code(tile)];
    ++total_;
  }
  // Removes exactly this tile (no blank in its place); false when none is left.
  bool RemoveTile(char tile);

  // Every tile, by ascending character code (blanks before letters).
  std::string TilesText() const;
  // The same tiles in a uniformly random order.
  std::string ShuffledTilesText(RandomEngine& engine) const;

  int LargestCount() const;
  // Null unless made with binomials.
  const BinomialTable* binomials() const { return binomials_.get(); }
  // C(n, k) through the table when there is one.
  uint32_t Binomial(int n, int k) const;

 private:
  static bool IsTile(char c) { return c > 0 && static_cast<unsigned char>(c) < kCodes; }
  static int Code(char c) { return static_cast<unsigned char>(c); }

  std::array<int, kCodes> counts_ = {};
  int total_ = 0;
  std::unique_ptr<BinomialTable> binomials_;
};

// The full set of 100 tiles with its binomial table, fixed for the whole run.
class TileBag {
 public:
  TileBag();
  // The one standard bag; immutable, so sharing it is safe.
  static const TileBag& Standard();

  const LetterCounts& tiles() const { return tiles_; }
  int Count(char c) const { return tiles_.Count(c); }
  uint32_t Binomial(int n, int k) const { return tiles_.Binomial(n, k); }
  // C(count of `tile` in the bag, k): the ways to draw k such tiles.
  uint32_t DrawFactor(char tile, int k) const {
    const int column = static_cast<unsigned char>(tile) - '?';
    if (column >= 0 && column < kFactorRows && k >= 0 && k < kFactorColumns) {
      return factors_[column][k];
    }
    return Binomial(Count(tile), k);
  }

 private:
  // Draw factors of '?' to 'Z' for up to 15 tiles, precomputed because
  // sorting by probability asks for them for every word.
  static constexpr int kFactorRows = 'Z' - '?' + 1;
  static constexpr int kFactorColumns = 16;

  LetterCounts tiles_;
  std::array<std::array<uint32_t, kFactorColumns>, kFactorRows> factors_ = {};
};

// The number of ways the tiles of `word` can be drawn from the bag: the
// product over its letters of C(bag count, count in word), times C(2, blanks)
// for its blanks. Lower-case letters and other characters add no factor; a
// word needing more of a letter than the bag holds gets 0. Up to 10
// characters the product is exact and rounded to single precision once;
// longer words multiply in single precision factor by factor.
float DrawCount(std::string_view word, const TileBag& bag = TileBag::Standard());

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_TILES_H_
