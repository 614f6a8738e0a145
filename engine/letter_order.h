#ifndef TAVRUNE_ENGINE_LETTER_ORDER_H_
#define TAVRUNE_ENGINE_LETTER_ORDER_H_

#include <span>
#include <string>
#include <string_view>

#include "engine/random_source.h"

namespace tavrune {

// The ways the letters inside one word or rack are rearranged for study.
// Every one is a permutation of the characters it is given: nothing is lost
// or invented, so they all work in place.

// The letters A-Z in alphabetical order, then every other character (blanks,
// lower-case letters) in the order it had: "B?A" becomes "AB?".
void AlphagramInPlace(std::span<char> word);
std::string Alphagram(std::string_view word);

// The characters ranked by their first position in `order`; characters not in
// it come before all others. Equal ranks keep alphabetical (byte) order.
void ArrangeLettersInPlace(std::span<char> word, std::string_view order);

// When `word` holds every character of `stem` (with multiplicity): the stem
// followed by the alphagram of the remaining characters; otherwise the
// alphagram of the word.
void ArrangeStemInPlace(std::span<char> word, std::string_view stem);

// The characters in a uniformly random order.
void ShuffleLettersInPlace(std::span<char> word, RandomEngine& engine);

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_LETTER_ORDER_H_
