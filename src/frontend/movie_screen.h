#pragma once
// The film screen: one of the four films of the film folder in the video panel
// (10, 70, 620 x 340) on black, its sound through the speakers. A click or a key
// skips it; the pointer is hidden while it plays. A film that is missing or cannot be decoded ends at once, and the
// game goes on to the screen that follows the film.
#include <filesystem>
#include <memory>

#include "frontend/front_host.h"
#include "platform/film.h"

// The films by MovieNo: 1 game over, 2 opening, 3 map cleared, 4 campaign finished.
std::string FilmFile(int movieNo);

class MovieScreen {
 public:
  MovieScreen(FrontHost& host, const std::filesystem::path& film);
  ~MovieScreen();
  MovieScreen(const MovieScreen&) = delete;
  MovieScreen& operator=(const MovieScreen&) = delete;
  // Shows the picture due now; false once the film has ended or was skipped.
  bool Timer();
  void Skip();
  bool Playing() const { return film_ != nullptr; }
  int PicturesShown() const { return shown_; }

 private:
  FrontHost& host_;
  std::unique_ptr<FilmReader> film_;
  Surface picture_, next_;
  int64_t nextMs_ = 0;
  bool haveNext_ = false;
  int64_t start_ = 0;
  int shown_ = 0;
};
