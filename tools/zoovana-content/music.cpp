#include "music.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

struct Rhythm {
  std::vector<std::pair<double, double>> notes;  // onset and length in beats
};

const std::vector<Rhythm>& Rhythms(int meter) {
  static const std::vector<Rhythm> four{
      {{{0, 1}, {1, 1}, {2, 1.5}, {3.5, 0.5}}},
      {{{0, 0.5}, {0.5, 0.5}, {1, 1}, {2, 0.5}, {2.5, 0.5}, {3, 1}}},
      {{{0, 1.5}, {1.5, 0.5}, {2, 2}}},
      {{{0, 0.5}, {0.5, 0.5}, {1, 0.5}, {1.5, 0.5}, {2, 1}, {3, 1}}},
      {{{0, 2}, {2, 1}, {3, 1}}},
      {{{0.5, 0.5}, {1, 1}, {2, 1}, {3, 0.5}, {3.5, 0.5}}},
  };
  static const std::vector<Rhythm> three{
      {{{0, 1}, {1, 1}, {2, 1}}},
      {{{0, 2}, {2, 1}}},
      {{{0, 1.5}, {1.5, 0.5}, {2, 1}}},
      {{{0, 0.5}, {0.5, 0.5}, {1, 1}, {2, 1}}},
  };
  return meter == 3 ? three : four;
}

Rhythm Ending(int meter) { return meter == 3 ? Rhythm{{{0, 3}}} : Rhythm{{{0, 1}, {1, 3}}}; }

struct MelodyNote {
  double beat, length;  // within the section, in beats
  int degree;
};

class Composer {
 public:
  Composer(const Style& s, Score& score, double offset) : s_(s), score_(score), offset_(offset) {}

  double Beat() const { return 60.0 / s_.bpm; }
  double Bar() const { return s_.meter * Beat(); }

  // Accompaniment register: high keys move down an octave so that the melody sits
  // above the chords and the bass below them.
  int Home() const { return s_.key > 61 ? s_.key - 12 : s_.key; }

  int Midi(int degree, int base) const {
    int oct = degree >= 0 ? degree / 7 : -((-degree + 6) / 7);
    int d = degree - oct * 7;
    return base + 12 * oct + s_.scale[static_cast<size_t>(d)];
  }

  void Section(int index, char letter) {
    const std::vector<int>& prog = letter == 'A' ? s_.progA : s_.progB;
    double start = offset_ + index * 8 * Bar();
    for (int bar = 0; bar < 8; ++bar) {
      double t = start + bar * Bar();
      int root = prog[static_cast<size_t>(bar)];
      int next = bar + 1 < 8 ? prog[static_cast<size_t>(bar + 1)] : s_.progA[0];
      Accompany(t, root, next);
      Drums(t, bar, bar == 7);
    }
    Instrument lead = letter == 'A' ? s_.lead : s_.leadB;
    for (const MelodyNote& n : Melody(prog, letter, index))
      score_.Note(start + n.beat * Beat(), n.length * Beat() * 0.92, lead, Midi(n.degree, Home() + 12),
                  0.75f);
  }

 private:
  // One 8-bar melody: a motif, its sequence on the next chords, a contrasting
  // phrase and the motif again closing on a chord tone. Repeated sections share the
  // motif and vary the close.
  std::vector<MelodyNote> Melody(const std::vector<int>& prog, char letter, int index) {
    Noise pick(s_.seed * 7919u + static_cast<uint32_t>(letter));
    const auto& rhythms = Rhythms(s_.meter);
    auto choose = [&] { return rhythms[static_cast<size_t>(pick.Below(static_cast<int>(rhythms.size())))]; };
    Rhythm r1 = choose(), r2 = choose(), r3 = choose(), r4 = choose();
    std::vector<MelodyNote> out;
    int prev = 4;
    auto bar = [&](int b, const Rhythm& r, Noise& rnd) {
      for (auto [onset, len] : r.notes) {
        int chord = prog[static_cast<size_t>(b)];
        bool strong = onset == 0 || (s_.meter == 4 && onset == 2);
        prev = strong ? ChordToneNear(chord, prev, rnd) : StepFrom(prev, rnd);
        out.push_back({b * s_.meter + onset, len, prev});
      }
    };
    bar(0, r1, pick);
    bar(1, r2, pick);
    // The sequence: the motif moved by the distance between the chords.
    size_t motif = out.size();
    int shift = prog[2] - prog[0];
    for (size_t i = 0; i < motif; ++i) {
      MelodyNote n = out[i];
      n.beat += 2 * s_.meter;
      n.degree = Fit(n.degree + shift);
      out.push_back(n);
    }
    prev = out.back().degree;
    Noise vary(s_.seed * 104729u + static_cast<uint32_t>(letter) * 31u + static_cast<uint32_t>(index / 2));
    bar(4, r3, pick);
    bar(5, r4, vary);
    bar(6, r1, vary);
    for (auto [onset, len] : Ending(s_.meter).notes) {
      int chord = prog[7];
      prev = onset == 0 ? ChordToneNear(chord, prev, vary) : RootNear(chord, prev);
      out.push_back({7 * s_.meter + onset, len, prev});
    }
    return out;
  }

  bool Avoided(int degree) const {
    int d = ((degree % 7) + 7) % 7;
    return s_.pentatonic && (d == 3 || d == 6);
  }

  int Fit(int degree) const {
    while (degree < -2) degree += 7;
    while (degree > 10) degree -= 7;
    if (Avoided(degree)) degree += degree > 4 ? -1 : 1;
    return degree;
  }

  int ChordToneNear(int chord, int prev, Noise& rnd) const {
    std::vector<int> tones;
    for (int oct = -1; oct <= 2; ++oct)
      for (int k : {0, 2, 4}) {
        int d = chord + k + 7 * oct;
        if (d >= -2 && d <= 10 && !Avoided(d)) tones.push_back(d);
      }
    std::sort(tones.begin(), tones.end(), [&](int a, int b) { return std::abs(a - prev) < std::abs(b - prev); });
    // Mostly the nearest, sometimes a leap to the next nearest.
    return tones[static_cast<size_t>(rnd.Below(4) == 0 && tones.size() > 1 ? 1 : 0)];
  }

  // The phrase closes on the chord's root, in the octave nearest the melody.
  int RootNear(int chord, int prev) const {
    int best = chord;
    for (int oct = -1; oct <= 2; ++oct) {
      int d = chord + 7 * oct;
      if (d >= -2 && d <= 10 && std::abs(d - prev) < std::abs(best - prev)) best = d;
    }
    return best;
  }

  int StepFrom(int prev, Noise& rnd) const {
    static const int steps[] = {1, -1, 1, -1, 2, -2, 0, 1};
    int d = prev + steps[rnd.Below(8)];
    if (d > 10) d = prev - 1;
    if (d < -2) d = prev + 1;
    if (Avoided(d)) d += d > prev ? 1 : -1;
    return d;
  }

  void Chord(double t, double len, Instrument i, int root, float vel, double spread, int notes) {
    static const int shape[] = {0, 2, 4, 7};
    for (int k = 0; k < notes; ++k)
      score_.Note(t + k * spread, len, i, Midi(root + shape[k], Home()), vel * (k == 0 ? 1.0f : 0.85f));
  }

  void Accompany(double t, int root, int next) {
    const double b = Beat();
    const int bassBase = Home() - (Home() >= 58 ? 24 : 12);
    if (s_.pad) Chord(t, Bar(), Instrument::Pad, root, 0.22f, 0, 3);
    switch (s_.compStyle) {
      case Comp::Strum: {
        static const double onsets[] = {0, 1.5, 2, 3, 3.5};
        static const float vels[] = {0.6f, 0.4f, 0.5f, 0.45f, 0.35f};
        for (int k = 0; k < 5; ++k) {
          double len = (k < 4 ? onsets[k + 1] : 4.0) - onsets[k];
          if (onsets[k] >= s_.meter) break;
          Chord(t + onsets[k] * b, len * b, s_.comp, root, vels[k], 0.014, 4);
        }
        break;
      }
      case Comp::Arpeggio: {
        static const int order[] = {0, 2, 4, 7, 9, 7, 4, 2};
        for (int k = 0; k < 2 * s_.meter; ++k)
          score_.Note(t + k * 0.5 * b, 0.5 * b, s_.comp, Midi(root + order[k % 8], Home()), k % 2 ? 0.32f : 0.42f);
        break;
      }
      case Comp::Offbeat:
        for (auto [on, len] : {std::pair{0.0, 1.0}, {1.5, 0.5}, {2.5, 1.0}, {3.5, 0.5}})
          Chord(t + on * b, len * b, s_.comp, root, on == 0 ? 0.4f : 0.3f, 0.006, 3);
        break;
      case Comp::Waltz:
        for (int beat = 1; beat < s_.meter; ++beat) Chord(t + beat * b, 0.8 * b, s_.comp, root + 7, 0.3f, 0.004, 3);
        break;
      case Comp::Sustain:
        Chord(t, Bar(), s_.comp, root, 0.35f, 0.03, 3);
        break;
    }
    auto bass = [&](double on, double len, int degree, float vel) {
      score_.Note(t + on * b, len * b, Instrument::Bass, Midi(degree, bassBase), vel);
    };
    switch (s_.bass) {
      case BassLine::RootFifth:
        bass(0, 1.5, root, 0.9f);
        if (s_.meter == 4) bass(2, 1.5, root + 4, 0.75f);
        break;
      case BassLine::Walking:
        for (int k = 0; k < s_.meter; ++k) {
          int d = k == s_.meter - 1 ? next + (next > root ? -1 : 1) : root + 2 * k;
          bass(k, 0.9, d, k == 0 ? 0.9f : 0.7f);
        }
        break;
      case BassLine::Syncopated:
        for (auto [on, len, deg] : {std::tuple{0.0, 0.7, 0}, {0.75, 0.5, 0}, {1.5, 0.9, 4}, {2.5, 0.5, 7}, {3.0, 0.9, 4}})
          if (on < s_.meter) bass(on, len, root + deg, on == 0 ? 0.9f : 0.65f);
        break;
      case BassLine::Waltz:
        bass(0, 2.5, root, 0.85f);
        break;
      case BassLine::Long:
        bass(0, s_.meter, root, 0.8f);
        break;
    }
  }

  void Drums(double t, int bar, bool fill) {
    const double b = Beat();
    auto hit = [&](double on, Drum d, float v) {
      if (on < s_.meter) score_.Hit(t + on * b, d, v);
    };
    if (bar == 0 && s_.beat != Beat::None) hit(0, Drum::Crash, 0.16f);
    switch (s_.beat) {
      case Beat::Pop:
        hit(0, Drum::Kick, 0.6f);
        hit(2, Drum::Kick, 0.55f);
        if (bar % 2) hit(2.5, Drum::Kick, 0.4f);
        hit(1, Drum::Clap, 0.3f);
        hit(3, Drum::Clap, 0.3f);
        for (int k = 0; k < 2 * s_.meter; ++k) hit(k * 0.5, Drum::HiHat, k % 2 ? 0.1f : 0.16f);
        if (fill)
          for (int k = 0; k < 4; ++k) hit(3 + k * 0.25, Drum::Tom, 0.25f + 0.05f * k);
        break;
      case Beat::Light:
        hit(0, Drum::Kick, 0.5f);
        hit(2.5, Drum::Kick, 0.35f);
        hit(3, Drum::Woodblock, 0.18f);
        for (int k = 0; k < 2 * s_.meter; ++k) hit(k * 0.5, Drum::Shaker, k % 2 ? 0.12f : 0.18f);
        break;
      case Beat::Savanna:
        hit(0, Drum::Kick, 0.4f);
        for (double on : {0.0, 1.5, 3.0}) hit(on, Drum::Conga, 0.4f);
        for (double on : {1.0, 2.0, 2.5, 3.5}) hit(on, Drum::CongaHigh, 0.3f);
        for (int k = 0; k < 2 * s_.meter; ++k) hit(k * 0.5, Drum::Shaker, k % 2 ? 0.1f : 0.16f);
        if (fill) hit(3.75, Drum::CongaHigh, 0.3f);
        break;
      case Beat::Sleigh:
        hit(0, Drum::Kick, 0.3f);
        for (int k = 0; k < s_.meter; ++k) hit(k, Drum::SleighBells, k == 0 ? 0.14f : 0.09f);
        break;
      case Beat::None:
        break;
    }
  }

  const Style& s_;
  Score& score_;
  double offset_;
};

}  // namespace

double BarSeconds(const Style& style) { return style.meter * 60.0 / style.bpm; }

Score Compose(const Style& style, double offset) {
  Score score;
  Composer c(style, score, offset);
  for (size_t i = 0; i < style.form.size(); ++i) c.Section(static_cast<int>(i), style.form[i]);
  score.length = offset + static_cast<double>(style.form.size()) * 8 * BarSeconds(style);
  return score;
}

Samples RenderScore(const Score& score, bool loop) {
  Samples mix(static_cast<size_t>(SamplesFor(score.length)), 0.0f);
  if (!loop) mix.resize(mix.size() + static_cast<size_t>(kRate * 3), 0.0f);
  // Accompaniment repeats the same notes many times: render each once.
  std::map<std::tuple<int, int, int, int, int>, Samples> cache;
  int variant = 0;
  for (const ScoreNote& n : score.notes) {
    int v = n.drum ? variant++ % 3 : 0;
    auto key = std::tuple{n.drum ? 100 + static_cast<int>(n.hit) : static_cast<int>(n.instrument),
                          static_cast<int>(std::lround(n.midi * 100)), n.drum ? 0 : SamplesFor(n.length),
                          static_cast<int>(std::lround(n.velocity * 1000)), v};
    auto it = cache.find(key);
    if (it == cache.end())
      it = cache.emplace(key, n.drum ? RenderDrum(n.hit, n.velocity, v) : RenderNote(n.instrument, n.midi, n.length, n.velocity)).first;
    MixInto(mix, it->second, SamplesFor(n.start), 1.0f, loop);
  }
  Reverb(mix, 0.25f, 1.0f, loop);
  RemoveDc(mix, loop);
  // Every track at about the same loudness: the few drum peaks that stand out are
  // rounded off rather than holding the whole track down.
  Level(mix, 0.19f, 1.5f);
  SoftLimit(mix, 0.6f);
  Level(mix, 1.0f, 0.89f);
  if (!loop) {
    size_t n = mix.size();
    while (n > 0 && std::abs(mix[n - 1]) < 2e-4f) --n;
    mix.resize(n);
    FadeEdges(mix, 0.005, 0.05);
  }
  return mix;
}
