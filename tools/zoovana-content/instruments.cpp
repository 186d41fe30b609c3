#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct Partial {
  double ratio;
  float amp;
  float decay;   // per second; 0 sustains
  float attack;  // seconds
};

struct Voice {
  std::vector<Partial> partials;
  float release = 0.1f;     // seconds to fade after the note ends
  float vibrato = 0.0f;     // depth as a fraction of the pitch
  float breath = 0.0f;      // noise around the second harmonic
  float detune = 0.0f;      // cents of a second, chorused voice
  bool sustains = false;    // holds its level while the note lasts
};

Voice VoiceFor(Instrument instrument) {
  switch (instrument) {
    case Instrument::Pluck: {
      Voice v;
      for (int k = 1; k <= 8; ++k) v.partials.push_back({double(k), 1.0f / float(k), 2.2f + 1.6f * k, 0.002f});
      v.release = 0.08f;
      return v;
    }
    case Instrument::Marimba:
      return {{{1, 1.0f, 4.5f, 0.002f}, {4, 0.3f, 14, 0.001f}, {9.9, 0.08f, 30, 0.001f}}, 0.05f};
    case Instrument::Kalimba:
      return {{{1, 1.0f, 3.2f, 0.002f}, {5.4, 0.22f, 12, 0.001f}, {11.3, 0.05f, 25, 0.001f}}, 0.06f};
    case Instrument::Bell:
      return {{{1, 1.0f, 1.6f, 0.002f}, {2, 0.45f, 2.8f, 0.002f}, {2.76, 0.3f, 3.6f, 0.001f},
               {5.4, 0.14f, 6, 0.001f}, {8.93, 0.06f, 9, 0.001f}},
              0.3f};
    case Instrument::EPiano:
      return {{{1, 1.0f, 1.1f, 0.004f}, {2, 0.45f, 2.0f, 0.003f}, {3, 0.2f, 3.5f, 0.003f}, {4, 0.1f, 5, 0.002f},
               {7, 0.04f, 9, 0.001f}},
              0.15f};
    case Instrument::Flute: {
      Voice v{{{1, 1.0f, 0, 0.06f}, {2, 0.32f, 0, 0.07f}, {3, 0.12f, 0, 0.08f}, {4, 0.04f, 0, 0.08f}}, 0.12f};
      v.vibrato = 0.004f;
      v.breath = 0.05f;
      v.sustains = true;
      return v;
    }
    case Instrument::Pad: {
      Voice v;
      for (int k = 1; k <= 9; ++k) v.partials.push_back({double(k), std::exp(-k / 3.0f) / float(k), 0, 0.45f});
      v.release = 0.8f;
      v.detune = 7;
      v.sustains = true;
      return v;
    }
    case Instrument::Bass:
      return {{{1, 1.0f, 1.4f, 0.006f}, {2, 0.45f, 2.6f, 0.005f}, {3, 0.15f, 4, 0.004f}}, 0.07f};
    case Instrument::Brass: {
      Voice v;
      for (int k = 1; k <= 9; ++k) v.partials.push_back({double(k), 0.9f / float(k), 0.6f, 0.015f + 0.008f * k});
      v.release = 0.18f;
      v.vibrato = 0.003f;
      v.sustains = true;
      return v;
    }
  }
  return {};
}

void TrimSilence(Samples& s) {
  size_t n = s.size();
  while (n > 0 && std::abs(s[n - 1]) < 1e-4f) --n;
  s.resize(n);
}

}  // namespace

Samples RenderNote(Instrument instrument, double midi, double seconds, float velocity) {
  const Voice v = VoiceFor(instrument);
  const double hz = NoteHz(midi);
  const int held = SamplesFor(seconds);
  const int total = held + SamplesFor(v.sustains ? v.release * 1.5 : std::max(v.release * 1.5f, 1.6f));
  Samples out(static_cast<size_t>(total), 0.0f);
  Noise noise(static_cast<uint32_t>(midi * 131));
  Resonator breathBand(hz * 2, 3);
  const int voices = v.detune > 0 ? 2 : 1;
  for (int voice = 0; voice < voices; ++voice) {
    double detune = voice == 0 ? 1.0 : std::pow(2.0, v.detune / 1200.0);
    for (const Partial& p : v.partials) {
      double f = hz * p.ratio * detune;
      if (f >= kRate * 0.45) continue;  // above the band: would alias
      double phase = voice * 0.37 + p.ratio * 0.11;
      const double step = f / kRate;
      const float perSample = p.decay > 0 ? std::exp(-p.decay / kRate) : 1.0f;
      const int attack = std::max(1, SamplesFor(p.attack));
      float level = p.amp * velocity / voices;
      for (int i = 0; i < total; ++i) {
        float a = level * (i < attack ? float(i) / attack : 1.0f);
        double vib = v.vibrato > 0 && i > kRate / 4 ? 1.0 + v.vibrato * SineCycles(i * 5.2 / kRate) : 1.0;
        phase += step * vib;
        out[static_cast<size_t>(i)] += a * SineCycles(phase);
        level *= perSample;
        if (level < 1e-5f) break;  // this partial has died away
      }
    }
  }
  if (v.breath > 0)
    for (int i = 0; i < total; ++i) out[static_cast<size_t>(i)] += v.breath * velocity * breathBand.Band(noise());
  // Release: an exponential fade after the note ends, reaching -60 dB in `release`.
  const float fall = std::exp(-6.9f / (v.release * kRate));
  float gate = 1.0f;
  for (int i = held; i < total; ++i) out[static_cast<size_t>(i)] *= (gate *= fall);
  TrimSilence(out);
  return out;
}

Samples RenderDrum(Drum drum, float velocity, int variant) {
  Noise noise(static_cast<uint32_t>(static_cast<int>(drum) * 977 + variant * 31 + 5));
  auto make = [](double seconds) { return Samples(static_cast<size_t>(SamplesFor(seconds)), 0.0f); };
  Samples s;
  switch (drum) {
    case Drum::Kick: {
      s = make(0.35);
      double phase = 0;
      for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        phase += (48 + 95 * std::exp(-t * 28)) / kRate;
        s[i] = float(std::exp(-t * 9) * SineCycles(phase)) + (i < 60 ? 0.3f * noise() * (1 - i / 60.0f) : 0.0f);
      }
      break;
    }
    case Drum::Snare:
    case Drum::Clap: {
      bool clap = drum == Drum::Clap;
      s = make(0.28);
      Resonator band(clap ? 1300 : 3200, clap ? 2.0 : 0.9);
      double phase = 0;
      for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        // A clap is three quick bursts and a tail.
        double burst = clap ? (t < 0.03 ? std::exp(-std::fmod(t, 0.01) * 300) : std::exp(-(t - 0.03) * 18)) : std::exp(-t * 17);
        phase += 185.0 / kRate;
        s[i] = float(burst * band.Band(noise()) * 1.6 + (clap ? 0 : 0.45 * std::exp(-t * 30) * SineCycles(phase)));
      }
      break;
    }
    case Drum::HiHat:
    case Drum::Shaker: {
      bool shaker = drum == Drum::Shaker;
      s = make(shaker ? 0.12 : 0.07);
      OnePole hp(shaker ? 4500 : 7000);
      for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double env = shaker ? std::min(1.0, t / 0.015) * std::exp(-t * 30) : std::exp(-t * 70);
        s[i] = float(env * hp.High(noise()));
      }
      break;
    }
    case Drum::Conga:
    case Drum::CongaHigh:
    case Drum::Tom:
    case Drum::Timpani: {
      double hz = drum == Drum::Conga ? 190 : drum == Drum::CongaHigh ? 290 : drum == Drum::Tom ? 120 + 25 * variant : 68;
      double decay = drum == Drum::Timpani ? 2.5 : drum == Drum::Tom ? 9 : 13;
      s = make(drum == Drum::Timpani ? 1.6 : 0.45);
      double p1 = 0, p2 = 0;
      Resonator slap(2200, 1.5);
      for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double bend = 1 + 0.12 * std::exp(-t * 30);
        p1 += hz * bend / kRate;
        p2 += hz * 1.52 * bend / kRate;
        double body = SineCycles(p1) + 0.25 * SineCycles(p2) * std::exp(-t * decay);
        s[i] = float(std::exp(-t * decay) * body + std::exp(-t * 90) * slap.Band(noise()) * 0.8);
      }
      break;
    }
    case Drum::Woodblock: {
      s = make(0.1);
      double phase = 0;
      for (size_t i = 0; i < s.size(); ++i) {
        phase += 1050.0 / kRate;
        s[i] = float(std::exp(-double(i) / kRate * 55) * SineCycles(phase));
      }
      break;
    }
    case Drum::SleighBells: {
      s = make(0.35);
      Resonator a(5200, 30), b(6600, 30), c(7900, 30);
      for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        double shake = std::exp(-std::fmod(t, 0.045) * 80) * std::exp(-t * 9);
        float x = float(shake) * noise();
        s[i] = a.Band(x) + b.Band(x) + c.Band(x);
      }
      break;
    }
    case Drum::Crash: {
      s = make(1.6);
      OnePole hp(3500);
      Resonator ring(5100, 4);
      for (size_t i = 0; i < s.size(); ++i) {
        double t = double(i) / kRate;
        float x = noise();
        s[i] = float(std::exp(-t * 2.6) * (hp.High(x) + 0.5 * ring.Band(x)));
      }
      break;
    }
  }
  float peak = Peak(s);
  if (peak > 0)
    for (float& x : s) x *= velocity / peak;
  TrimSilence(s);
  return s;
}
