#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/audio.h"
#include "game/folders.h"
#include "game/settings.h"

struct Game;
class Random;

constexpr int kEffectSlots = 7;

// Effect volume for the "EFX Volume" setting and music volume for "BGM Volume",
// both 0..100, in hundredths of a decibel: 100 is full, 0 is -30 dB.
int SettingVolume(int setting);

// Stereo placement of an event seen at screen point (x, y) on a screen of the given
// size: pan -10000..10000 and volume -1500..0.
struct Placement {
  int pan = 0;
  int volume = 0;
};
Placement PositionFor(int x, int y, int screenWidth, int screenHeight);

// The in-game track for a ground pattern: "map_pat1.bmp" .. "map_pat3.bmp" (any
// letter case) pick track A or B of their pair at random; any other pattern keeps
// `current` and draws nothing.
std::string PickMapMusic(std::string_view mapPattern, Random& random, const std::string& current);

// Chooses the map's track into game.MusicName and, when music is on, starts it
// looping through the game's presentation.
void ChooseMapMusic(Game& game);

// All the game's sound: seven effect slots and one music track, over an audio device
// that must outlive it. Files are named relative to the sounds folder, in any letter
// case. Settings and folders are read at each call, so changes apply at once.
class SoundSystem {
 public:
  SoundSystem(AudioDevice& device, const Settings& settings, const Folders& folders);

  // The screen the positional effects are placed on (640 x 480 until told).
  void SetScreenSize(int width, int height);

  // Plays an effect from the slot that holds it, else from the first slot that is
  // unused or silent; with seven different effects playing it is dropped.
  // Positional effects take their pan and level from screen point (x, y); the others
  // play centred at the "EFX Volume".
  void PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX);
  void StopEffect(const std::string& file);
  // A playing positional effect takes the pan and level of a new screen point.
  void MoveEffect(const std::string& file, int screenY, int screenX);
  void StopAllEffects();
  bool EffectPlaying(const std::string& file) const;
  // Loads a file into a slot (0..6), replacing what it held.
  void LoadEffect(const std::string& file, int slot);

  // Starts a track at the "BGM Volume"; nothing starts while music is off.
  void PlayMusic(const std::string& file, bool loop);
  // The ending's track at full volume. With music off it runs muted, so that its
  // position still paces the ending.
  void PlayEndingMusic(const std::string& file, bool loop);
  // Volume 0..100; ignored while music is off.
  void SetMusicVolume(int volume);
  bool MusicPlaying() const;
  // Milliseconds into the current track, and its length; 0 without a track.
  int64_t MusicPosition() const;
  int64_t MusicLength() const;
  void StopMusic();

  // A front-end click: plays once at full volume, outside the effect slots.
  void PlayClick(const std::string& file);
  void StopClicks() { device_.StopOnce(); }

  // The file name a slot holds ("" when never used); for tests and diagnostics.
  const std::string& SlotName(int slot) const { return slots_[static_cast<size_t>(slot)].name; }

 private:
  struct Slot {
    std::string name;
    std::unique_ptr<SoundBuffer> buffer;
  };
  int FindSlot(std::string_view file) const;
  // Stops and frees the current track, then opens another (none when missing).
  void OpenMusic(const std::string& file);

  AudioDevice& device_;
  const Settings& settings_;
  const Folders& folders_;
  int screenWidth_ = 640, screenHeight_ = 480;
  std::array<Slot, kEffectSlots> slots_;
  std::unique_ptr<MusicTrack> music_;
};
