#ifndef TAVRUNE_STUDY_QUIZ_ANSWERS_H_
#define TAVRUNE_STUDY_QUIZ_ANSWERS_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrune {

// The text without its trailing spaces (a leading space means something in
// an Anagrams and Hooks answer, so only the end is cut).
std::string_view WithoutTrailingSpaces(std::string_view text);

// A typed Anagrams and Hooks answer in the form of the list's answer lines:
// front hooks, a space, the word and, when there are end hooks, a space and
// the end hooks. The typed text is cut at its spaces (front hooks, word, end
// hooks; a text without a space is all front hooks) and each hook group
// becomes its distinct letters in alphabetical order, so the player may type
// hooks in any order.
std::string AnagramHookAnswerForm(std::string_view typed);

// "77.78%": the share of correct answers, 0 when no answer was asked.
std::string QuizPercentageText(int32_t correct, int32_t total);

}  // namespace tavrune

#endif  // TAVRUNE_STUDY_QUIZ_ANSWERS_H_
