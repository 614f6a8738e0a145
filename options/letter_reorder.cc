#include "options/letter_reorder.h"

#include <algorithm>

namespace tavrune {

bool LetterMoveEnabled(LetterMove move, int selected, int count) {
  if (selected < 0 || selected >= count) return false;
  switch (move) {
    case LetterMove::kTop:
    case LetterMove::kUp:
      return selected > 0;
    case LetterMove::kDown:
    case LetterMove::kBottom:
      return selected < count - 1;
  }
  return false;
}

int MoveLetter(std::string& order, int selected, LetterMove move) {
  const int count = static_cast<int>(order.size());
  if (!LetterMoveEnabled(move, selected, count)) return selected;
  int target = selected;
  switch (move) {
    case LetterMove::kTop:
      target = 0;
      break;
    case LetterMove::kUp:
      target = selected - 1;
      break;
    case LetterMove::kDown:
      target = selected + 1;
      break;
    case LetterMove::kBottom:
      target = count - 1;
      break;
  }
  // The letters between the two lines shift by one to make room.
  const auto from = order.begin() + selected;
  const auto to = order.begin() + target;
  if (target < selected) {
    std::rotate(to, from, from + 1);
  } else {
    std::rotate(from, from + 1, to + 1);
  }
  return target;
}

}  // namespace tavrune
