#include "frontend/debrief_screen.h"

#include "frontend/status_strip.h"

namespace {
constexpr Rect kContinue{580, 425, 37, 37}, kBack{20, 425, 37, 37};
const char* Background(bool campaign) { return campaign ? "debreaf_w.bmp" : "debreaf_w2.bmp"; }
}  // namespace

std::vector<std::string> DebriefLines(const DebriefFigures& f) {
  return {"過關日期:" + std::to_string(f.year) + "年" + std::to_string(f.month) + "月" + std::to_string(f.day) + "日",
          "資產:" + std::to_string(f.money),
          "魅力:" + std::to_string(f.attraction),
          "排名:" + std::to_string(6 - f.rankLevel),
          "遊客總數:" + std::to_string(f.visitors),
          "建築物總數:" + std::to_string(f.buildings),
          "動物總數:" + std::to_string(f.animals)};
}

DebriefScreen::DebriefScreen(FrontHost& host, const DebriefFigures& figures, bool campaignMap)
    : host_(host), lines_(DebriefLines(figures)), campaign_(campaignMap) {
  host_.Screen().Draw(0, 0, host_.Picture(Background(campaign_)), false);
  host_.Show();
}

void DebriefScreen::Timer() {
  if (line_ >= static_cast<int>(lines_.size())) return;
  host_.Click("Deb1.wav");
  const TextStyle style{"新細明體", 18, 0, true};
  const std::string& text = lines_[static_cast<size_t>(line_)];
  const int x = 120 + (400 - host_.Text().Width(text, style)) / 2;
  host_.Text().Draw(host_.Screen(), x, 60 + 50 + 40 * line_, text, style);
  host_.Show();
  ++line_;
}

DebriefScreen::Answer DebriefScreen::Press(int x, int y) {
  if (campaign_ && kContinue.Contains(x, y)) return Answer::kContinue;
  if (kBack.Contains(x, y)) return Answer::kBack;
  return Answer::kNone;
}

void DebriefScreen::Move(int x, int y) {
  std::string_view text;
  if (campaign_ && kContinue.Contains(x, y)) text = "繼續:進行下個地圖關卡";
  else if (kBack.Contains(x, y)) text = "畫面：回主畫面";
  if (text == status_) return;
  status_ = text;
  // Drawn regular: at 12 pixels an emboldened face runs its strokes together.
  WriteStatus(host_, host_.Picture(Background(campaign_)), text, -1, TextStyle{"ＭＳゴシック", 12, 0, false});
}

