#include "frontend/movie_screen.h"

namespace {
constexpr Rect kPanel{10, 70, 620, 340};
}

std::string FilmFile(int movieNo) {
  switch (movieNo) {
    case 1: return "over.avi";
    case 2: return "open.avi";
    case 3: return "Clear.avi";
    case 4: return "End.avi";
    default: return {};
  }
}

MovieScreen::MovieScreen(FrontHost& host, const std::filesystem::path& film) : host_(host) {
  host_.Screen().Fill(0);
  host_.Show();
  film_ = host_.OpenFilm(film, kPanel.w, kPanel.h);
  if (!film_) return;
  host_.ShowPointer(false);  // nothing to point at while the film plays
  host_.PlayFilmSound(film_->SoundAsWav(22050));
  start_ = host_.NowMs();
}

MovieScreen::~MovieScreen() { Skip(); }

bool MovieScreen::Timer() {
  if (!film_) return false;
  const int64_t now = host_.NowMs() - start_;
  // Decode up to the picture whose time has come; a late machine drops pictures.
  bool fresh = false;
  for (;;) {
    if (!haveNext_ && !(haveNext_ = film_->NextPicture(next_, nextMs_))) {
      Skip();
      return false;
    }
    if (nextMs_ > now) break;
    std::swap(picture_, next_);
    haveNext_ = false;
    fresh = true;
  }
  if (fresh) {
    host_.Screen().Draw(kPanel.x + (kPanel.w - picture_.Width()) / 2, kPanel.y + (kPanel.h - picture_.Height()) / 2,
                        picture_, false);
    host_.Show();
    ++shown_;
  }
  return true;
}

void MovieScreen::Skip() {
  if (!film_) return;
  film_.reset();
  host_.PlayFilmSound({});
  host_.ShowPointer(true);
}
