#pragma once
// Building blocks for the generated sounds: oscillators, noise, filters, envelopes
// and level handling over mono float buffers at the game's sample rate.
#include <cstdint>
#include <vector>

constexpr int kRate = 22050;
using Samples = std::vector<float>;

inline int SamplesFor(double seconds) { return static_cast<int>(seconds * kRate + 0.5); }
double NoteHz(double midi);

// Sine of a phase measured in cycles, from a table.
float SineCycles(double phase);

// Deterministic white noise and draws, one stream per seed.
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
  float operator()();  // -1 .. 1
  double Unit();       // 0 .. 1
  int Below(int n);    // 0 .. n-1

 private:
  uint32_t Next();
  uint32_t state_;
};

// One-pole low-pass; High returns the part above the corner.
class OnePole {
 public:
  explicit OnePole(double hz = 1000.0) { Set(hz); }
  void Set(double hz);
  float Low(float x) { return z_ += k_ * (x - z_); }
  float High(float x) { return x - Low(x); }

 private:
  float k_ = 0, z_ = 0;
};

// State-variable filter: band-pass and low-pass outputs of one resonant stage.
class Resonator {
 public:
  Resonator(double hz, double q) { Set(hz, q); }
  void Set(double hz, double q);
  float Band(float x) {
    Step(x);
    return band_;
  }
  float Low(float x) {
    Step(x);
    return low_;
  }

 private:
  void Step(float x) {
    low_ += f_ * band_;
    float high = x - low_ - damp_ * band_;
    band_ += f_ * high;
  }
  float f_ = 0, damp_ = 1, low_ = 0, band_ = 0;
};

// Adds `what` into `into` from sample `at`; with wrap, what runs past the end
// continues at the start (for loops).
void MixInto(Samples& into, const Samples& what, int at, float gain, bool wrap = false);

// Peak and root-mean-square level.
float Peak(const Samples& s);
float Rms(const Samples& s);
// Scales to reach the target RMS without the peak passing `maxPeak`.
void Level(Samples& s, float targetRms, float maxPeak);
// Rounds off peaks above `knee` (a memoryless soft clipper, so loops stay seamless);
// the result stays below 1.
void SoftLimit(Samples& s, float knee);
// Raised-cosine fade in and out (seconds).
void FadeEdges(Samples& s, double in, double out);
// Removes the DC offset and rumble below ~20 Hz, running circularly for loops.
void RemoveDc(Samples& s, bool loop);
// Joins the end of a buffer rendered past its loop length back onto its start by a
// crossfade over `overlap` samples, leaving exactly `length` samples that loop.
void CrossfadeLoop(Samples& s, int length, int overlap);
// A small room: feedback combs and all-passes; for loops the tail wraps round.
void Reverb(Samples& s, float wet, float size, bool loop);
