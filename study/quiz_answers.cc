#include "study/quiz_answers.h"

#include <array>
#include <cstdio>

namespace tavrune {
namespace {

std::string DistinctLetters(std::string_view letters) {
  std::array<bool, 26> seen{};
  for (char c : letters) {
    if (c >= 'A' && c <= 'Z') seen[c - 'A'] = true;
  }
  std::string result;
  for (int i = 0; i < 26; ++i) {
    if (seen[i]) result += static_cast<char>('A' + i);
  }
  return result;
}

// The part of `text` before the next space; `text` keeps what follows it.
std::string_view TakePart(std::string_view& text) {
  const size_t space = text.find(' ');
  const std::string_view part = text.substr(0, space);
  text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  return part;
}

}  // namespace

std::string_view WithoutTrailingSpaces(std::string_view text) {
  const size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string AnagramHookAnswerForm(std::string_view typed) {
  const std::string front = DistinctLetters(TakePart(typed));
  const std::string_view word = TakePart(typed);
  const std::string end = DistinctLetters(TakePart(typed));
  std::string answer = front + ' ' + std::string(word);
  if (!end.empty()) answer += ' ' + end;
  return answer;
}

std::string QuizPercentageText(int32_t correct, int32_t total) {
  const long double percentage =
      total == 0 ? 0.0L : 100.0L * static_cast<long double>(correct) / total;
  char text[64];
  std::snprintf(text, sizeof text, "%.2Lf%%", percentage);
  return text;
}

}  // namespace tavrune
