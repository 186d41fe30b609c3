#pragma once
#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

// The sound device as the game uses it: short effects held in memory, one streamed
// music track, and a fire-and-forget player for front-end clicks.
//
// Volumes are hundredths of a decibel of attenuation (0 full, -10000 silent); pan
// runs from -10000 (left only) to +10000 (right only), attenuating the other side
// by |pan| hundredths of a decibel.

// One effect loaded from a WAV file.
class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;
  virtual void Play(bool loop) = 0;
  virtual void Stop() = 0;
  // The next Play starts from the beginning.
  virtual void Rewind() = 0;
  virtual void SetVolume(int centiDb) = 0;
  virtual void SetPan(int pan) = 0;
  virtual bool Playing() const = 0;
};

// A music track streamed from a WAV file.
class MusicTrack {
 public:
  virtual ~MusicTrack() = default;
  virtual void Play(bool loop) = 0;
  virtual void Stop() = 0;
  virtual void SetVolume(int centiDb) = 0;
  virtual bool Playing() const = 0;
  // Milliseconds from the start of the file (within the current pass when looping).
  virtual int64_t PositionMs() const = 0;
  virtual int64_t LengthMs() const = 0;
};

class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  // nullptr when the file cannot be read.
  virtual std::unique_ptr<SoundBuffer> LoadBuffer(const std::filesystem::path& wav) = 0;
  virtual std::unique_ptr<MusicTrack> OpenMusic(const std::filesystem::path& wav) = 0;
  // A track from a WAV image in memory (a film's sound); nullptr when it cannot be
  // played. The silent device plays none.
  virtual std::unique_ptr<MusicTrack> OpenMusicImage(std::vector<uint8_t> wav) {
    (void)wav;
    return nullptr;
  }
  // Plays a file once at full volume without tying up an effect buffer.
  virtual void PlayOnce(const std::filesystem::path& wav) = 0;
  // Silences every sound PlayOnce started.
  virtual void StopOnce() = 0;
};

// The silent device for headless runs: loads nothing, plays nothing.
std::unique_ptr<AudioDevice> MakeNullAudio();
// The speakers. Falls back to the silent device when no audio output can be opened.
std::unique_ptr<AudioDevice> OpenSdlAudio();

// Mixer scales: gain 0..128 for a volume, and the left and right gains 0..255 for a pan.
constexpr int kMixerFullVolume = 128;
int MixerVolume(int centiDb);
struct PanGains {
  int left = 255, right = 255;
};
PanGains MixerPan(int pan);
