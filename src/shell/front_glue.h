#pragma once
// The front end's link to the program: its screen, pictures, text and sound come
// from the application's display and sound system, and what it asks of the game
// (start a map, load or save, settings, figures) goes to the set-up and the saved
// games. The application owns one and routes input to it while a screen shows.
#include <functional>
#include <map>
#include <memory>

#include "frontend/front_end.h"
#include "shell/sound.h"

struct Game;

struct FrontLinks {
  std::function<Surface&()> screen;
  std::function<void()> show;
  std::function<std::unique_ptr<FilmReader>(const std::filesystem::path&, int, int)> openFilm;
  // Switches the display back to the front end's size after a refused start.
  std::function<void()> leaveGameScreen;
  std::function<void()> quit;
  std::function<int64_t()> now;
  std::function<void(bool)> showPointer;
};

class FrontGlue : public FrontHost, public FrontGame {
 public:
  FrontGlue(Game& game, TextRenderer& text, SoundSystem& sound, AudioDevice& audio, FrontLinks links);
  FrontEnd& Front() { return front_; }

  // FrontHost
  Surface& Screen() override { return links_.screen(); }
  void Show() override { links_.show(); }
  const Surface& Picture(const std::string& file) override;
  TextRenderer& Text() override { return text_; }
  void Click(const std::string& wav) override { sound_.PlayClick(wav); }
  void StopClicks() override { sound_.StopClicks(); }
  void PlayMusic(const std::string& wav, bool loop) override;
  void StopMusic() override { sound_.StopMusic(); }
  bool MusicPlaying() override { return sound_.MusicPlaying(); }
  bool MusicOn() override;
  int64_t MusicPositionMs() override { return sound_.MusicPosition(); }
  int64_t MusicLengthMs() override { return sound_.MusicLength(); }
  void PreviewMusic(int volume) override;
  std::unique_ptr<FilmReader> OpenFilm(const std::filesystem::path& file, int w, int h) override {
    return links_.openFilm(file, w, h);
  }
  void PlayFilmSound(std::vector<uint8_t> wav) override;
  void ShowPointer(bool shown) override { links_.showPointer(shown); }
  int64_t NowMs() override { return links_.now(); }

  // FrontGame
  std::filesystem::path MapsDir() override;
  std::filesystem::path SaveDir() override;
  std::filesystem::path MovieDir() override;
  int CampNo() override;
  std::string StartMap(const std::string& mapFile, const std::string& zooName, CampaignKind kind) override;
  std::string LoadSave(const std::string& name) override;
  std::string SaveRunning(const std::string& name) override;
  void ResumePlay() override;
  OptionValues Options() override;
  void ApplyOptions(const OptionValues& values, bool fromGame) override;
  DebriefFigures Figures() override;
  bool LastMapWasCampaign() override;
  void Quit() override { links_.quit(); }

 private:
  Game& game_;
  TextRenderer& text_;
  SoundSystem& sound_;
  AudioDevice& audio_;
  FrontLinks links_;
  std::map<std::string, Surface> pictures_;
  std::unique_ptr<MusicTrack> filmSound_;
  FrontEnd front_{*this, *this};
};
