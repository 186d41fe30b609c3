#include "frontend/credits_screen.h"

namespace {
std::string PageFile(int page) { return "stuff" + std::to_string(page) + ".bmp"; }
}

CreditsScreen::CreditsScreen(FrontHost& host) : host_(host) {
  host_.Screen().Draw(0, 0, host_.Picture(PageFile(0)), false);
  host_.Text().Draw(host_.Screen(), 10, 10, "Ver 1.01", TextStyle{"新細明體", 12, Rgb565(255, 255, 255), false});
  host_.Show();
  host_.Click("stuff0.wav");
}

bool CreditsScreen::Timer() {
  if (step_ < 10) {  // the blind: each of the 48 bands of 10 rows gains a row
    const Surface& page = host_.Picture(PageFile(page_));
    for (int band = 0; band < 48; ++band) host_.Screen().Draw(0, band * 10 + step_, Rect{0, band * 10 + step_, 640, 1}, page, false);
    ++step_;
    host_.Show();
    return true;
  }
  if (page_ >= 5) return false;
  ++page_;
  step_ = 0;
  host_.Click("stuff" + std::to_string(page_) + ".wav");
  return true;
}
