// The sound device on SDL_mixer: every effect buffer owns one reserved mixer
// channel, so its volume, pan and playing state are that channel's; music is the
// mixer's single music stream.
#include <SDL.h>
#include <SDL_mixer.h>

#include <map>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace {

class SdlAudio;

class SdlBuffer : public SoundBuffer {
 public:
  SdlBuffer(SdlAudio& audio, Mix_Chunk* chunk, int channel) : audio_(audio), chunk_(chunk), channel_(channel) {}
  ~SdlBuffer() override;
  void Play(bool loop) override { Mix_PlayChannel(channel_, chunk_, loop ? -1 : 0); }
  void Stop() override { Mix_HaltChannel(channel_); }
  // A chunk always starts from its beginning; halting is all a rewind needs.
  void Rewind() override { Mix_HaltChannel(channel_); }
  void SetVolume(int centiDb) override { Mix_Volume(channel_, MixerVolume(centiDb)); }
  void SetPan(int pan) override {
    PanGains g = MixerPan(pan);
    Mix_SetPanning(channel_, static_cast<Uint8>(g.left), static_cast<Uint8>(g.right));
  }
  bool Playing() const override { return Mix_Playing(channel_) != 0; }

 private:
  SdlAudio& audio_;
  Mix_Chunk* chunk_;
  int channel_;
};

class SdlMusic : public MusicTrack {
 public:
  explicit SdlMusic(Mix_Music* music, std::vector<uint8_t> image = {}) : music_(music), image_(std::move(image)) {}
  ~SdlMusic() override {
    Stop();
    Mix_FreeMusic(music_);
  }
  void Play(bool loop) override {
    if (Mix_PlayMusic(music_, loop ? -1 : 0) == 0) current_ = this;
  }
  void Stop() override {
    if (current_ != this) return;
    Mix_HaltMusic();
    current_ = nullptr;
  }
  void SetVolume(int centiDb) override { Mix_VolumeMusic(MixerVolume(centiDb)); }
  bool Playing() const override { return current_ == this && Mix_PlayingMusic() != 0; }
  int64_t PositionMs() const override {
    if (current_ != this) return 0;
    double seconds = Mix_GetMusicPosition(music_);
    return seconds < 0 ? 0 : static_cast<int64_t>(seconds * 1000.0);
  }
  int64_t LengthMs() const override {
    double seconds = Mix_MusicDuration(music_);
    return seconds < 0 ? 0 : static_cast<int64_t>(seconds * 1000.0);
  }

 private:
  Mix_Music* music_;
  std::vector<uint8_t> image_;  // the bytes a track from memory reads, kept while it lives
  // The mixer plays one music stream at a time: the track that last started it.
  static inline SdlMusic* current_ = nullptr;
};

class SdlAudio : public AudioDevice {
 public:
  SdlAudio() {
    const int reserved = Mix_AllocateChannels(kChannels) - kOneShotChannels;
    Mix_ReserveChannels(reserved);
    Mix_GroupChannels(reserved, kChannels - 1, kOneShotGroup);
  }
  ~SdlAudio() override {
    Mix_HaltChannel(-1);
    for (auto& [path, chunk] : oneShots_) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  std::unique_ptr<SoundBuffer> LoadBuffer(const std::filesystem::path& wav) override {
    Mix_Chunk* chunk = Mix_LoadWAV(wav.string().c_str());
    if (!chunk) return nullptr;
    int channel = TakeChannel();
    if (channel < 0) {
      Mix_FreeChunk(chunk);
      return nullptr;
    }
    return std::make_unique<SdlBuffer>(*this, chunk, channel);
  }

  std::unique_ptr<MusicTrack> OpenMusic(const std::filesystem::path& wav) override {
    Mix_Music* music = Mix_LoadMUS(wav.string().c_str());
    if (!music) return nullptr;
    return std::make_unique<SdlMusic>(music);
  }

  std::unique_ptr<MusicTrack> OpenMusicImage(std::vector<uint8_t> wav) override {
    SDL_RWops* rw = SDL_RWFromConstMem(wav.data(), static_cast<int>(wav.size()));
    Mix_Music* music = rw ? Mix_LoadMUS_RW(rw, 1) : nullptr;
    if (!music) return nullptr;
    return std::make_unique<SdlMusic>(music, std::move(wav));  // moving keeps the bytes where they are
  }

  void PlayOnce(const std::filesystem::path& wav) override {
    Mix_Chunk*& chunk = oneShots_[wav.string()];
    if (!chunk) chunk = Mix_LoadWAV(wav.string().c_str());
    if (chunk) Mix_PlayChannel(-1, chunk, 0);
  }

  void StopOnce() override { Mix_HaltGroup(kOneShotGroup); }

  void ReleaseChannel(int channel) {
    Mix_HaltChannel(channel);
    Mix_Volume(channel, MIX_MAX_VOLUME);
    Mix_SetPanning(channel, 255, 255);
    channelUsed_[static_cast<size_t>(channel)] = false;
  }

 private:
  // Effect buffers get reserved channels; front-end clicks share the rest.
  static constexpr int kChannels = 16, kOneShotChannels = 4, kOneShotGroup = 1;

  int TakeChannel() {
    for (size_t i = 0; i < channelUsed_.size(); ++i)
      if (!channelUsed_[i]) {
        channelUsed_[i] = true;
        return static_cast<int>(i);
      }
    return -1;
  }

  std::vector<bool> channelUsed_ = std::vector<bool>(kChannels - kOneShotChannels, false);
  // Clicks are few files, kept for the whole run: a chunk cannot be freed while it plays.
  std::map<std::string, Mix_Chunk*> oneShots_;
};

SdlBuffer::~SdlBuffer() {
  audio_.ReleaseChannel(channel_);
  Mix_FreeChunk(chunk_);
}

}  // namespace

std::unique_ptr<AudioDevice> OpenSdlAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return MakeNullAudio();
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return MakeNullAudio();
  }
  return std::make_unique<SdlAudio>();
}
