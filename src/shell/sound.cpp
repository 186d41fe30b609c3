#include "shell/sound.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/file_names.h"
#include "game/game.h"
#include "game/random.h"

namespace {

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

constexpr int kSilent = -10000;
constexpr int kAxisLevel = 750;  // each axis gives up to half of the 1500 range

}  // namespace

int SettingVolume(int setting) { return setting * 30 - 3000; }

Placement PositionFor(int x, int y, int screenWidth, int screenHeight) {
  Placement p;
  // The map area is the screen without the 125-pixel panel and the 30-pixel top bar.
  int mapWidth = screenWidth - 125;
  int h = mapWidth / 2;
  double ratio = h > 0 ? std::abs(h - x) / static_cast<double>(h) : 1.0;
  if (x < 0 || x > mapWidth) ratio = 1.0;
  // Just inside the right edge the ratio passes 1 by a hair; the pan stays in range.
  int pan = RoundHalfEven(10000.0 * ratio);
  pan = std::min(pan, 10000);
  p.pan = x < h ? -pan : x > h ? pan : 0;
  int level = static_cast<int>((1.0 - ratio) * kAxisLevel);

  int v = (screenHeight - 30) / 2;
  int y2 = y - 30;
  ratio = v > 0 ? std::abs(v - y2) / static_cast<double>(v) : 1.0;
  if (y2 < 30 || y2 > screenHeight) ratio = 1.0;
  level += static_cast<int>((1.0 - ratio) * kAxisLevel);

  level = std::clamp(level, 0, 2 * kAxisLevel);
  p.volume = level - 2 * kAxisLevel;
  return p;
}

std::string PickMapMusic(std::string_view mapPattern, Random& random, const std::string& current) {
  std::string pattern = Lower(mapPattern);
  for (char n : {'1', '2', '3'}) {
    if (pattern == std::string("map_pat") + n + ".bmp")
      return std::string("bgm") + n + (random(2) == 0 ? "A" : "B") + ".wav";
  }
  return current;
}

void ChooseMapMusic(Game& game) {
  game.MusicName = PickMapMusic(game.zoo.MapPattern.str(), game.random, game.MusicName);
  if (game.settings.MusicOn) game.ui->PlayMusic(game.MusicName);
}

SoundSystem::SoundSystem(AudioDevice& device, const Settings& settings, const Folders& folders)
    : device_(device), settings_(settings), folders_(folders) {}

void SoundSystem::SetScreenSize(int width, int height) {
  screenWidth_ = width;
  screenHeight_ = height;
}

int SoundSystem::FindSlot(std::string_view file) const {
  for (int i = 0; i < kEffectSlots; ++i)
    if (!slots_[static_cast<size_t>(i)].name.empty() && SameName(slots_[static_cast<size_t>(i)].name, file))
      return i;
  return -1;
}

void SoundSystem::PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX) {
  if (file.empty()) return;
  int slot = FindSlot(file);
  if (slot < 0) {
    for (int i = 0; i < kEffectSlots && slot < 0; ++i) {
      const Slot& s = slots_[static_cast<size_t>(i)];
      if (s.name.empty() || !s.buffer || !s.buffer->Playing()) slot = i;
    }
    if (slot < 0) return;  // seven different effects already playing
    LoadEffect(file, slot);
  }
  SoundBuffer* buffer = slots_[static_cast<size_t>(slot)].buffer.get();
  if (!buffer) return;
  buffer->Stop();
  buffer->Rewind();
  Placement p{0, SettingVolume(settings_.EFXVolume)};
  if (positional) p = PositionFor(screenX, screenY, screenWidth_, screenHeight_);
  buffer->SetVolume(p.volume);
  buffer->SetPan(p.pan);
  buffer->Play(loop);
}

void SoundSystem::MoveEffect(const std::string& file, int screenY, int screenX) {
  int slot = FindSlot(file);
  if (slot < 0) return;
  SoundBuffer* buffer = slots_[static_cast<size_t>(slot)].buffer.get();
  if (!buffer || !buffer->Playing()) return;
  Placement p = PositionFor(screenX, screenY, screenWidth_, screenHeight_);
  buffer->SetVolume(p.volume);
  buffer->SetPan(p.pan);
}

void SoundSystem::StopEffect(const std::string& file) {
  for (Slot& s : slots_)
    if (s.buffer && SameName(s.name, file)) s.buffer->Stop();
}

void SoundSystem::StopAllEffects() {
  for (Slot& s : slots_)
    if (s.buffer) s.buffer->Stop();
}

bool SoundSystem::EffectPlaying(const std::string& file) const {
  int slot = FindSlot(file);
  if (slot < 0) return false;
  const Slot& s = slots_[static_cast<size_t>(slot)];
  return s.buffer && s.buffer->Playing();
}

void SoundSystem::LoadEffect(const std::string& file, int slot) {
  if (slot < 0 || slot >= kEffectSlots) return;
  Slot& s = slots_[static_cast<size_t>(slot)];
  s.name = file;
  s.buffer.reset();
  if (auto path = ResolveFile(folders_.SoundsDir, file)) s.buffer = device_.LoadBuffer(*path);
}

void SoundSystem::OpenMusic(const std::string& file) {
  StopMusic();
  music_.reset();
  if (auto path = ResolveFile(folders_.SoundsDir, file)) music_ = device_.OpenMusic(*path);
}

void SoundSystem::PlayMusic(const std::string& file, bool loop) {
  if (!settings_.MusicOn) return;
  OpenMusic(file);
  if (!music_) return;
  music_->SetVolume(SettingVolume(settings_.BGMVolume));
  music_->Play(loop);
}

void SoundSystem::PlayEndingMusic(const std::string& file, bool loop) {
  OpenMusic(file);
  if (!music_) return;
  music_->SetVolume(settings_.MusicOn ? 0 : kSilent);
  music_->Play(loop);
}

void SoundSystem::SetMusicVolume(int volume) {
  if (settings_.MusicOn && music_) music_->SetVolume(SettingVolume(volume));
}

bool SoundSystem::MusicPlaying() const { return music_ && music_->Playing(); }

int64_t SoundSystem::MusicPosition() const { return music_ ? music_->PositionMs() : 0; }

int64_t SoundSystem::MusicLength() const { return music_ ? music_->LengthMs() : 0; }

void SoundSystem::StopMusic() {
  if (MusicPlaying()) music_->Stop();
}

void SoundSystem::PlayClick(const std::string& file) {
  if (auto path = ResolveFile(folders_.SoundsDir, file)) device_.PlayOnce(*path);
}
