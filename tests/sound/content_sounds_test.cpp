#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "content/content_folder.h"
#include "sound/wav_reader.h"

namespace {

namespace fs = std::filesystem;


WavData Load(const std::string& name) {
  auto path = ResolveFile(ContentFolder() / "Sounds", name);
  if (!path) ADD_FAILURE() << name << " is missing";
  auto wav = path ? ReadWav(*path) : std::nullopt;
  if (path && !wav) ADD_FAILURE() << name << " is not a readable PCM WAV";
  return wav.value_or(WavData{});
}

double Rms(const WavData& w, double from, double to) {
  size_t a = static_cast<size_t>(std::max(0.0, from) * w.rate), b = std::min(w.samples.size(), static_cast<size_t>(to * w.rate));
  double sum = 0;
  for (size_t i = a; i < b; ++i) sum += double(w.samples[i]) * w.samples[i];
  return b > a ? std::sqrt(sum / double(b - a)) : 0;
}

int PeakOf(const WavData& w) {
  int peak = 0;
  for (int16_t s : w.samples) peak = std::max(peak, std::abs(int(s)));
  return peak;
}

const std::vector<std::string> kEffects{
    "Click.wav", "Click2.wav", "Error.wav", "Gold.wav", "Mail.wav", "Const.wav", "Destroy.wav", "Destroy_b1.wav",
    "Destroy_b2.wav", "Destroy_b3.wav", "Bus2.wav", "Bus3.wav", "ivent1.wav", "ivent2.wav", "zattou1.wav",
    "zattou2.wav", "zattou3.wav", "zattou4.wav", "zattou5.wav", "zattou6.wav", "zattou7.wav", "Heri2.wav",
    "Dead2.wav", "Dead3.wav", "jishin.wav", "Inseki.wav", "Ufo2.wav", "Deb1.wav", "stuff0.wav", "stuff1.wav",
    "stuff2.wav", "stuff3.wav", "stuff4.wav", "stuff5.wav"};
const std::vector<std::string> kLoopedEffects{"Bus1.wav", "Heri1.wav", "Ufo1.wav"};
const std::vector<std::string> kTracks{"bgm1A.wav", "bgm1B.wav", "bgm2A.wav", "bgm2B.wav", "bgm3A.wav", "bgm3B.wav"};

// Files the game plays as one-shots: the species' calls from the definition files
// and the named effects.
std::vector<std::string> OneShots() {
  std::vector<std::string> names = kEffects;
  Catalogue catalogue;
  fs::path data = ContentFolder() / "Data";
  if (!LoadInfo(catalogue, data).ok()) {
    ADD_FAILURE() << "info.dat unreadable";
    return names;
  }
  EXPECT_GT(catalogue.AnimalTypeCount, 0);
  for (int n = 0; n < catalogue.AnimalTypeCount; ++n) {
    EXPECT_TRUE(LoadAnimalType(catalogue, data, n).ok()) << "Animal" << n;
    for (const std::string& call : {catalogue.AnimalType[size_t(n)].Sound1, catalogue.AnimalType[size_t(n)].Sound2})
      if (call != "non") names.push_back(fs::path(call).filename().string());
  }
  return names;
}

void ExpectFormat(const std::string& name, const WavData& w) {
  EXPECT_EQ(w.format, 1) << name;
  EXPECT_EQ(w.bits, 16) << name;
  EXPECT_GE(w.rate, 22050) << name;
  EXPECT_GE(w.channels, 1) << name;
  EXPECT_LE(w.channels, 2) << name;
  EXPECT_FALSE(w.samples.empty()) << name;
  EXPECT_LT(PeakOf(w), 32000) << name << " clips";
}

// Loudness over the whole file in dB below full scale.
double LevelDb(const WavData& w) { return 20 * std::log10(std::max(Rms(w, 0, w.Seconds()), 1.0) / 32768.0); }

// A loop joins without a seam: the step from the last sample to the first is of the
// size of the steps the sound itself makes and, unless the piece returns to a quiet
// introduction, the level does not jump across the join.
void ExpectSeamless(const std::string& name, const WavData& w, bool sameLevel = true) {
  ASSERT_GT(w.samples.size(), 1000u) << name;
  std::vector<int> steps;
  for (size_t i = 1; i < w.samples.size(); ++i) steps.push_back(std::abs(w.samples[i] - w.samples[i - 1]));
  std::sort(steps.begin(), steps.end());
  int typical = steps[steps.size() * 999 / 1000];
  EXPECT_LE(std::abs(w.samples.front() - w.samples.back()), 2 * typical) << name;
  if (!sameLevel) return;
  double window = std::min(1.0, w.Seconds() / 4);
  double tail = Rms(w, w.Seconds() - window, w.Seconds()), head = Rms(w, 0, window);
  EXPECT_LT(std::abs(20 * std::log10((tail + 1) / (head + 1))), 6.0) << name;
}

TEST(ContentSounds, EffectsAndCallsAreCleanOneShots) {
  for (const std::string& name : OneShots()) {
    WavData w = Load(name);
    ExpectFormat(name, w);
    EXPECT_LE(std::abs(w.samples.front()), 330) << name << " starts with a click";
    EXPECT_LE(std::abs(w.samples.back()), 330) << name << " ends with a click";
    EXPECT_GT(w.Seconds(), 0.03) << name;
    EXPECT_LT(w.Seconds(), 6.0) << name;
    // Levelled to a similar loudness.
    EXPECT_GT(LevelDb(w), -30) << name;
    EXPECT_LT(LevelDb(w), -14) << name;
  }
}

TEST(ContentSounds, LoopedEffectsJoinWithoutASeam) {
  for (const std::string& name : kLoopedEffects) {
    WavData w = Load(name);
    ExpectFormat(name, w);
    EXPECT_GE(w.Seconds(), 1.0) << name;
    ExpectSeamless(name, w);
  }
}

TEST(ContentSounds, MapTracksLoopForOverAMinute) {
  for (const std::string& name : kTracks) {
    WavData w = Load(name);
    ExpectFormat(name, w);
    EXPECT_GE(w.Seconds(), 60.0) << name;
    EXPECT_GT(LevelDb(w), -24) << name;
    ExpectSeamless(name, w);
  }
}

}  // namespace
