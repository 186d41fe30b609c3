#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
constexpr int kTableBits = 12;
constexpr int kTableSize = 1 << kTableBits;

const std::array<float, kTableSize + 1>& SineTable() {
  static const auto table = [] {
    std::array<float, kTableSize + 1> t{};
    for (int i = 0; i <= kTableSize; ++i) t[static_cast<size_t>(i)] = static_cast<float>(std::sin(2.0 * std::numbers::pi * i / kTableSize));
    return t;
  }();
  return table;
}
}  // namespace

double NoteHz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

float SineCycles(double phase) {
  const auto& t = SineTable();
  double p = (phase - std::floor(phase)) * kTableSize;
  int i = static_cast<int>(p);
  float f = static_cast<float>(p - i);
  return t[static_cast<size_t>(i)] + f * (t[static_cast<size_t>(i) + 1] - t[static_cast<size_t>(i)]);
}

uint32_t Noise::Next() {
  // xorshift32: small, fast and the same on every machine.
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}
float Noise::operator()() { return static_cast<float>(Next() >> 8) * (2.0f / 16777216.0f) - 1.0f; }
double Noise::Unit() { return (Next() >> 8) / 16777216.0; }
int Noise::Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint32_t>(n)); }

void OnePole::Set(double hz) {
  k_ = static_cast<float>(1.0 - std::exp(-2.0 * std::numbers::pi * std::min(hz, kRate * 0.49) / kRate));
}

void Resonator::Set(double hz, double q) {
  f_ = static_cast<float>(2.0 * std::sin(std::numbers::pi * std::min(hz, kRate * 0.2) / kRate));
  damp_ = static_cast<float>(1.0 / std::max(q, 0.5));
}

void MixInto(Samples& into, const Samples& what, int at, float gain, bool wrap) {
  const int n = static_cast<int>(into.size());
  if (n == 0) return;
  for (size_t i = 0; i < what.size(); ++i) {
    int j = at + static_cast<int>(i);
    if (wrap) j = ((j % n) + n) % n;
    else if (j < 0 || j >= n) continue;
    into[static_cast<size_t>(j)] += what[i] * gain;
  }
}

float Peak(const Samples& s) {
  float p = 0;
  for (float x : s) p = std::max(p, std::abs(x));
  return p;
}

float Rms(const Samples& s) {
  if (s.empty()) return 0;
  double sum = 0;
  for (float x : s) sum += static_cast<double>(x) * x;
  return static_cast<float>(std::sqrt(sum / static_cast<double>(s.size())));
}

void Level(Samples& s, float targetRms, float maxPeak) {
  float peak = Peak(s), rms = Rms(s);
  if (peak <= 0 || rms <= 0) return;
  float gain = std::min(targetRms / rms, maxPeak / peak);
  for (float& x : s) x *= gain;
}

void SoftLimit(Samples& s, float knee) {
  for (float& x : s) {
    float a = std::abs(x);
    if (a > knee) x = std::copysign(knee + (1 - knee) * std::tanh((a - knee) / (1 - knee)), x);
  }
}

void FadeEdges(Samples& s, double in, double out) {
  const int n = static_cast<int>(s.size());
  int a = std::min(SamplesFor(in), n), b = std::min(SamplesFor(out), n);
  for (int i = 0; i < a; ++i)
    s[static_cast<size_t>(i)] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / a));
  for (int i = 0; i < b; ++i)
    s[static_cast<size_t>(n - 1 - i)] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * i / b));
}

void RemoveDc(Samples& s, bool loop) {
  OnePole lp(20.0);
  if (loop)
    for (float x : s) lp.Low(x);  // settle on the loop so the wrap stays smooth
  for (float& x : s) x -= lp.Low(x);
}

void CrossfadeLoop(Samples& s, int length, int overlap) {
  overlap = std::min({overlap, length, static_cast<int>(s.size()) - length});
  for (int i = 0; i < overlap; ++i) {
    // Equal-power: the two parts are unrelated (noise), so their powers add.
    double t = (i + 0.5) / overlap;
    float in = static_cast<float>(std::sin(0.5 * std::numbers::pi * t));
    float out = static_cast<float>(std::cos(0.5 * std::numbers::pi * t));
    s[static_cast<size_t>(i)] = s[static_cast<size_t>(i)] * in + s[static_cast<size_t>(length + i)] * out;
  }
  s.resize(static_cast<size_t>(length));
}

namespace {
class Delay {
 public:
  explicit Delay(int n) : buf_(static_cast<size_t>(std::max(n, 1)), 0.0f) {}
  float Comb(float x, float feedback, float& damp, float damping) {
    float y = buf_[pos_];
    damp = y * (1 - damping) + damp * damping;
    buf_[pos_] = x + damp * feedback;
    Advance();
    return y;
  }
  float AllPass(float x) {
    float y = buf_[pos_];
    buf_[pos_] = x + y * 0.5f;
    Advance();
    return y - x;
  }

 private:
  void Advance() { pos_ = pos_ + 1 == buf_.size() ? 0 : pos_ + 1; }
  std::vector<float> buf_;
  size_t pos_ = 0;
};
}  // namespace

void Reverb(Samples& s, float wet, float size, bool loop) {
  std::array<Delay, 4> combs{Delay(static_cast<int>(558 * size)), Delay(static_cast<int>(594 * size)),
                             Delay(static_cast<int>(638 * size)), Delay(static_cast<int>(678 * size))};
  std::array<float, 4> damp{};
  Delay ap1(278), ap2(220);
  auto step = [&](float x) {
    float y = 0;
    for (size_t c = 0; c < combs.size(); ++c) y += combs[c].Comb(x * 0.25f, 0.82f, damp[c], 0.3f);
    return ap2.AllPass(ap1.AllPass(y));
  };
  if (loop)
    for (float x : s) step(x);  // the tail of the loop's end rings into its start
  for (float& x : s) x += wet * step(x);
}
