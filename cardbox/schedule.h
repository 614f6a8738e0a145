#ifndef TAVRUNE_CARDBOX_SCHEDULE_H_
#define TAVRUNE_CARDBOX_SCHEDULE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/random_source.h"

namespace tavrune {

inline constexpr int64_t kSecondsPerDay = 86400;
// The highest box; a card answered right there stays there.
inline constexpr int kMaxBox = 999;

// How far ahead an answered card is put: for the box it lands in, an
// interval of days and a random spread of up to that many days either way,
// so cards learnt together do not all come back on one day. Boxes past the
// end of a list take its last value.
struct CardboxSchedule {
  static constexpr int kMaxDays = 3650;
  static constexpr int kMaxBoxes = 64;

  std::vector<int> intervals = {1, 4, 7, 12, 20, 30, 60, 90, 150, 270, 480};
  std::vector<int> spreads = {0, 1, 2, 3, 5, 7, 10, 15, 20, 30, 50};
  // A missed card goes down one box instead of back to box 0.
  bool missed_down_one = false;

  friend bool operator==(const CardboxSchedule&, const CardboxSchedule&) = default;
};

// Whole numbers of days separated by spaces or commas ("1 4 7"): 1 to
// kMaxBoxes of them, each from 0 to kMaxDays. Nothing otherwise.
std::optional<std::vector<int>> ParseDayList(std::string_view text);
std::string FormatDayList(const std::vector<int>& days);

// The box a card in `box` moves to after an answer.
int BoxAfterAnswer(const CardboxSchedule& schedule, int box, bool right);

// When a card placed in `box` at `now` is due again, never before `now`.
int64_t NextDue(const CardboxSchedule& schedule, int box, int64_t now, RandomEngine& random);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_SCHEDULE_H_
