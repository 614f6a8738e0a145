#ifndef TAVRUNE_CARDBOX_CARDBOX_CLOCK_H_
#define TAVRUNE_CARDBOX_CARDBOX_CLOCK_H_

#include <cstdint>
#include <string>

#include "cardbox/cardbox.h"

namespace tavrune {

// The clock both programs schedule cards by. When the environment variable
// TAVRUNE_NOW holds Unix seconds the clock stands at that moment, so a walk
// or a script can live weeks ahead and get the same times on every run;
// otherwise it is the system time. A TAVRUNE_NOW that is no whole number is
// left in `bad_value` and the system time is used.
CardboxClock ProgramClock(std::string* bad_value);

// `time` in local time through strftime's `format`.
std::string LocalTimeText(int64_t time, const char* format);

// A moment as the study program shows it: "2026-03-14 10:00", local time.
std::string ShownTime(int64_t time);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_CARDBOX_CLOCK_H_
