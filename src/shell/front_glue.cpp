#include "shell/front_glue.h"

#include <algorithm>

#include "game/game.h"
#include "platform/file_names.h"
#include "shell/setup.h"
#include "sim/saved_games.h"

FrontGlue::FrontGlue(Game& game, TextRenderer& text, SoundSystem& sound, AudioDevice& audio, FrontLinks links)
    : game_(game), text_(text), sound_(sound), audio_(audio), links_(std::move(links)) {}

const Surface& FrontGlue::Picture(const std::string& file) {
  auto it = pictures_.find(file);
  if (it != pictures_.end()) return it->second;
  Surface s;
  auto path = ResolveFile(game_.folders.GraphicsDir, file);
  if (path && LoadBmp(*path, s)) s.SetColorKeyFromPixel(0, 0);
  return pictures_.emplace(file, std::move(s)).first->second;
}

bool FrontGlue::MusicOn() { return game_.settings.MusicOn; }

void FrontGlue::PlayMusic(const std::string& wav, bool loop) {
  if (wav == "end_BG.wav") sound_.PlayEndingMusic(wav, loop);  // paces the ending even with music off
  else sound_.PlayMusic(wav, loop);
}

void FrontGlue::PreviewMusic(int volume) {
  if (volume == 0) {
    sound_.StopMusic();
    game_.settings.MusicOn = false;
    return;
  }
  const bool wasOff = !game_.settings.MusicOn;
  game_.settings.MusicOn = true;
  sound_.SetMusicVolume(volume);
  if (wasOff || !sound_.MusicPlaying()) {
    if (game_.clock.GameRunning) ChooseMapMusic(game_);
    else sound_.PlayMusic("menu_bg.Wav", true);
  }
}

void FrontGlue::PlayFilmSound(std::vector<uint8_t> wav) {
  filmSound_.reset();
  if (wav.empty()) return;
  filmSound_ = audio_.OpenMusicImage(std::move(wav));
  if (filmSound_) filmSound_->Play(false);
}

std::filesystem::path FrontGlue::MapsDir() { return game_.folders.MapsDir; }
std::filesystem::path FrontGlue::SaveDir() { return game_.folders.SaveDir; }
std::filesystem::path FrontGlue::MovieDir() { return game_.folders.MovieDir; }

int FrontGlue::CampNo() {
  // Continuing reads the settings again: the campaign's place may have moved on.
  if (!game_.folders.SettingsFile.empty()) game_.settings.CampNo = ReadSettings(game_.folders.SettingsFile).CampNo;
  return game_.settings.CampNo;
}

std::string FrontGlue::StartMap(const std::string& mapFile, const std::string& zooName, CampaignKind kind) {
  if (kind == CampaignKind::kNew) {
    game_.settings.CampNo = 1;
    if (!game_.folders.SettingsFile.empty()) WriteSettings(game_.folders.SettingsFile, game_.settings);
  }
  std::string problem = StartMapDirectly(game_, mapFile, zooName);
  if (!problem.empty()) links_.leaveGameScreen();
  return problem;
}

std::string FrontGlue::LoadSave(const std::string& name) {
  GameStart start;
  start.LoadSavedGame = true;
  start.SavedGameName = name;
  std::string problem = StartGame(game_, start);
  if (!problem.empty()) links_.leaveGameScreen();
  return problem;
}

std::string FrontGlue::SaveRunning(const std::string& name) {
  IoResult r = SaveGame(game_, name);
  return r.ok() ? std::string() : r.error.empty() ? std::string("error") : r.error;
}

void FrontGlue::ResumePlay() {
  game_.clock.GameMode = Mode::Playing;
  game_.clock.RedrawAll = 1;
}

OptionValues FrontGlue::Options() {
  const Settings& s = game_.settings;
  return {s.ScreenResW, s.Saigai, s.AutoHide, s.AutoKoyou, s.GameSpeedSetting, s.Scroll, s.EFXVolume, s.BGMVolume,
          s.Difficulty};
}

void FrontGlue::ApplyOptions(const OptionValues& v, bool fromGame) {
  Settings& s = game_.settings;
  s.Saigai = v.disasters;
  s.AutoHide = v.autoHide;
  s.GameSpeedSetting = v.speed;
  s.Difficulty = v.difficulty;
  s.Scroll = v.scroll;
  s.AutoKoyou = v.autoHire;
  s.EFXVolume = v.effects;
  s.BGMVolume = v.music;
  if (!fromGame) {  // a new size takes effect at the next game
    s.ScreenResW = v.width;
    s.ScreenResH = v.width == 800 ? 600 : 480;
  }
  DeriveSettings(s);
  sound_.SetMusicVolume(s.BGMVolume);
  game_.clock.GameSpeed = s.GameSpeedSetting;
  game_.clock.TimerInterval = s.GameSpeedSetting == 2 ? 30 : s.GameSpeedSetting == 3 ? 60 : 0;
  if (!game_.folders.SettingsFile.empty()) WriteSettings(game_.folders.SettingsFile, s);
}

DebriefFigures FrontGlue::Figures() {
  DebriefFigures f;
  f.year = game_.clock.Year;
  f.month = game_.clock.Month;
  f.day = game_.clock.Day;
  f.money = game_.zoo.Money;
  f.attraction = game_.zoo.Attraction;
  f.rankLevel = game_.zoo.Rank;
  f.visitors = game_.zoo.TotalVisitors;
  for (int y = 0; y < kGridSize; ++y)
    for (int x = 0; x < kGridSize; ++x) {
      const Facility& c = game_.world.Cells[y][x];
      if (c.Type < 0) continue;
      ++f.buildings;
      f.animals += c.AnimalCount;
    }
  return f;
}

bool FrontGlue::LastMapWasCampaign() {
  return Lower(game_.zoo.MapFileName).find("camp") != std::string::npos;
}
