#include "cardbox/schedule.h"

#include <algorithm>

namespace tavrune {

std::optional<std::vector<int>> ParseDayList(std::string_view text) {
  std::vector<int> days;
  size_t i = 0;
  while (true) {
    while (i < text.size() && (text[i] == ' ' || text[i] == ',' || text[i] == '\t')) ++i;
    if (i == text.size()) break;
    int value = 0;
    const size_t start = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + (text[i] - '0');
      if (value > CardboxSchedule::kMaxDays) return std::nullopt;
      ++i;
    }
    if (i == start || static_cast<int>(days.size()) == CardboxSchedule::kMaxBoxes) {
      return std::nullopt;
    }
    days.push_back(value);
  }
  if (days.empty()) return std::nullopt;
  return days;
}

std::string FormatDayList(const std::vector<int>& days) {
  std::string text;
  for (int d : days) {
    if (!text.empty()) text += ' ';
    text += std::to_string(d);
  }
  return text;
}

int BoxAfterAnswer(const CardboxSchedule& schedule, int box, bool right) {
  if (right) return std::min(box + 1, kMaxBox);
  return schedule.missed_down_one ? std::max(box - 1, 0) : 0;
}

int64_t NextDue(const CardboxSchedule& schedule, int box, int64_t now, RandomEngine& random) {
  const auto for_box = [box](const std::vector<int>& days) -> int64_t {
    if (days.empty()) return 0;
    return days[std::min<size_t>(static_cast<size_t>(std::max(box, 0)), days.size() - 1)];
  };
  const int64_t spread = for_box(schedule.spreads) * kSecondsPerDay;
  const int64_t offset = for_box(schedule.intervals) * kSecondsPerDay - spread +
                         RandomBelow(random, static_cast<uint32_t>(2 * spread + 1));
  return now + std::max<int64_t>(offset, 0);
}

}  // namespace tavrune
