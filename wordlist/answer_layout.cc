#include "wordlist/answer_layout.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tavrune {
namespace {

// The widths of the front and end hook groups of an Anagrams and Hooks
// answer, by entry length: as many hook letters as words of that length have.
constexpr std::array<int, 16> kFrontGroupWidth = {5, 5, 18, 19, 19, 13, 13, 8,
                                                  6, 3, 2,  2,  2,  2,  1,  0};
constexpr std::array<int, 16> kEndGroupWidth = {5, 5, 19, 11, 9, 5, 5, 4, 4, 4, 3, 3, 4, 3, 3, 0};

int GroupWidth(const std::array<int, 16>& table, int length) {
  return table[static_cast<size_t>(std::clamp(length, 0, 15))];
}

}  // namespace

std::string ListTitle(const ListSettings& settings) {
  const std::string front = std::to_string(settings.front_hook_letters);
  const std::string end = std::to_string(settings.end_hook_letters);
  switch (settings.list_type) {
    case ListType::kAnagrams:
      return "Anagrams";
    case ListType::kHooks:
      switch (settings.hook_type) {
        case HookType::kFront:
          return "Hooks (" + front + ",)";
        case HookType::kEnd:
          return "Hooks (," + end + ")";
        case HookType::kFrontAndEnd:
          return "Hooks (" + front + "," + end + ")";
        case HookType::kBothEnds:
          return "Hooks (" + front + "-" + end + ")";
      }
      return "Hooks ";
    case ListType::kList:
      return "List";
    case ListType::kAnagramsAndHooks:
      return "Anagrams and Hooks";
    case ListType::kBuild:
      return "Build (" + std::to_string(settings.build_minimum) + "-" +
             std::to_string(settings.build_maximum) + ")";
  }
  return "List";
}

AnswerLayout GetAnswerLayout(const ListSettings& settings, int shortest_entry, int longest_entry) {
  AnswerLayout layout;
  layout.shortest_entry = shortest_entry;
  layout.longest_entry = longest_entry;
  const int front = settings.front_hook_letters;
  const int end = settings.end_hook_letters;
  switch (settings.list_type) {
    case ListType::kAnagrams:
      layout.answer_width = longest_entry;
      break;
    case ListType::kHooks:
      switch (settings.hook_type) {
        case HookType::kFront:
          layout.answer_width = longest_entry + front;
          break;
        case HookType::kEnd:
          layout.answer_width = longest_entry + end;
          break;
        case HookType::kFrontAndEnd:
          layout.answer_width = longest_entry + std::max(front, end);
          break;
        case HookType::kBothEnds:
          layout.answer_width = longest_entry + front + end;
          break;
      }
      break;
    case ListType::kList:
      break;
    case ListType::kAnagramsAndHooks:
      layout.answer_width = longest_entry;
      layout.front_group_width = std::max(GroupWidth(kFrontGroupWidth, shortest_entry),
                                          GroupWidth(kFrontGroupWidth, longest_entry));
      layout.end_group_width = std::max(GroupWidth(kEndGroupWidth, shortest_entry),
                                        GroupWidth(kEndGroupWidth, longest_entry));
      break;
    case ListType::kBuild:
      layout.answer_width = std::min(longest_entry, settings.build_maximum);
      break;
  }
  return layout;
}

AnswerLineParts SplitAnswerLine(std::string_view line) {
  AnswerLineParts parts;
  const size_t first = line.find(' ');
  parts.front = line.substr(0, first);
  if (first == std::string_view::npos) return parts;
  const std::string_view rest = line.substr(first + 1);
  const size_t second = rest.find(' ');
  parts.anagram = rest.substr(0, second);
  if (second != std::string_view::npos) parts.end = rest.substr(second + 1);
  return parts;
}

}  // namespace tavrune
