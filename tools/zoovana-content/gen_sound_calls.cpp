// Every species' calls, named by the catalogue: each voice is a buzzing, tonal or
// breathy source with a pitch contour, shaped by two formants, in one or more
// syllables.
#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "catalogue_table.h"
#include "content.h"
#include "effect_kit.h"
#include "parallel.h"
#include "wav_writer.h"

namespace {

enum class Source { Buzz, Tone, Breath };

struct CallShape {
  Source source;
  double startHz, peakHz, endHz, peakAt;  // pitch contour over each syllable
  double syllable;                        // seconds
  int repeats = 1;
  double gap = 0.1;                       // silence between syllables
  double f1 = 0, f2 = 0;                  // formants (0: none)
  double breath = 0;                      // share of noise in the source
  double rough = 0;                       // growl: amplitude flutter in Hz
  double vibrato = 0;                     // depth as a fraction of the pitch
  double falloff = 0;                     // each repeat this much lower in pitch and level
};

using S = Source;
// Calls by the species' motif: the usual call, then the second one.
const std::map<std::string, std::pair<CallShape, CallShape>>& Calls() {
  static const std::map<std::string, std::pair<CallShape, CallShape>> calls{
      {"rabbit", {{S::Tone, 1800, 2300, 2000, 0.3, 0.09, 2, 0.08, 0, 0, 0.2}, {S::Breath, 2500, 2500, 2500, 0.5, 0.06, 3, 0.07, 3000, 0, 1}}},
      {"goat", {{S::Buzz, 330, 350, 300, 0.2, 0.75, 1, 0, 650, 1750, 0.1, 11, 0.02}, {S::Buzz, 420, 450, 380, 0.2, 0.35, 2, 0.12, 700, 1900, 0.1, 12}}},
      {"penguin", {{S::Buzz, 380, 460, 320, 0.4, 0.3, 3, 0.08, 750, 1350, 0.25, 0, 0, 0.05}, {S::Buzz, 520, 600, 450, 0.3, 0.18, 1, 0, 800, 1500, 0.3}}},
      {"macaque", {{S::Buzz, 550, 950, 900, 0.7, 0.13, 4, 0.06, 900, 1500, 0.1}, {S::Buzz, 1200, 1650, 1400, 0.3, 0.45, 1, 0, 1500, 2600, 0.45, 0, 0.03}}},
      {"flamingo", {{S::Buzz, 450, 500, 460, 0.3, 0.16, 3, 0.07, 900, 2200, 0.1}, {S::Buzz, 500, 520, 480, 0.3, 0.3, 1, 0, 900, 2200, 0.1}}},
      {"kangaroo", {{S::Buzz, 130, 140, 110, 0.3, 0.2, 2, 0.15, 400, 900, 0.5, 40}, {S::Breath, 1500, 1500, 1500, 0.5, 0.12, 3, 0.1, 1800, 0, 1}}},
      {"zebra", {{S::Buzz, 600, 950, 500, 0.35, 0.22, 3, 0.05, 800, 1600, 0.2, 0, 0.03, 0.08}, {S::Buzz, 500, 800, 450, 0.3, 0.3, 2, 0.08, 800, 1500, 0.2}}},
      {"ostrich", {{S::Tone, 95, 100, 70, 0.3, 0.7, 2, 0.25, 300, 0, 0.1}, {S::Tone, 110, 115, 80, 0.3, 0.5, 1, 0, 300, 0, 0.1}}},
      {"redpanda", {{S::Tone, 2400, 3000, 2600, 0.5, 0.07, 5, 0.05, 0, 0, 0.15}, {S::Buzz, 350, 380, 330, 0.3, 0.15, 3, 0.1, 800, 1400, 0.5}}},
      {"wolf", {{S::Tone, 420, 720, 520, 0.35, 2.0, 1, 0, 700, 1100, 0.05, 0, 0.012}, {S::Buzz, 500, 560, 420, 0.2, 0.14, 2, 0.12, 800, 1500, 0.45}}},
      {"sealion", {{S::Buzz, 260, 320, 250, 0.3, 0.25, 3, 0.1, 500, 1000, 0.4, 0, 0, 0.05}, {S::Buzz, 200, 240, 170, 0.3, 0.8, 1, 0, 450, 900, 0.4, 18}}},
      {"camel", {{S::Buzz, 110, 125, 95, 0.4, 1.2, 1, 0, 500, 900, 0.35, 24}, {S::Buzz, 120, 130, 100, 0.4, 0.6, 2, 0.15, 500, 900, 0.35, 24}}},
      {"lion", {{S::Buzz, 170, 270, 120, 0.3, 1.6, 1, 0, 420, 900, 0.45, 33}, {S::Buzz, 150, 160, 120, 0.3, 0.3, 5, 0.15, 400, 850, 0.45, 30, 0, 0.08}}},
      {"tiger", {{S::Buzz, 210, 310, 150, 0.3, 1.3, 1, 0, 500, 1100, 0.45, 30}, {S::Breath, 600, 600, 600, 0.5, 0.1, 3, 0.07, 700, 1400, 1, 25}}},
      {"cheetah", {{S::Tone, 1500, 1950, 1700, 0.4, 0.15, 3, 0.12, 0, 0, 0.1}, {S::Tone, 1400, 1800, 1600, 0.4, 0.2, 2, 0.15, 0, 0, 0.1}}},
      {"brownbear", {{S::Buzz, 95, 120, 85, 0.4, 1.4, 1, 0, 350, 800, 0.45, 28}, {S::Buzz, 140, 210, 100, 0.3, 0.9, 1, 0, 400, 850, 0.5, 30}}},
      {"crocodile", {{S::Breath, 800, 800, 800, 0.5, 1.0, 1, 0, 900, 2500, 1}, {S::Buzz, 60, 70, 55, 0.3, 1.0, 1, 0, 250, 600, 0.4, 15}}},
      {"gorilla", {{S::Buzz, 280, 500, 450, 0.8, 0.25, 4, 0.05, 600, 1000, 0.2, 0, 0, -0.06}, {S::Tone, 160, 150, 120, 0.1, 0.07, 8, 0.06, 300, 0, 0.3}}},
      {"giraffe", {{S::Tone, 92, 96, 90, 0.5, 1.2, 1, 0, 300, 0, 0.15, 0, 0.01}, {S::Breath, 900, 900, 900, 0.5, 0.25, 2, 0.2, 1100, 0, 1}}},
      {"hippo", {{S::Buzz, 150, 185, 140, 0.3, 0.28, 4, 0.06, 400, 700, 0.3, 20, 0, 0.04}, {S::Buzz, 90, 110, 70, 0.3, 1.2, 1, 0, 350, 650, 0.3, 14}}},
      {"rhino", {{S::Breath, 600, 600, 600, 0.5, 0.3, 2, 0.15, 650, 1300, 1}, {S::Buzz, 120, 140, 110, 0.3, 0.6, 1, 0, 400, 800, 0.5, 25}}},
      {"polarbear", {{S::Buzz, 120, 150, 100, 0.4, 1.2, 1, 0, 400, 900, 0.45, 26}, {S::Breath, 500, 500, 500, 0.5, 0.12, 3, 0.1, 600, 1200, 1, 20}}},
      {"koala", {{S::Buzz, 80, 90, 75, 0.5, 0.35, 4, 0.12, 350, 700, 0.4, 18}, {S::Buzz, 90, 100, 85, 0.5, 0.5, 2, 0.2, 350, 700, 0.4, 18}}},
      {"elephant", {{S::Buzz, 480, 760, 600, 0.3, 1.3, 1, 0, 1200, 2500, 0.15, 0, 0.015}, {S::Buzz, 520, 700, 560, 0.3, 0.4, 2, 0.12, 1200, 2400, 0.15, 0, 0.015}}},
      {"panda", {{S::Buzz, 440, 480, 420, 0.3, 0.6, 1, 0, 700, 1500, 0.15, 0, 0.03}, {S::Tone, 1600, 2000, 1800, 0.4, 0.1, 3, 0.08, 0, 0, 0.15}}},
  };
  return calls;
}

// A species the table does not know yet still gets a voice: a mid-sized bleat.
const CallShape kDefaultCall{S::Buzz, 300, 360, 280, 0.3, 0.5, 2, 0.12, 650, 1500, 0.25};

Samples RenderCall(const CallShape& c) {
  const double period = c.syllable + c.gap;
  Samples s = Blank(c.repeats * period + 0.15);
  Noise noise(static_cast<uint32_t>(c.startHz * 7 + c.syllable * 1000));
  Resonator f1(std::max(c.f1, 100.0), 5), f2(std::max(c.f2, 100.0), 7);
  OnePole soften(4500);
  double phase = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    double t = TimeOf(i);
    int r = static_cast<int>(t / period);
    double u = (t - r * period) / c.syllable;
    if (r >= c.repeats || u > 1) continue;
    double scale = 1 - c.falloff * r;
    double hz = u < c.peakAt ? c.startHz + (c.peakHz - c.startHz) * u / c.peakAt
                             : c.peakHz + (c.endHz - c.peakHz) * (u - c.peakAt) / (1 - c.peakAt);
    hz *= scale * (1 + c.vibrato * SineCycles(6 * t));
    phase += hz / kRate;
    double frac = phase - std::floor(phase);
    float voiced = c.source == S::Buzz ? static_cast<float>(2 * frac - 1)
                                       : static_cast<float>(SineCycles(phase) + 0.3 * SineCycles(2 * phase));
    float src = static_cast<float>((1 - c.breath) * voiced + c.breath * noise());
    double env = std::min(1.0, u * c.syllable / 0.015) * std::sin(std::numbers::pi * std::min(1.0, 0.5 + 0.5 * u));
    env = std::min(env * 1.4, 1.0) * (1 - 0.3 * u) * scale;
    if (c.rough > 0) env *= 0.6 + 0.4 * SineCycles(c.rough * t);
    float shaped = src;
    if (c.f1 > 0) shaped = f1.Band(src) + (c.f2 > 0 ? 0.6f * f2.Band(src) : 0.0f) + 0.2f * src;
    s[i] = static_cast<float>(env) * soften.Low(shaped);
  }
  FinishOneShot(s);
  return s;
}

void GenerateCalls(Output& out) {
  std::vector<std::string> names;
  std::vector<std::function<Samples()>> jobs;
  for (const SpeciesEntry& sp : Species()) {
    auto it = Calls().find(sp.motif);
    for (int k = 0; k < 2; ++k) {
      const std::string& file = k == 0 ? sp.call1 : sp.call2;
      if (file.empty() || file == "non") continue;
      CallShape shape = it == Calls().end() ? kDefaultCall : k == 0 ? it->second.first : it->second.second;
      names.push_back(file);
      jobs.push_back([shape] { return RenderCall(shape); });
    }
  }
  std::vector<Samples> calls = RunParallel(jobs);
  for (size_t i = 0; i < names.size(); ++i) out.Write("Sounds/" + names[i], WavFile(calls[i]));
}

RegisterGenerator reg("73-sound-calls", &GenerateCalls);

}  // namespace
