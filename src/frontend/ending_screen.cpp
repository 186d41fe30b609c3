#include "frontend/ending_screen.h"

#include <algorithm>

namespace {
constexpr int kListX = 94, kListY = 60, kListW = 452, kListH = 360;
}

EndingScreen::EndingScreen(FrontHost& host) : host_(host) {
  host_.PlayMusic("end_BG.wav", false);
  // Six sections of equal length over the ending music.
  const int64_t length = host_.MusicLengthMs();
  for (int i = 0; i < 6; ++i) sectionStart_[i] = length * i / 6;
  Compose();
}

void EndingScreen::Compose() {
  Surface& s = host_.Screen();
  s.Draw(0, 0, host_.Picture(picture_), false);
  const Surface& list = host_.Picture(list_);
  const int from = std::max(0, listY_), skip = from - listY_;
  const int rows = std::min(kListH - skip, list.Height() - from);
  if (rows > 0) s.Draw(kListX, kListY + skip, Rect{0, from, kListW, rows}, list, true);
}

bool EndingScreen::Timer() {
  Surface& s = host_.Screen();
  if (blind_ >= 0) {  // closing: one more black row at the top of each of the 24 bands
    if (blind_ >= 20) return false;
    for (int band = 0; band < 24; ++band) s.FillRect({0, band * 20 + blind_, 640, 1}, 0);
    ++blind_;
    host_.Show();
    return true;
  }
  if (quietSince_ >= 0) {  // the picture stands for five seconds, then the blind closes
    if (host_.NowMs() - quietSince_ >= 5000) {
      host_.StopMusic();
      blind_ = 0;
    }
    return true;
  }
  const int64_t position = host_.MusicPlaying() ? host_.MusicPositionMs() : 0;
  for (int i = 0; i < 6; ++i) {
    if (sectionStart_[i] <= position && i > shown_) {
      picture_ = "Ending0" + std::to_string(i) + ".bmp";
      ++shown_;
      if (i == 5) list_ = "Stuff_list0.bmp", listY_ = -420;
    }
  }
  const bool last = shown_ == 5;
  listY_ += 2;
  if (last && listY_ >= -204) listY_ = -205;
  Compose();
  host_.Show();
  // The show ends when the music does or when the last list has come to rest.
  const bool listResting = last && listY_ == -205;
  if (!host_.MusicPlaying() || listResting) quietSince_ = host_.NowMs();
  return true;
}
