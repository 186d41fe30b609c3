#include "shell/random.h"

#include <cmath>

void Random::Seed(uint64_t seed) {
  state_ = seed * 6364136223846793005ULL + 1442695040888963407ULL;
  Next();
}

// PCG32: small, fast and the same on every platform.
uint32_t Random::Next() {
  uint64_t old = state_;
  state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
  uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
  uint32_t rot = static_cast<uint32_t>(old >> 59u);
  return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
}

int Random::operator()(int n) {
  if (n <= 0) return 0;
  return static_cast<int>((static_cast<uint64_t>(Next()) * static_cast<uint64_t>(n)) >> 32);
}

int32_t RoundHalfEven(double value) {
  // nearbyint honours the default rounding mode, which is to-nearest-even.
  return static_cast<int32_t>(std::nearbyint(value));
}
