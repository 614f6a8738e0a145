#ifndef TAVRUNE_ENGINE_RANDOM_SOURCE_H_
#define TAVRUNE_ENGINE_RANDOM_SOURCE_H_

#include <cstdint>
#include <ctime>
#include <random>
#include <utility>

namespace tavrune {

// The pseudo-random generator every shuffle and draw takes as an argument,
// so the program seeds one from the clock and tests seed their own.
using RandomEngine = std::mt19937;

// An unbiased draw from 0 to n - 1 (0 when n is 0 or 1). Written out rather
// than taken from <random>, whose distributions differ between libraries, so
// a seed gives the same draws everywhere.
inline uint32_t RandomBelow(RandomEngine& engine, uint32_t n) {
  if (n <= 1) return 0;
  uint64_t product = static_cast<uint64_t>(static_cast<uint32_t>(engine())) * n;
  uint32_t low = static_cast<uint32_t>(product);
  if (low < n) {
    const uint32_t threshold = (0u - n) % n;
    while (low < threshold) {
      product = static_cast<uint64_t>(static_cast<uint32_t>(engine())) * n;
      low = static_cast<uint32_t>(product);
    }
  }
  return static_cast<uint32_t>(product >> 32);
}

// Puts the elements of a random-access range in a uniformly random order.
template <typename Iterator>
void ShuffleRange(Iterator first, Iterator last, RandomEngine& engine) {
  const auto n = last - first;
  for (auto i = n - 1; i > 0; --i) {
    const auto j = static_cast<decltype(i)>(RandomBelow(engine, static_cast<uint32_t>(i + 1)));
    if (j != i) std::swap(first[i], first[j]);
  }
}

// The program's generator, seeded from the clock once at start-up.
inline RandomEngine ClockSeededEngine() {
  return RandomEngine(static_cast<uint32_t>(std::time(nullptr)));
}

}  // namespace tavrune

#endif  // TAVRUNE_ENGINE_RANDOM_SOURCE_H_
