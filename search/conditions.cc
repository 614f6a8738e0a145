#include "search/conditions.h"

#include <algorithm>

#include "engine/letters.h"

namespace tavrune {
namespace {

int Code(char c) { return static_cast<unsigned char>(c); }

// Follows the word's letters down the graph once and calls on_prefix(k) for
// every k whose first k letters are a word; stops when on_prefix says so.
template <typename OnPrefix>
bool AnyWordPrefix(const Lexicon& lexicon, std::string_view word, OnPrefix&& on_prefix) {
  uint32_t list = lexicon.RootList();
  for (size_t k = 0; k < word.size() && list != 0; ++k) {
    const uint32_t found = lexicon.Follow(list, word[k]);
    if (found == 0) return false;
    const GraphEdge e = lexicon.Entry(found);
    if (e.ends_word() && on_prefix(static_cast<int>(k) + 1)) return true;
    list = e.child();
  }
  return false;
}

}  // namespace

PatternCondition::PatternCondition(std::string_view pattern, bool matching)
    : SearchCondition(matching) {
  valid_ = !expression_.CompileWildcard(pattern).has_value();
}

bool PatternCondition::Test(std::string_view word, const Lexicon&) const {
  return valid_ && expression_.Matches(word);
}

SubstituteCondition::SubstituteCondition(std::string_view from, std::string_view to, bool matching)
    : SearchCondition(matching), from_(from), to_(to) {
  candidate_.reserve(2 * kMaxGraphDepth + to_.size());
}

bool SubstituteCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (word.size() < from_.size()) return false;
  if (from_.empty()) {
    for (size_t j = 0; j <= word.size(); ++j) {
      candidate_.assign(word.substr(0, j));
      candidate_ += to_;
      candidate_ += word.substr(j);
      if (lexicon.Contains(candidate_)) return true;
    }
    return false;
  }
  for (size_t at = word.find(from_); at != std::string_view::npos; at = word.find(from_, at + 1)) {
    candidate_.assign(word.substr(0, at));
    candidate_ += to_;
    candidate_ += word.substr(at + from_.size());
    if (lexicon.Contains(candidate_)) return true;
  }
  return false;
}

PrefixSubstituteCondition::PrefixSubstituteCondition(std::string_view from, std::string_view to,
                                                     bool matching)
    : SearchCondition(matching), from_(from), to_(to) {
  candidate_.reserve(kMaxGraphDepth + to_.size());
}

bool PrefixSubstituteCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (!word.starts_with(from_)) return false;
  candidate_.assign(to_);
  candidate_ += word.substr(from_.size());
  return lexicon.Contains(candidate_);
}

SuffixSubstituteCondition::SuffixSubstituteCondition(std::string_view from, std::string_view to,
                                                     bool matching)
    : SearchCondition(matching), from_(from), to_(to) {
  candidate_.reserve(kMaxGraphDepth + to_.size());
}

bool SuffixSubstituteCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (!word.ends_with(from_)) return false;
  candidate_.assign(word.substr(0, word.size() - from_.size()));
  candidate_ += to_;
  return lexicon.Contains(candidate_);
}

CompoundCondition::CompoundCondition(int min_left, int min_right, bool matching)
    : SearchCondition(matching), min_left_(min_left), min_right_(min_right) {}

bool CompoundCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  const int length = static_cast<int>(word.size());
  if (length < min_left_ + min_right_) return false;
  return AnyWordPrefix(lexicon, word, [&](int k) {
    return k >= min_left_ && k <= length - min_right_ && lexicon.Contains(word.substr(k));
  });
}

CryptogramCondition::CryptogramCondition(std::string_view pattern, bool matching)
    : SearchCondition(matching), length_(pattern.size()) {
  std::array<int, 256> group_of;
  group_of.fill(-1);
  for (size_t i = 0; i < pattern.size(); ++i) {
    int& group = group_of[Code(pattern[i])];
    if (group < 0) {
      group = static_cast<int>(groups_.size());
      groups_.emplace_back();
    }
    groups_[group].push_back(static_cast<uint16_t>(i));
  }
}

bool CryptogramCondition::Test(std::string_view word, const Lexicon&) const {
  if (word.size() != length_) return false;
  std::array<int, 256> counts = {};
  for (char c : word) ++counts[Code(c)];
  for (const std::vector<uint16_t>& group : groups_) {
    const char c = word[group.front()];
    if (counts[Code(c)] != static_cast<int>(group.size())) return false;
    for (uint16_t position : group) {
      if (word[position] != c) return false;
    }
  }
  return true;
}

ConsonantVowelCondition::ConsonantVowelCondition(std::string_view pattern, bool matching)
    : SearchCondition(matching), pattern_(pattern) {
  for (char c = 'A'; c <= 'Z'; ++c) classes_[Code(c)] = IsVowel(c) ? 'V' : 'C';
}

bool ConsonantVowelCondition::Test(std::string_view word, const Lexicon&) const {
  if (word.size() != pattern_.size()) return false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (pattern_[i] != '?' && pattern_[i] != classes_[Code(word[i])]) return false;
  }
  return true;
}

SubWordCondition::SubWordCondition(int length, bool every, bool matching)
    : SearchCondition(matching), length_(length), every_(every) {}

bool SubWordCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (length_ < 1) return every_;
  const int length = static_cast<int>(word.size());
  for (int start = 0; start + length_ <= length; ++start) {
    const bool is_word = lexicon.Contains(word.substr(start, length_));
    if (is_word != every_) return is_word;
  }
  return every_;
}

AnagramCondition::AnagramCondition(std::string_view rack, bool matching)
    : SearchCondition(matching), rack_(rack) {}

bool AnagramCondition::Test(std::string_view word, const Lexicon&) const {
  return rack_.Matches(word, false);
}

BuildCondition::BuildCondition(std::string_view rack, bool matching)
    : SearchCondition(matching), rack_(rack) {}

bool BuildCondition::Test(std::string_view word, const Lexicon&) const {
  LetterCounts tiles = rack_;
  for (char c : word) {
    if (tiles.TakeLetter(c) == '\0') return false;
  }
  return true;
}

BuildBuildCondition::BuildBuildCondition(std::string_view rack, bool matching)
    : SearchCondition(matching), rack_text_(rack), rack_(rack) {}

bool BuildBuildCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (word.size() >= rack_text_.size()) return false;
  LetterCounts tiles = rack_;
  for (char c : word) {
    if (tiles.TakeLetter(c) == '\0') return false;
  }
  return CountAnagrams(lexicon, tiles.TilesText()) > 0;
}

ContainsAnyCondition::ContainsAnyCondition(std::string_view letters, bool matching)
    : SearchCondition(matching) {
  for (char c : letters) {
    if (Code(c) < 128) wanted_[Code(c)] = true;
  }
}

bool ContainsAnyCondition::Test(std::string_view word, const Lexicon&) const {
  return std::any_of(word.begin(), word.end(),
                     [&](char c) { return Code(c) < 128 && wanted_[Code(c)]; });
}

ContainsExactCondition::ContainsExactCondition(std::string_view letters, bool matching)
    : SearchCondition(matching) {
  for (char c : letters) {
    if (Code(c) >= 128) continue;
    if (IsUpperLetter(c) && counts_[Code(c)] == 0) letters_ += c;
    ++counts_[Code(c)];
  }
}

bool ContainsExactCondition::Test(std::string_view word, const Lexicon&) const {
  for (char letter : letters_) {
    if (std::count(word.begin(), word.end(), letter) != counts_[Code(letter)]) return false;
  }
  return true;
}

AnagramCountCondition::AnagramCountCondition(int minimum, int maximum, bool matching)
    : SearchCondition(matching), minimum_(minimum), maximum_(maximum) {}

bool AnagramCountCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  const int count = CountAnagrams(lexicon, word);
  return count >= minimum_ && count <= maximum_;
}

ExtensionCondition::ExtensionCondition(int front, int end, bool matching)
    : SearchCondition(matching), front_(std::max(front, 0)), end_(std::max(end, 0)) {
  shape_.reserve(kMaxLength);
}

bool ExtensionCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (front_ + static_cast<int64_t>(word.size()) + end_ > kMaxLength) return false;
  shape_.assign(static_cast<size_t>(front_), '?');
  shape_ += word;
  shape_.append(static_cast<size_t>(end_), '?');
  return AnyWordMatches(lexicon, shape_);
}

VowelCountCondition::VowelCountCondition(int minimum, int maximum, bool matching)
    : SearchCondition(matching), minimum_(minimum), maximum_(maximum) {}

bool VowelCountCondition::Test(std::string_view word, const Lexicon&) const {
  const int vowels = VowelCount(word);
  return vowels >= minimum_ && vowels <= maximum_;
}

PointsCondition::PointsCondition(int minimum, int maximum, bool matching)
    : SearchCondition(matching), minimum_(minimum), maximum_(maximum) {}

bool PointsCondition::Test(std::string_view word, const Lexicon&) const {
  const int points = WordPoints(word);
  return points >= minimum_ && points <= maximum_;
}

LengthCondition::LengthCondition(int minimum, int maximum, bool matching)
    : SearchCondition(matching), minimum_(minimum), maximum_(maximum) {}

bool LengthCondition::Test(std::string_view word, const Lexicon&) const {
  const int64_t length = static_cast<int64_t>(word.size());
  return length >= minimum_ && length <= maximum_;
}

bool NoShorterWordCondition::Test(std::string_view word, const Lexicon& lexicon) const {
  if (word.size() < 2) return false;
  if (lexicon.Contains(word.substr(1))) return false;
  return !lexicon.Contains(word.substr(0, word.size() - 1));
}

bool LexiconMemberCondition::Test(std::string_view word, const Lexicon&) const {
  return other_.Contains(word);
}

}  // namespace tavrune
