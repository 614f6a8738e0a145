#ifndef TAVRUNE_JUDGE_SPLIT_WORDS_H_
#define TAVRUNE_JUDGE_SPLIT_WORDS_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"

namespace tavrune {

// The words of a challenged play: maximal runs of upper-case letters A-Z in
// the typed text, in order, duplicates kept. Every other character ends a
// word. Lines of any length are read whole, so no typed letter escapes the
// judge.
std::vector<std::string> SplitWords(std::string_view text);

enum class Verdict { kNoWords, kAcceptable, kNotAcceptable };

// Acceptable when every word is in the lexicon; every word is looked up.
Verdict JudgeWords(const Lexicon& lexicon, const std::vector<std::string>& words);
Verdict JudgePlay(const Lexicon& lexicon, std::string_view text);

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_SPLIT_WORDS_H_
