#pragma once
// A front-end host for tests: a 640 x 480 screen, the generated pictures, the
// headless text renderer, and a clock and sounds the test reads and sets.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "content/content_folder.h"
#include "frontend/front_host.h"
#include "platform/file_names.h"

class FakeFrontHost : public FrontHost {
 public:
  Surface& Screen() override { return screen; }
  void Show() override { ++shows; }
  const Surface& Picture(const std::string& file) override {
    auto it = pictures.find(file);
    if (it != pictures.end()) return it->second;
    Surface s;
    auto path = ResolveFile(ContentFolder() / "Graphics", file);
    if (path && LoadBmp(*path, s)) s.SetColorKeyFromPixel(0, 0);
    return pictures.emplace(file, std::move(s)).first->second;
  }
  TextRenderer& Text() override { return text; }
  void Click(const std::string& wav) override { clicks.push_back(wav); }
  void StopClicks() override { ++clicksStopped; }
  void PlayMusic(const std::string& wav, bool) override {
    music = wav;
    musicStarted = now;
  }
  void StopMusic() override { music.clear(); }
  bool MusicPlaying() override { return !music.empty(); }
  bool MusicOn() override { return musicOn; }
  int64_t MusicPositionMs() override { return music.empty() ? 0 : now - musicStarted; }
  int64_t MusicLengthMs() override { return musicLength; }
  void PreviewMusic(int) override {}
  void PlayFilmSound(std::vector<uint8_t> wav) override { filmSound = std::move(wav); }
  void ShowPointer(bool shown) override { pointerShown = shown; }
  int64_t NowMs() override { return now; }
  // Films play only in the back-end tests, where a real reader is at hand.
  std::unique_ptr<FilmReader> OpenFilm(const std::filesystem::path& file, int w, int h) override {
    return openFilm ? openFilm(file, w, h) : nullptr;
  }
  std::function<std::unique_ptr<FilmReader>(const std::filesystem::path&, int, int)> openFilm;

  Surface screen{640, 480};
  std::map<std::string, Surface> pictures;
  TextRenderer text;
  std::vector<std::string> clicks;
  std::string music;
  bool musicOn = true;
  std::vector<uint8_t> filmSound;
  int64_t now = 0, musicStarted = 0, musicLength = 60000;
  int shows = 0, clicksStopped = 0;
  bool pointerShown = true;
};
