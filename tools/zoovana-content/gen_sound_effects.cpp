// Interface and building sounds: clicks, refusal, coin, mail, construction and
// demolition, event stings, the debriefing's stamp and the credits' jingles.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "content.h"
#include "effect_kit.h"
#include "instruments.h"
#include "music.h"
#include "wav_writer.h"

namespace {

Samples ClickSound(double hz, double decay) {
  Samples s = Blank(0.06);
  Noise n(3);
  OnePole hp(3000);
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    s[i] = static_cast<float>(SineCycles(hz * t) * std::exp(-t * decay) +
                              0.5 * SineCycles(hz / 3 * t) * std::exp(-t * decay * 0.6) +
                              0.4 * hp.High(n()) * std::exp(-t * 500));
  }
  FinishOneShot(s, 0.09f);
  return s;
}

// Two falling buzzy notes.
Samples ErrorSound() {
  Samples s = Blank(0.38);
  HarmonicTone buzz(9, 1.0, true);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    bool first = t < 0.16;
    double local = first ? t : t - 0.19;
    double len = first ? 0.16 : 0.19;
    if (local < 0) continue;
    phase += (first ? 311.0 : 233.0) / kRate;
    double env = std::min({1.0, local / 0.006, (len - local) / 0.02});
    s[i] = static_cast<float>(std::max(env, 0.0) * buzz(phase));
  }
  FinishOneShot(s);
  return s;
}

// A small metal bell partial set struck at `at` seconds.
void Strike(Samples& s, double at, double hz, double decay, float gain, const std::vector<std::pair<double, float>>& partials) {
  for (size_t i = static_cast<size_t>(SamplesFor(at)); i < s.size(); ++i) {
    double t = TimeOf(i) - at;
    float sum = 0;
    for (auto [ratio, amp] : partials)
      sum += amp * static_cast<float>(SineCycles(hz * ratio * t) * std::exp(-t * decay * (0.6 + 0.4 * ratio)));
    s[i] += gain * sum * static_cast<float>(std::min(1.0, t / 0.001));
  }
}

Samples CoinSound() {
  Samples s = Blank(0.8);
  const std::vector<std::pair<double, float>> coin{{1, 1.0f}, {2.41, 0.45f}, {3.93, 0.25f}, {5.3, 0.1f}};
  Strike(s, 0.0, 1976, 7, 0.8f, coin);
  Strike(s, 0.075, 2637, 5, 1.0f, coin);
  Noise n(9);
  OnePole hp(4000);
  for (size_t i = 0; i < 200; ++i) s[i] += 0.3f * hp.High(n()) * (1 - i / 200.0f);
  FinishOneShot(s);
  return s;
}

Samples MailSound() {
  Samples s = Blank(1.0);
  const std::vector<std::pair<double, float>> chime{{1, 1.0f}, {2, 0.3f}, {3, 0.1f}, {4.2, 0.05f}};
  Strike(s, 0.0, 784, 4, 0.9f, chime);
  Strike(s, 0.17, 1047, 3.5, 1.0f, chime);
  FinishOneShot(s);
  return s;
}

// A thud with a ringing metal edge: a hammer on a nail.
void Hammer(Samples& s, double at, uint32_t seed) {
  Noise n(seed);
  Resonator ring1(2150, 30), ring2(3420, 35);
  for (size_t i = static_cast<size_t>(SamplesFor(at)); i < s.size(); ++i) {
    double t = TimeOf(i) - at;
    float excite = t < 0.004 ? n() : 0.0f;
    s[i] += static_cast<float>(0.8 * SineCycles(140 * t) * std::exp(-t * 35) + 0.5 * SineCycles(620 * t) * std::exp(-t * 60)) +
            1.2f * (ring1.Band(excite) + 0.7f * ring2.Band(excite));
  }
}

Samples ConstructionSound() {
  Samples s = Blank(0.75);
  Hammer(s, 0.0, 1);
  Hammer(s, 0.17, 2);
  Hammer(s, 0.34, 3);
  FinishOneShot(s);
  return s;
}

// Crackling debris: random grains of band-passed noise over an envelope.
void Debris(Samples& s, double from, double to, double rate, double hz, float gain, uint32_t seed) {
  Noise n(seed);
  Resonator band(hz, 2);
  double next = from;
  double grain = -1;
  for (size_t i = static_cast<size_t>(SamplesFor(from)); i < s.size() && TimeOf(i) < to + 0.1; ++i) {
    double t = TimeOf(i);
    if (t >= next && t < to) {
      grain = t;
      next = t + (0.3 + 1.4 * n.Unit()) / rate;
    }
    double env = grain >= 0 ? std::exp(-(t - grain) * 90) : 0;
    s[i] += gain * static_cast<float>(env) * band.Band(n()) * static_cast<float>(1 - (t - from) / (to - from + 0.1));
  }
}

// Low noise falling from `startHz` to `endHz` with a decay: rumble and booms.
void Rumble(Samples& s, double at, double startHz, double endHz, double decay, float gain, uint32_t seed) {
  Noise n(seed);
  OnePole lp1(startHz), lp2(startHz);
  for (size_t i = static_cast<size_t>(SamplesFor(at)); i < s.size(); ++i) {
    double t = TimeOf(i) - at;
    double hz = endHz + (startHz - endHz) * std::exp(-t * 4);
    lp1.Set(hz);
    lp2.Set(hz);
    s[i] += gain * static_cast<float>(std::exp(-t * decay) * std::min(1.0, t / 0.005)) * lp2.Low(lp1.Low(n())) * 3;
  }
}

void Thump(Samples& s, double at, double hz, float gain) {
  double phase = 0;
  for (size_t i = static_cast<size_t>(SamplesFor(at)); i < s.size(); ++i) {
    double t = TimeOf(i) - at;
    phase += (hz * (0.6 + 0.8 * std::exp(-t * 20))) / kRate;
    s[i] += gain * static_cast<float>(SineCycles(phase) * std::exp(-t * 10));
  }
}

Samples ClearingSound() {
  Samples s = Blank(0.75);
  Thump(s, 0, 90, 0.6f);
  Rumble(s, 0, 1800, 500, 6, 0.5f, 21);
  Debris(s, 0.02, 0.55, 30, 2200, 0.7f, 22);
  FinishOneShot(s);
  return s;
}

// Three kinds of disaster damage: a collapse, an explosion, crumbling masonry.
Samples DisasterSound(int kind) {
  Samples s = Blank(1.6);
  switch (kind) {
    case 1:
      Thump(s, 0, 60, 0.9f);
      Rumble(s, 0, 600, 150, 2.2, 0.8f, 31);
      Debris(s, 0.1, 1.2, 25, 1800, 0.5f, 32);
      break;
    case 2:
      Thump(s, 0, 50, 1.0f);
      Rumble(s, 0, 4000, 180, 2.6, 1.0f, 41);
      Debris(s, 0.25, 1.3, 18, 2600, 0.35f, 42);
      break;
    default:
      for (int k = 0; k < 7; ++k) Thump(s, 0.16 * k + 0.03 * (k % 3), 80 + 15 * (k % 4), 0.5f - 0.04f * k);
      Rumble(s, 0, 900, 250, 2.0, 0.4f, 51);
      Debris(s, 0, 1.3, 35, 1500, 0.6f, 52);
      break;
  }
  FinishOneShot(s);
  return s;
}

// The debriefing stamps each line: a thunk and a small ping.
Samples StampSound() {
  Samples s = Blank(0.35);
  Thump(s, 0, 180, 0.8f);
  Strike(s, 0.02, 1568, 12, 0.35f, {{1, 1.0f}, {2.7, 0.2f}});
  FinishOneShot(s, 0.1f);
  return s;
}

// Event stings: a rising brass fanfare for good news, a falling minor call for bad.
Samples EventSting(bool good) {
  Score score;
  if (good) {
    const int notes[] = {72, 76, 79, 84};
    for (int k = 0; k < 4; ++k) score.Note(0.11 * k, k == 3 ? 0.7 : 0.1, Instrument::Brass, notes[k], 0.8f);
    for (int n : {60, 64, 67}) score.Note(0.33, 0.7, Instrument::Pad, n, 0.3f);
    score.Note(0.33, 0.7, Instrument::Bell, 84, 0.4f);
    score.Hit(0.33, Drum::Crash, 0.3f);
    score.length = 1.3;
  } else {
    const int notes[] = {69, 65, 62};
    for (int k = 0; k < 3; ++k) score.Note(0.2 * k, k == 2 ? 0.8 : 0.18, Instrument::Brass, notes[k], 0.7f);
    for (int n : {50, 53, 57}) score.Note(0.4, 0.9, Instrument::Pad, n, 0.35f);
    score.Hit(0.4, Drum::Timpani, 0.8f);
    score.length = 1.5;
  }
  Samples s = RenderScore(score, false);
  Level(s, kEffectRms, kEffectPeak);
  return s;
}

// A short jingle for each page of the credits, each on its own chords and voice.
Samples CreditJingle(int page) {
  const Instrument voices[] = {Instrument::Bell, Instrument::Marimba, Instrument::Kalimba,
                               Instrument::EPiano, Instrument::Flute, Instrument::Bell};
  const int roots[] = {60, 65, 67, 57, 62, 60};
  static const int arp[][4] = {{0, 4, 7, 12}, {0, 4, 7, 11}, {0, 5, 9, 12}, {0, 3, 7, 10}, {0, 4, 9, 14}, {0, 7, 12, 16}};
  Score score;
  int root = roots[page];
  for (int k = 0; k < 4; ++k) score.Note(0.16 * k, 0.5, voices[page], root + 12 + arp[page][k], 0.7f);
  score.Note(0.64, 1.0, voices[page], root + 24, 0.7f);
  const int third = page == 3 ? 3 : 4;  // page 3 is in minor
  for (int n : {0, third, 7}) score.Note(0.0, 1.5, Instrument::Pad, root + n, 0.25f);
  score.Note(0.0, 1.5, Instrument::Bass, root - 12, 0.6f);
  score.length = 2.0;
  Samples s = RenderScore(score, false);
  Level(s, kEffectRms, kEffectPeak);
  return s;
}

void GenerateEffects(Output& out) {
  auto write = [&](const std::string& name, const Samples& s) { out.Write("Sounds/" + name, WavFile(s)); };
  write("Click.wav", ClickSound(2400, 140));
  write("Click2.wav", ClickSound(3300, 220));
  write("Error.wav", ErrorSound());
  write("Gold.wav", CoinSound());
  write("Mail.wav", MailSound());
  write("Const.wav", ConstructionSound());
  write("Destroy.wav", ClearingSound());
  for (int k = 1; k <= 3; ++k) write("Destroy_b" + std::to_string(k) + ".wav", DisasterSound(k));
  write("Deb1.wav", StampSound());
  write("ivent1.wav", EventSting(true));
  write("ivent2.wav", EventSting(false));
  for (int page = 0; page <= 5; ++page) write("stuff" + std::to_string(page) + ".wav", CreditJingle(page));
}

RegisterGenerator reg("70-sound-effects", &GenerateEffects);

}  // namespace
