// Sounds of the park and its events: the bus, the crowd, the helicopter, the
// flying object, meteorites, earthquakes and the victims of escaped animals.
#include <array>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "content.h"
#include "effect_kit.h"
#include "parallel.h"
#include "wav_writer.h"

namespace {

// An engine: a firing tone with its harmonics and a rumble; whole cycles only, so it
// loops. `hz` may glide from `hz` to `toHz` for one-shots.
void Engine(Samples& s, double hz, double toHz, float gain) {
  HarmonicTone tone(40, 0.85);  // up into the mids, so small speakers carry it
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double f = hz + (toHz - hz) * static_cast<double>(i) / static_cast<double>(s.size());
    phase += f / kRate;
    double chug = 0.75 + 0.25 * SineCycles(phase / 4);  // four cylinders
    s[i] += gain * static_cast<float>(chug * tone(phase));
  }
}

Samples FilteredNoise(int count, double hz, uint32_t seed, int poles = 2) {
  Samples s(static_cast<size_t>(count));
  Noise n(seed);
  OnePole a(hz), b(hz);
  for (float& x : s) {
    x = a.Low(n());
    if (poles > 1) x = b.Low(x);
  }
  return s;
}

Samples BusEngine() {
  const int length = SamplesFor(2.0), overlap = SamplesFor(0.4);
  Samples s(static_cast<size_t>(length), 0.0f);
  Engine(s, 32, 32, 0.25f);  // 64 whole cycles in 2 s
  Samples noise = FilteredNoise(length + overlap, 900, 61);
  for (float& x : noise) x *= 1.2f;
  FinishLoop(s, noise, length, overlap);
  return s;
}

// Arriving: the engine winds down, the brakes squeal and the air brake sighs.
Samples BusArrives() {
  Samples s = Blank(1.4);
  Samples engine = Blank(0.7);
  Engine(engine, 32, 22, 0.25f);
  FadeEdges(engine, 0.01, 0.5);
  MixInto(s, engine, 0, 1.0f);
  Noise n(71);
  OnePole hp(2500);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    if (t > 0.15 && t < 0.55)
      s[i] += 0.12f * static_cast<float>(SineCycles(2900 * t + 0.002 * SineCycles(9 * t)) * std::sin(std::numbers::pi * (t - 0.15) / 0.4));
    if (t > 0.6) {
      double u = t - 0.6;
      s[i] += 0.5f * static_cast<float>(std::min(1.0, u / 0.03) * std::exp(-u * 3.5)) * hp.High(n());
    }
  }
  FinishOneShot(s);
  return s;
}

// Leaving: two toots of the horn and the engine revving up.
Samples BusLeaves() {
  Samples s = Blank(1.9);
  HarmonicTone horn(10, 1.0);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    for (double start : {0.0, 0.3}) {
      double u = t - start;
      if (u < 0 || u > 0.2) continue;
      double env = std::min({1.0, u / 0.01, (0.2 - u) / 0.02});
      s[i] += 0.3f * static_cast<float>(env * (horn(370 * u) + horn(466 * u)));
    }
  }
  Samples engine = Blank(1.3);
  Engine(engine, 26, 46, 0.3f);
  FadeEdges(engine, 0.3, 0.4);
  MixInto(s, engine, SamplesFor(0.55), 1.0f);
  FinishOneShot(s);
  return s;
}

// Vowel formants (Hz) for the crowd's and the victims' voices: a, e, i, o, u.
constexpr std::array<std::pair<double, double>, 5> kVowels{{{750, 1200}, {500, 1800}, {320, 2300}, {480, 900}, {350, 750}}};

// One talker: syllables of a buzzing voice through changing vowel formants.
void Talker(Samples& s, Noise& rnd, double pitch, double rate, float gain, bool laugh) {
  Resonator f1(500, 6), f2(1500, 8);
  double phase = rnd.Unit(), syllableEnd = rnd.Unit() * 0.5, syllableStart = 0, glide = 0;
  bool voiced = false;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    if (t >= syllableEnd) {
      syllableStart = t;
      double len = (laugh ? 0.13 : 0.12 + 0.2 * rnd.Unit()) * 4.5 / rate;
      voiced = laugh || rnd.Below(5) != 0;  // now and then a pause
      syllableEnd = t + len;
      auto v = kVowels[static_cast<size_t>(laugh ? 0 : rnd.Below(5))];
      f1.Set(v.first, 6);
      f2.Set(v.second, 8);
      glide = (rnd.Unit() - 0.5) * 0.3;
    }
    double u = (t - syllableStart) / (syllableEnd - syllableStart);
    double env = voiced ? std::sin(std::numbers::pi * u) : 0;
    phase += pitch * (1 + glide * u) / kRate;
    float saw = static_cast<float>(2 * (phase - std::floor(phase)) - 1);
    float v = f1.Band(saw) + 0.6f * f2.Band(saw);
    s[i] += gain * static_cast<float>(env) * v;
  }
}

// Crowd murmur: many talkers over a low room noise. Each file has its own crowd.
Samples Crowd(int which) {
  Samples s = Blank(3.6);
  Noise rnd(static_cast<uint32_t>(1000 + which));
  const int talkers = 8 + 2 * (which % 4);
  const bool kids = which == 4 || which == 7;
  for (int k = 0; k < talkers; ++k) {
    double pitch = kids && k % 2 ? 260 + 80 * rnd.Unit() : (k % 2 ? 190 + 60 * rnd.Unit() : 100 + 40 * rnd.Unit());
    Talker(s, rnd, pitch, 4 + 2 * rnd.Unit(), 0.4f + 0.4f * static_cast<float>(rnd.Unit()), false);
  }
  if (which == 3 || which == 6) {  // somebody laughs
    Samples laugh = Blank(0.9);
    Talker(laugh, rnd, which == 3 ? 240 : 170, 6.5, 1.2f, true);
    FadeEdges(laugh, 0.05, 0.2);
    MixInto(s, laugh, SamplesFor(1.2), 1.0f);
  }
  Samples room = FilteredNoise(static_cast<int>(s.size()), 400, static_cast<uint32_t>(77 + which));
  for (size_t i = 0; i < s.size(); ++i) s[i] += 0.5f * room[i];
  OnePole lp(3500);
  for (float& x : s) x = lp.Low(x);
  FadeEdges(s, 0.4, 0.6);
  FinishOneShot(s, 0.09f);
  return s;
}

// Rotor blades chopping the air; 33 blade passes in 3 s, so it loops.
Samples HelicopterLoop() {
  const int length = SamplesFor(3.0), overlap = SamplesFor(0.3);
  Samples s(static_cast<size_t>(length), 0.0f);
  HarmonicTone rotor(6, 1.2);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    s[i] = 0.25f * static_cast<float>(rotor(22 * t)) + 0.012f * static_cast<float>(SineCycles(1760 * t));
  }
  Samples noise = FilteredNoise(length + overlap, 900, 81);
  CrossfadeLoop(noise, length, overlap);
  for (size_t i = 0; i < s.size(); ++i) {
    double chop = 11 * TimeOf(i);
    double phase = chop - std::floor(chop);
    noise[i] *= 2.5f * static_cast<float>(std::min(1.0, phase / 0.03) * std::exp(-phase * 6));
  }
  FinishLoop(s, noise, length, 0);
  return s;
}

// The winch lifting an animal, under the rotor.
Samples HelicopterLift() {
  Samples s = HelicopterLoop();
  s.resize(static_cast<size_t>(SamplesFor(2.5)));
  HarmonicTone whine(5, 1.5);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    phase += (500 + 400 * std::min(1.0, t / 1.5)) / kRate;
    s[i] += 0.08f * static_cast<float>(std::min(1.0, t / 0.2)) * whine(phase);
  }
  FadeEdges(s, 0.2, 0.4);
  FinishOneShot(s);
  return s;
}

// A warbling hum; every wobble completes within the 3 s so it loops.
Samples UfoLoop() {
  const int length = SamplesFor(3.0);
  Samples s(static_cast<size_t>(length), 0.0f);
  double p1 = 0, p2 = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    p1 += (700 + 60 * SineCycles(6 * t)) / kRate;
    p2 += (1050 + 40 * SineCycles(4 * t + 0.25)) / kRate;
    s[i] = static_cast<float>(0.5 * SineCycles(p1) + 0.25 * SineCycles(p2) + 0.3 * SineCycles(110 * t) +
                              0.1 * SineCycles(220 * t));
  }
  FinishLoop(s, Samples(s.size(), 0.0f), length, 0);
  return s;
}

// A ray attacking: falling zaps over a buzz.
Samples UfoAttack() {
  Samples s = Blank(2.0);
  HarmonicTone zap(7, 1.0, true), buzz(12, 1.0);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    double u = std::fmod(t, 0.25);
    if (u < 0.14) {
      phase += (3000 * std::exp(-u * 14) + 300) / kRate;
      s[i] += 0.35f * static_cast<float>(std::exp(-u * 8)) * zap(phase);
    }
    s[i] += 0.12f * buzz(80 * t);
  }
  FinishOneShot(s);
  return s;
}

// A falling object: a whistle dropping in pitch and a growing rush of air.
Samples Meteor() {
  Samples s = Blank(3.0);
  Noise n(91);
  Resonator band(2000, 3);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    double hz = 500 + 2000 * std::exp(-t * 0.9);
    phase += hz / kRate;
    band.Set(hz * 0.8, 3);
    double swell = std::min(1.0, t / 0.8);
    s[i] = static_cast<float>(swell * (0.3 * SineCycles(phase) + 0.9 * band.Band(n())));
  }
  FadeEdges(s, 0.3, 0.5);
  FinishOneShot(s);
  return s;
}

// An earthquake: a deep, uneven rumble with things rattling.
Samples Earthquake() {
  Samples s = Blank(5.0);
  Samples low = FilteredNoise(static_cast<int>(s.size()), 90, 101, 2);
  Samples swell = FilteredNoise(static_cast<int>(s.size()), 2, 102, 2);
  float swellPeak = Peak(swell);
  Noise n(103);
  Resonator rattle(1400, 4);
  for (size_t i = 0; i < s.size(); ++i) {
    float shake = 0.6f + 0.4f * swell[i] / swellPeak;
    float clatter = n.Below(400) == 0 ? 1.0f : 0.0f;
    s[i] = 6 * low[i] * shake + 0.6f * rattle.Band(clatter) * shake;
  }
  FadeEdges(s, 0.5, 1.2);
  FinishOneShot(s);
  return s;
}

// A visitor's scream, falling away; `pitch` and the vowel make the two variants.
Samples Scream(double pitch, int vowel, bool roar) {
  Samples s = Blank(1.1);
  Noise n(static_cast<uint32_t>(pitch));
  Resonator f1(kVowels[static_cast<size_t>(vowel)].first, 5), f2(kVowels[static_cast<size_t>(vowel)].second, 6);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    double f = pitch * (1.1 - 0.45 * t) * (1 + 0.02 * SineCycles(7 * t));
    if (roar) f *= 1 + 0.15 * SineCycles(31 * t);  // a rough growl
    phase += f / kRate;
    float saw = static_cast<float>(2 * (phase - std::floor(phase)) - 1) + 0.3f * n();
    double env = std::min(1.0, t / 0.05) * std::exp(-t * 1.5);
    s[i] = static_cast<float>(env) * (f1.Band(saw) + 0.7f * f2.Band(saw));
  }
  if (roar) {
    double p = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      double t = TimeOf(i) - 0.5;
      if (t < 0) continue;
      p += (70 + 60 * std::exp(-t * 20)) / kRate;
      s[i] += 0.8f * static_cast<float>(std::exp(-t * 9) * SineCycles(p));
    }
  }
  FinishOneShot(s);
  return s;
}

void GenerateWorld(Output& out) {
  std::vector<std::string> names;
  std::vector<std::function<Samples()>> jobs;
  auto add = [&](std::string name, std::function<Samples()> job) {
    names.push_back(std::move(name));
    jobs.push_back(std::move(job));
  };
  add("Bus1.wav", BusEngine);
  add("Bus2.wav", BusArrives);
  add("Bus3.wav", BusLeaves);
  for (int k = 1; k <= 7; ++k) add("zattou" + std::to_string(k) + ".wav", [k] { return Crowd(k); });
  add("Heri1.wav", HelicopterLoop);
  add("Heri2.wav", HelicopterLift);
  add("Ufo1.wav", UfoLoop);
  add("Ufo2.wav", UfoAttack);
  add("Inseki.wav", Meteor);
  add("jishin.wav", Earthquake);
  add("Dead2.wav", [] { return Scream(520, 0, false); });
  add("Dead3.wav", [] { return Scream(300, 3, true); });
  std::vector<Samples> sounds = RunParallel(jobs);
  for (size_t i = 0; i < names.size(); ++i) out.Write("Sounds/" + names[i], WavFile(sounds[i]));
}

RegisterGenerator reg("72-sound-world", &GenerateWorld);

}  // namespace
