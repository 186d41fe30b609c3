#pragma once
#include <cstdint>

// The one game-wide generator. Replays and tests depend on the exact sequence of
// draws, so everything that draws goes through this object in a fixed order.
class Random {
 public:
  explicit Random(uint64_t seed = 1) { Seed(seed); }
  void Seed(uint64_t seed);
  // A uniform integer 0 .. n-1; 0 without consuming a draw when n <= 0.
  int operator()(int n);
  uint64_t State() const { return state_; }

 private:
  uint32_t Next();
  uint64_t state_ = 0;
};

// Real-to-integer conversion as the game's rules use it: nearest, halves to even.
int32_t RoundHalfEven(double value);
