#include "cardbox/statistics.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>

namespace tavrune {

CardboxStatus ReadStatistics(Cardbox& cardbox, const CardFilter& filter,
                             CardboxStatistics* statistics) {
  CardboxStatistics read;
  if (CardboxStatus status = cardbox.BoxCounts(filter, &read.boxes); !status.ok()) return status;
  read.cards = std::accumulate(read.boxes.begin(), read.boxes.end(), int64_t{0});
  if (CardboxStatus status = cardbox.Forecast(filter, CardboxStatistics::kDays, &read.forecast);
      !status.ok()) {
    return status;
  }
  if (CardboxStatus status =
          cardbox.RightPerDay(filter, CardboxStatistics::kDays, &read.right_days);
      !status.ok()) {
    return status;
  }
  *statistics = std::move(read);
  return {};
}

int64_t AxisStep(int64_t maximum, int ticks) {
  ticks = std::max(ticks, 1);
  const int64_t least = std::max<int64_t>(maximum / ticks + (maximum % ticks > 0 ? 1 : 0), 1);
  for (int64_t power = 1; power <= INT64_MAX / 10; power *= 10) {
    for (int64_t factor : {1, 2, 5}) {
      if (factor * power >= least) return factor * power;
    }
  }
  return least;
}

int LabelStride(double label_width, double slot_width) {
  if (slot_width <= 0) return 1;
  return std::max(1, static_cast<int>(std::ceil(label_width / slot_width)));
}

}  // namespace tavrune
