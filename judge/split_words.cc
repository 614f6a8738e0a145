#include "judge/split_words.h"

namespace tavrune {

std::vector<std::string> SplitWords(std::string_view text) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] < 'A' || text[i] > 'Z')) ++i;
    const size_t start = i;
    while (i < text.size() && text[i] >= 'A' && text[i] <= 'Z') ++i;
    if (i > start) words.emplace_back(text.substr(start, i - start));
  }
  return words;
}

Verdict JudgeWords(const Lexicon& lexicon, const std::vector<std::string>& words) {
  if (words.empty()) return Verdict::kNoWords;
  bool acceptable = true;
  for (const std::string& word : words) {
    // Deliberately no early exit: every word of the play is looked up.
    acceptable = lexicon.Contains(word) && acceptable;
  }
  return acceptable ? Verdict::kAcceptable : Verdict::kNotAcceptable;
}

Verdict JudgePlay(const Lexicon& lexicon, std::string_view text) {
  return JudgeWords(lexicon, SplitWords(text));
}

}  // namespace tavrune
