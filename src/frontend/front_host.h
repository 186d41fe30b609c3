#pragma once
// What the front-end screens need from the program around them: the 640 x 480
// screen, pictures of the graphics folder, text, sound and the clock. The program
// supplies the real one; tests supply a recording one.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/film.h"
#include "platform/surface.h"
#include "platform/text.h"

class FrontHost {
 public:
  virtual ~FrontHost() = default;
  virtual Surface& Screen() = 0;
  virtual void Show() = 0;
  // A picture of the graphics folder, loaded once; an empty surface when missing.
  virtual const Surface& Picture(const std::string& file) = 0;
  virtual TextRenderer& Text() = 0;
  // A click or page sound played once through the simple player.
  virtual void Click(const std::string& wav) = 0;
  // Silences the click and page sounds still playing.
  virtual void StopClicks() = 0;
  virtual void PlayMusic(const std::string& wav, bool loop) = 0;
  virtual void StopMusic() = 0;
  virtual bool MusicPlaying() = 0;
  virtual bool MusicOn() = 0;  // the music volume is above 0
  virtual int64_t MusicPositionMs() = 0;
  virtual int64_t MusicLengthMs() = 0;
  // The options screen's music slider: the volume at once, music stopped at 0 and
  // started again (the menu's or the map's track) above it.
  virtual void PreviewMusic(int volume) = 0;
  // Opens a film with its pictures fitted into the box; nullptr when it cannot be played.
  virtual std::unique_ptr<FilmReader> OpenFilm(const std::filesystem::path& file, int boxWidth, int boxHeight) = 0;
  // A film's sound track (a WAV image), played once; empty stops it.
  virtual void PlayFilmSound(std::vector<uint8_t> wav) = 0;
  // Shows or hides the mouse pointer (hidden while a film plays).
  virtual void ShowPointer(bool shown) = 0;
  virtual int64_t NowMs() = 0;
};
