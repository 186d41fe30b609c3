#include "film_sound.h"

#include <algorithm>
#include <cmath>

#include "instruments.h"
#include "music.h"

namespace {
constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};
constexpr std::array<int, 7> kAeolian{0, 2, 3, 5, 7, 8, 10};

// The first `seconds` of a style's arrangement starting at `from`, with the notes
// that would run past the end cut off.
Score Excerpt(const Style& style, double from, double seconds) {
  Score full = Compose(style, from);
  Score cut;
  cut.length = seconds;
  for (ScoreNote n : full.notes) {
    if (n.start >= seconds - 0.4) continue;
    if (!n.drum) n.length = std::min(n.length, seconds - n.start);
    cut.notes.push_back(n);
  }
  return cut;
}

Samples Finish(const Score& score, double seconds) {
  Samples s = RenderScore(score, false);
  s.resize(static_cast<size_t>(SamplesFor(seconds)), 0.0f);
  FadeEdges(s, 0.05, 1.2);
  return s;
}

void Chord(Score& score, double t, double len, Instrument i, int root, bool minor, float vel) {
  for (int k : {0, minor ? 3 : 4, 7, 12}) score.Note(t, len, i, root + k, vel);
}

// Wind: noise through a slowly wandering band-pass.
Samples Wind(double seconds, uint32_t seed) {
  Samples s(static_cast<size_t>(SamplesFor(seconds)));
  Noise noise(seed);
  Resonator band(400, 1.5);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    band.Set(300 + 180 * std::sin(t * 0.7) + 90 * std::sin(t * 1.9), 1.5);
    s[i] = band.Band(noise()) * static_cast<float>(0.5 + 0.35 * std::sin(t * 0.45));
  }
  return s;
}

// A firework: the thud of the launch, then a crackling burst.
Samples Burst(uint32_t seed) {
  Samples s(static_cast<size_t>(SamplesFor(1.4)));
  Noise noise(seed);
  OnePole low(500);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const float boom = low.Low(noise()) * static_cast<float>(std::exp(-t * 9) * 3.0);
    const float crackle = noise.Unit() < 0.02 * std::exp(-t * 2.5) ? noise() : 0.0f;
    s[i] = boom + crackle * 0.6f;
  }
  return s;
}
}  // namespace

Samples OpeningSound(double seconds) {
  Style s{126, 4, 62, kMajor, false, {0, 3, 4, 0, 5, 3, 4, 0}, {3, 4, 2, 5, 1, 4, 0, 4}, "AABA",
          Instrument::Brass, Instrument::Flute, Instrument::Pluck, Comp::Strum, BassLine::RootFifth, Beat::Pop, false, 131};
  const double marchAt = 4.5;
  Score score = Excerpt(s, marchAt, seconds);
  Chord(score, 0.0, marchAt, Instrument::Pad, 50, false, 0.3f);  // dawn: one held chord and a bird-like bell
  for (int k = 0; k < 6; ++k) score.Note(0.6 + k * 0.62, 0.25, Instrument::Bell, 86 + (k % 3) * 2, 0.25f);
  score.Hit(marchAt, Drum::Crash, 0.5f);
  score.Hit(marchAt, Drum::Timpani, 0.8f);
  return Finish(score, seconds);
}

Samples ClosedSound(double seconds) {
  Score score;
  score.length = seconds;
  const int tune[] = {69, 67, 65, 64, 65, 64, 62, 60, 62, 57};
  for (int k = 0; k < 10; ++k) score.Note(0.8 + k * 1.05, 1.0, Instrument::Flute, tune[k], 0.5f);
  for (int k = 0; k < 3; ++k) Chord(score, k * 4.0, 4.0, Instrument::Pad, k == 1 ? 41 : 45, k != 1, 0.25f);
  Samples s = Finish(score, seconds);
  MixInto(s, Wind(seconds, 12), 0, 0.25f);
  FadeEdges(s, 0.5, 1.5);
  return s;
}

Samples ClearedSound(double seconds, const std::vector<double>& bursts) {
  Style s{132, 4, 60, kMajor, false, {0, 4, 5, 3, 0, 4, 3, 4}, {3, 4, 2, 5, 1, 4, 0, 4}, "AABA",
          Instrument::Brass, Instrument::Marimba, Instrument::Pluck, Comp::Strum, BassLine::Walking, Beat::Pop, false, 149};
  Score score = Excerpt(s, 1.0, seconds);
  Chord(score, 0.0, 1.0, Instrument::Brass, 60, false, 0.5f);
  score.Hit(0.0, Drum::Timpani, 0.9f);
  Samples out = Finish(score, seconds);
  for (size_t b = 0; b < bursts.size(); ++b)
    MixInto(out, Burst(static_cast<uint32_t>(b) + 3), SamplesFor(bursts[b]), 0.35f);
  SoftLimit(out, 0.8f);
  return out;
}

Samples FarewellSound(double seconds) {
  Style s{96, 3, 57, kAeolian, false, {0, 5, 2, 6, 0, 3, 4, 0}, {5, 2, 3, 0, 5, 6, 4, 4}, "AABA",
          Instrument::Flute, Instrument::Bell, Instrument::EPiano, Comp::Waltz, BassLine::Waltz, Beat::None, true, 173};
  return Finish(Excerpt(s, 0.0, seconds), seconds);
}

std::vector<int16_t> Pcm16(const Samples& s) {
  std::vector<int16_t> out(s.size());
  for (size_t i = 0; i < s.size(); ++i)
    out[i] = static_cast<int16_t>(std::lround(std::clamp(s[i], -1.0f, 1.0f) * 32767.0f));
  return out;
}
