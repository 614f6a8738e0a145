#ifndef TAVRUNE_CARDBOX_CARDBOX_CLOCK_H_
#define TAVRUNE_CARDBOX_CARDBOX_CLOCK_H_

#include <string>

#include "cardbox/cardbox.h"

namespace tavrune {

// The clock both programs schedule cards by. When the environment variable
// TAVRUNE_NOW holds Unix seconds the clock stands at that moment, so a walk
// or a script can live weeks ahead and get the same times on every run;
// otherwise it is the system time. A TAVRUNE_NOW that is no whole number is
// left in `bad_value` and the system time is used.
CardboxClock ProgramClock(std::string* bad_value);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_CARDBOX_CLOCK_H_
