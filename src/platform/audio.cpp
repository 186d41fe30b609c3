#include "platform/audio.h"

#include <algorithm>
#include <cmath>

namespace {

// Attenuation in hundredths of a decibel to a linear factor 0..1.
double Gain(int centiDb) {
  if (centiDb <= -10000) return 0.0;
  return std::pow(10.0, std::min(centiDb, 0) / 2000.0);
}

class NullAudio : public AudioDevice {
 public:
  std::unique_ptr<SoundBuffer> LoadBuffer(const std::filesystem::path&) override { return nullptr; }
  std::unique_ptr<MusicTrack> OpenMusic(const std::filesystem::path&) override { return nullptr; }
  void PlayOnce(const std::filesystem::path&) override {}
  void StopOnce() override {}
};

}  // namespace

std::unique_ptr<AudioDevice> MakeNullAudio() { return std::make_unique<NullAudio>(); }

int MixerVolume(int centiDb) { return static_cast<int>(std::lround(Gain(centiDb) * kMixerFullVolume)); }

PanGains MixerPan(int pan) {
  pan = std::clamp(pan, -10000, 10000);
  int quiet = static_cast<int>(std::lround(Gain(-std::abs(pan)) * 255));
  PanGains g;
  if (pan > 0) g.left = quiet;
  if (pan < 0) g.right = quiet;
  return g;
}
