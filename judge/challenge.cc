#include "judge/challenge.h"

namespace tavrune {
namespace {

bool IsLetter(char c) { return c >= 'A' && c <= 'Z'; }

// Calls `visit` with each line of `text`, without its line break.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    const bool has_break = end != std::string_view::npos;
    if (!has_break) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (has_break && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    visit(line);
    start = has_break ? end + 1 : end;
  }
}

}  // namespace

ChallengeResult JudgeChallenge(const Lexicon& lexicon, std::string_view text) {
  ChallengeResult result;
  result.words = SplitWords(text);
  if (result.words.empty()) return result;
  result.found.reserve(result.words.size());
  bool acceptable = true;
  for (const std::string& word : result.words) {
    const bool found = lexicon.Contains(word);
    result.found.push_back(found);
    acceptable = acceptable && found;
  }
  result.verdict = acceptable ? Verdict::kAcceptable : Verdict::kNotAcceptable;
  return result;
}

bool HasInvalidCharacters(std::string_view text) {
  return FirstInvalidCharacter(text) != std::string_view::npos;
}

size_t FirstInvalidCharacter(std::string_view text) {
  size_t first = std::string_view::npos;
  ForEachLine(text, [&](std::string_view line) {
    for (size_t i = 0; i < line.size() && first == std::string_view::npos; ++i) {
      if (line[i] != ' ' && !IsLetter(line[i])) first = (line.data() - text.data()) + i;
    }
  });
  return first;
}

std::string RemoveInvalidCharacters(std::string_view text) {
  std::string cleaned;
  cleaned.reserve(text.size() + 1);
  ForEachLine(text, [&cleaned](std::string_view line) {
    for (char c : line) {
      if (IsLetter(c)) cleaned += c;
    }
    cleaned += '\n';
  });
  return cleaned;
}

}  // namespace tavrune
