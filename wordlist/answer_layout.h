#ifndef TAVRUNE_WORDLIST_ANSWER_LAYOUT_H_
#define TAVRUNE_WORDLIST_ANSWER_LAYOUT_H_

#include <string>
#include <string_view>

#include "wordlist/list_settings.h"

namespace tavrune {

// Column widths for showing and printing answers, in characters.
struct AnswerLayout {
  int answer_width = 0;
  int longest_entry = 0;
  int front_group_width = 0;
  int end_group_width = 0;
  int shortest_entry = 0;
  friend bool operator==(const AnswerLayout&, const AnswerLayout&) = default;
};

// The three parts of an Anagrams and Hooks answer line.
struct AnswerLineParts {
  std::string front;
  std::string anagram;
  std::string end;
  friend bool operator==(const AnswerLineParts&, const AnswerLineParts&) = default;
};

// "Anagrams", "Hooks (2,1)", "Build (2-15)" ...
std::string ListTitle(const ListSettings& settings);

// The widths answers of a list need, given its shortest and longest entry.
AnswerLayout GetAnswerLayout(const ListSettings& settings, int shortest_entry, int longest_entry);

// "AB CAT S" as front letters, anagram and end letters.
AnswerLineParts SplitAnswerLine(std::string_view line);

}  // namespace tavrune

#endif  // TAVRUNE_WORDLIST_ANSWER_LAYOUT_H_
