#ifndef TAVRUNE_OPTIONS_LETTER_REORDER_H_
#define TAVRUNE_OPTIONS_LETTER_REORDER_H_

#include <string>

namespace tavrune {

// The reorder dialog shows the user letter order one letter a line; each
// move takes the selected letter elsewhere and it stays selected.
enum class LetterMove { kTop, kUp, kDown, kBottom };

// Top and up need a line above the selected one, down and bottom a line
// below it; nothing moves without a selection.
bool LetterMoveEnabled(LetterMove move, int selected, int count);

// Moves the letter on line `selected` of `order` and returns the line it is
// on afterwards; a move that is not enabled changes nothing.
int MoveLetter(std::string& order, int selected, LetterMove move);

}  // namespace tavrune

#endif  // TAVRUNE_OPTIONS_LETTER_REORDER_H_
