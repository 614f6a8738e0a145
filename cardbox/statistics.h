#ifndef TAVRUNE_CARDBOX_STATISTICS_H_
#define TAVRUNE_CARDBOX_STATISTICS_H_

#include <cstdint>
#include <vector>

#include "cardbox/cardbox.h"

namespace tavrune {

// What the statistics window draws, read in one go.
struct CardboxStatistics {
  static constexpr int kDays = 30;

  std::vector<int64_t> boxes;  // cards per box, box 0 first
  int64_t cards = 0;
  DueForecast forecast;              // due now, then the rest of today and 29 days
  std::vector<DayCount> right_days;  // right answers of the last 30 days, today last
};

CardboxStatus ReadStatistics(Cardbox& cardbox, const CardFilter& filter,
                             CardboxStatistics* statistics);

// The step between the ticks of a chart's value axis: 1, 2 or 5 times a
// power of ten, the smallest that reaches `maximum` in at most `ticks`
// steps (at least 1, so an empty chart still has an axis).
int64_t AxisStep(int64_t maximum, int ticks);

// Every how many slots an axis label may stand so that labels `label_width`
// wide (with their gap) never overlap in slots `slot_width` wide.
int LabelStride(double label_width, double slot_width);

}  // namespace tavrune

#endif  // TAVRUNE_CARDBOX_STATISTICS_H_
