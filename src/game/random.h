#pragma once
#include <cstdint>

// The one game-wide generator. Replays and tests depend on the exact sequence of
// draws, so everything that draws goes through this object in a fixed order.
class Random {
 public:
  explicit Random(uint64_t seed = 1) { Seed(seed); }
  void Seed(uint64_t seed);
  // A uniform integer 0 .. n-1; 0 without consuming a draw when n <= 0.
  int operator()(int n) {
    if (n <= 0) return 0;
    return static_cast<int>((static_cast<uint64_t>(Next()) * static_cast<uint64_t>(n)) >> 32);
  }
  uint64_t State() const { return state_; }

 private:
  // PCG32: small, fast and the same on every platform. Inline: the simulation draws
  // thousands of times a tick.
  uint32_t Next() {
    uint64_t old = state_;
    state_ = old * 6364136223846793005ULL + 1442695040888963407ULL;
    uint32_t xorshifted = static_cast<uint32_t>(((old >> 18u) ^ old) >> 27u);
    uint32_t rot = static_cast<uint32_t>(old >> 59u);
    return (xorshifted >> rot) | (xorshifted << ((32u - rot) & 31u));
  }
  uint64_t state_ = 0;
};

// Real-to-integer conversion as the game's rules use it: nearest, halves to even.
int32_t RoundHalfEven(double value);
