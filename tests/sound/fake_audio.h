#pragma once
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "test_folder.h"

// An audio device that records what the sound system asks of it. Buffers play
// until a test stops them (or Stop is called), like a long or looping sound.
struct FakeBufferState {
  std::string file;
  bool playing = false, loop = false, freed = false;
  int plays = 0, rewinds = 0, volume = 0, pan = 0;
};

class FakeBuffer : public SoundBuffer {
 public:
  explicit FakeBuffer(std::shared_ptr<FakeBufferState> s) : s_(std::move(s)) {}
  ~FakeBuffer() override { s_->freed = true; }
  void Play(bool loop) override {
    s_->playing = true;
    s_->loop = loop;
    ++s_->plays;
  }
  void Stop() override { s_->playing = false; }
  void Rewind() override { ++s_->rewinds; }
  void SetVolume(int v) override { s_->volume = v; }
  void SetPan(int p) override { s_->pan = p; }
  bool Playing() const override { return s_->playing; }

 private:
  std::shared_ptr<FakeBufferState> s_;
};

struct FakeMusicState {
  std::string file;
  bool playing = false, loop = false;
  int volume = 0;
  int64_t position = 0;
};

class FakeMusic : public MusicTrack {
 public:
  explicit FakeMusic(std::shared_ptr<FakeMusicState> s) : s_(std::move(s)) {}
  void Play(bool loop) override {
    s_->playing = true;
    s_->loop = loop;
  }
  void Stop() override { s_->playing = false; }
  void SetVolume(int v) override { s_->volume = v; }
  bool Playing() const override { return s_->playing; }
  int64_t PositionMs() const override { return s_->position; }
  int64_t LengthMs() const override { return 60000; }

 private:
  std::shared_ptr<FakeMusicState> s_;
};

class FakeAudio : public AudioDevice {
 public:
  std::unique_ptr<SoundBuffer> LoadBuffer(const std::filesystem::path& wav) override {
    loads.push_back(std::make_shared<FakeBufferState>());
    loads.back()->file = wav.filename().string();
    return std::make_unique<FakeBuffer>(loads.back());
  }
  std::unique_ptr<MusicTrack> OpenMusic(const std::filesystem::path& wav) override {
    tracks.push_back(std::make_shared<FakeMusicState>());
    tracks.back()->file = wav.filename().string();
    return std::make_unique<FakeMusic>(tracks.back());
  }
  void PlayOnce(const std::filesystem::path& wav) override { once.push_back(wav.filename().string()); }
  void StopOnce() override { once.clear(); }

  // Every buffer ever loaded and every track ever opened, in order.
  std::vector<std::shared_ptr<FakeBufferState>> loads;
  std::vector<std::shared_ptr<FakeMusicState>> tracks;
  std::vector<std::string> once;
};

// A sounds folder holding files with the given names (no sound in them: the fake
// device never reads them).
struct SoundsFolder : TestFolder {
  explicit SoundsFolder(const std::vector<std::string>& names) {
    for (const auto& n : names) std::ofstream(path / n) << "RIFF";
  }
};
