#pragma once
// Shared finishing for the generated effects, so that all of them come out at a
// similar loudness with clean edges.
#include <cmath>
#include <vector>

#include "synth.h"

inline Samples Blank(double seconds) { return Samples(static_cast<size_t>(SamplesFor(seconds)), 0.0f); }
inline double TimeOf(size_t i) { return static_cast<double>(i) / kRate; }

// Loudness of the effects: RMS about -18 dBFS over the sound, peaks below -1 dBFS.
constexpr float kEffectRms = 0.125f, kEffectPeak = 0.89f;

// A one-shot: no offset, soft first and last milliseconds, levelled.
inline void FinishOneShot(Samples& s, float rms = kEffectRms) {
  RemoveDc(s, false);
  FadeEdges(s, 0.002, 0.02);
  Level(s, rms, kEffectPeak);
}

// A loop: `s` holds `length` periodic samples; `noise` was rendered `overlap`
// samples longer and is folded so that it also wraps without a seam.
inline void FinishLoop(Samples& s, Samples noise, int length, int overlap, float rms = kEffectRms) {
  CrossfadeLoop(noise, length, overlap);
  for (size_t i = 0; i < s.size(); ++i) s[i] += noise[i];
  RemoveDc(s, true);
  Level(s, rms, kEffectPeak);
}

// A tone of the first `count` harmonics falling as 1/k^tilt; odd harmonics only
// for a hollow, square-like sound.
class HarmonicTone {
 public:
  HarmonicTone(int count, double tilt, bool oddOnly = false) {
    for (int k = 1; k <= count; ++k)
      weights_.push_back(oddOnly && k % 2 == 0 ? 0.0f : static_cast<float>(1.0 / std::pow(k, tilt)));
  }
  // The tone at a phase in cycles of the fundamental.
  float operator()(double phase) const {
    float sum = 0;
    for (size_t k = 0; k < weights_.size(); ++k)
      if (weights_[k] != 0) sum += weights_[k] * SineCycles(phase * static_cast<double>(k + 1));
    return sum;
  }

 private:
  std::vector<float> weights_;
};
