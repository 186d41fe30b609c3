#include "game/random.h"

#include <cmath>

void Random::Seed(uint64_t seed) {
  state_ = seed * 6364136223846793005ULL + 1442695040888963407ULL;
  Next();
}

int32_t RoundHalfEven(double value) {
  // nearbyint honours the default rounding mode, which is to-nearest-even.
  return static_cast<int32_t>(std::nearbyint(value));
}
