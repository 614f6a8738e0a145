#ifndef TAVRUNE_JUDGE_CHALLENGE_H_
#define TAVRUNE_JUDGE_CHALLENGE_H_

#include <string>
#include <string_view>
#include <vector>

#include "engine/lexicon.h"
#include "judge/split_words.h"

namespace tavrune {

// One judged play with the answer for each of its words, which the word logs
// need. The verdict follows the rule of JudgeWords.
struct ChallengeResult {
  std::vector<std::string> words;
  std::vector<bool> found;  // one per word
  Verdict verdict = Verdict::kNoWords;
};

ChallengeResult JudgeChallenge(const Lexicon& lexicon, std::string_view text);

// The judge program accepts only spaces and A-Z on a line. Lines end at '\n'
// (a '\r' before it belongs to the line break); every line is read whole.
bool HasInvalidCharacters(std::string_view text);
// The position of the first such character; npos when there is none.
size_t FirstInvalidCharacter(std::string_view text);

// Each line keeps only its letters A-Z (spaces go too) and ends with '\n'.
std::string RemoveInvalidCharacters(std::string_view text);

}  // namespace tavrune

#endif  // TAVRUNE_JUDGE_CHALLENGE_H_
