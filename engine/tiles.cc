#include "engine/tiles.h"

#include <algorithm>

#include "engine/letters.h"

namespace tavrune {
namespace {

constexpr std::array<int, 26> kLetterValues = {1, 3, 3, 2,  1, 4, 2, 4, 1, 8, 5, 1, 3,
                                               1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};

// Longer words than this multiply their factors in single precision, as their
// draw counts may exceed 32 bits.
constexpr size_t kLongestExactDrawCount = 10;

}  // namespace

int LetterValue(char c) { return IsUpperLetter(c) ? kLetterValues[c - 'A'] : 0; }

int WordPoints(std::string_view word) {
  int points = 0;
  for (char c : word) points += LetterValue(c);
  return points;
}

bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

int VowelCount(std::string_view word) {
  return static_cast<int>(std::count_if(word.begin(), word.end(), IsVowel));
}

uint32_t Binomial(int n, int k) {
  if (k < 0 || n < k) return 0;
  if (k == 0 || k == n) return 1;
  const int m = std::min(k, n - k);
  // C(n, i) = C(n, i - 1) * (n - i + 1) / i divides exactly at every step.
  uint64_t result = 1;
  for (int i = 1; i <= m; ++i) {
    result = result * static_cast<uint64_t>(n - m + i) / static_cast<uint64_t>(i);
    if (result > UINT32_MAX) return UINT32_MAX;
  }
  return static_cast<uint32_t>(result);
}

BinomialTable::BinomialTable(int size) : size_(std::max(size, 0)) {
  entries_.reserve(static_cast<size_t>(size_) * (size_ + 1) / 2);
  for (int j = 1; j <= size_; ++j) {
    for (int k = 1; k <= j; ++k) entries_.push_back(tavrune::Binomial(j, k));
  }
}

uint32_t BinomialTable::Get(int n, int k) const {
  if (k < 1 || n < k || n > size_) return tavrune::Binomial(n, k);
  return entries_[static_cast<size_t>(n) * (n - 1) / 2 + k - 1];
}

LetterCounts::LetterCounts(std::string_view tiles, bool with_binomials) {
  for (char c : tiles) PutBack(c);
  if (with_binomials) binomials_ = std::make_unique<BinomialTable>(LargestCount());
}

LetterCounts::LetterCounts(const LetterCounts& other)
    : counts_(other.counts_), total_(other.total_) {
  if (other.binomials_) binomials_ = std::make_unique<BinomialTable>(other.binomials_->size());
}

LetterCounts& LetterCounts::operator=(const LetterCounts& other) {
  if (this != &other) {
    counts_ = other.counts_;
    total_ = other.total_;
    binomials_ =
        other.binomials_ ? std::make_unique<BinomialTable>(other.binomials_->size()) : nullptr;
  }
  return *this;
}

LetterCounts::~LetterCounts() = default;

bool LetterCounts::RemoveTile(char tile) {
  if (!IsTile(tile) || counts_[Code(tile)] == 0) return false;
  --counts_[Code(tile)];
  --total_;
  return true;
}

std::string LetterCounts::TilesText() const {
  std::string text;
  text.reserve(static_cast<size_t>(total_));
  for (int code = 1; code < kCodes; ++code) text.append(counts_[code], static_cast<char>(code));
  return text;
}

std::string LetterCounts::ShuffledTilesText(RandomEngine& engine) const {
  std::string text = TilesText();
  ShuffleRange(text.begin(), text.end(), engine);
  return text;
}

int LetterCounts::LargestCount() const { return *std::max_element(counts_.begin(), counts_.end()); }

uint32_t LetterCounts::Binomial(int n, int k) const {
  return binomials_ ? binomials_->Get(n, k) : tavrune::Binomial(n, k);
}

TileBag::TileBag() : tiles_(kBagText, /*with_binomials=*/true) {
  for (int row = 0; row < kFactorRows; ++row) {
    for (int k = 0; k < kFactorColumns; ++k) {
      factors_[row][k] = tiles_.Binomial(tiles_.Count(static_cast<char>('?' + row)), k);
    }
  }
}

const TileBag& TileBag::Standard() {
  static const TileBag bag;
  return bag;
}

float DrawCount(std::string_view word, const TileBag& bag) {
  std::array<int, 26> letters = {};
  int blanks = 0;
  for (char c : word) {
    if (IsUpperLetter(c)) {
      ++letters[c - 'A'];
    } else if (c == kBlank) {
      ++blanks;
    }
  }
  float count;
  if (word.size() <= kLongestExactDrawCount) {
    // At most 10 letters keep the product below 2^31 (147,806,208 at most).
    // The order of the factors does not matter here, so each letter of the
    // word gives its factor at its first occurrence.
    int64_t product = 1;
    for (char c : word) {
      if (!IsUpperLetter(c)) continue;
      int& k = letters[c - 'A'];
      if (k > 0) {
        product *= bag.DrawFactor(c, k);
        k = 0;
      }
    }
    count = static_cast<float>(product);
  } else {
    // Rounding makes the order matter: A to Z. Absent letters multiply by 1,
    // which is exact.
    count = 1.0f;
    for (int i = 0; i < 26; ++i) {
      count *= static_cast<float>(bag.DrawFactor(static_cast<char>('A' + i), letters[i]));
    }
  }
  if (blanks > 0) count *= static_cast<float>(bag.DrawFactor(kBlank, blanks));
  return count;
}

}  // namespace tavrune
