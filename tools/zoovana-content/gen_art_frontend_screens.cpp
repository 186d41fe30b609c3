// The briefing ("breaf_w1.bmp" free map, "breaf_w2.bmp" campaign), the debriefing
// ("debreaf_w.bmp" campaign, "debreaf_w2.bmp" free map) and the options screen
// ("option_w60.bmp" from the menu, "option_w61.bmp" and "option_w81.bmp" from the
// game, the knob "option_wb1.bmp" and the mark "option_wb2.bmp"). Every button
// and field sits where the screens' rules put it; the game writes the text.
#include "content.h"
#include "frontend_kit.h"

namespace {
// Briefing: the map list (35, 35)-(250, 410), the information column from x = 320,
// the zoo-name field, start (580, 425) and back (530, 425), 36 x 36.
constexpr int kNameX = 428, kNameY = 392, kNameW = 190, kNameH = 24;

Canvas Briefing(bool campaign) {
  Canvas c = ScreenBase(640, 480);
  Heading(c, 35, 8, 216, campaign ? "經營活動" : "自由挑戰");
  Paper(c, 33, 33, 220, 380);
  if (campaign) {  // below the record line: the campaign's flag over the map
    DrawIcon(c, 143, 200, Icon::kFlag, 4.0);
    DrawIcon(c, 143, 300, Icon::kPaw, 2.5);
  }
  Heading(c, 312, 8, 314, "地圖資訊");
  Paper(c, 312, 33, 314, 345);
  Label(c, 318, kNameY + 4, "動物園名稱");
  c.Rect(kNameX - 2, kNameY - 2, kNameW + 4, kNameH + 4, Shade(Hue::kWood, 2));
  c.Rect(kNameX, kNameY, kNameW, kNameH, kWhite);
  StatusStrip(c);
  MarkButton(c, 530, 425, 36, 36, Mark::kBack);
  MarkButton(c, 580, 425, 36, 36, Mark::kStart);
  return c;
}

// Debriefing: seven lines centred in x 120..520 from y = 110, 40 apart; continue
// (580, 425) on campaign maps, back (20, 425).
Canvas Debriefing(bool campaign) {
  Canvas c = ScreenBase(640, 480);
  Heading(c, 120, 40, 400, "過關成績");
  Paper(c, 110, 96, 420, 300);
  for (int line = 1; line < 7; ++line) c.Rect(130, 102 + 40 * line, 380, 1, Shade(Hue::kSand, 2));
  StatusStrip(c);
  MarkButton(c, 20, 425, 36, 36, Mark::kBack);
  if (campaign) MarkButton(c, 580, 425, 36, 36, Mark::kNext);
  return c;
}

// Options: four sliders (120, y, 400, 30), check boxes, difficulty, resolution
// (from the menu only), OK (65, 15) and cancel (15, 15), 36 x 36.
void Options(Canvas& c, int ox, int oy, bool fromMenu) {
  Heading(c, ox + 120, oy + 20, 400, "設定");
  MarkButton(c, ox + 15, oy + 15, 36, 36, Mark::kCancel);
  MarkButton(c, ox + 65, oy + 15, 36, 36, Mark::kOk);
  struct Slider {
    int y;
    const char *name, *low, *high;
  };
  const Slider sliders[4] = {{91, "遊戲速度", "慢", "快"}, {146, "捲動速度", "慢", "快"}, {201, "音效音量", "小", "大"}, {256, "音樂音量", "小", "大"}};
  for (const Slider& s : sliders) {
    Label(c, ox + 16, oy + s.y + 7, s.name);
    c.Rect(ox + 120, oy + s.y + 11, 400, 8, Shade(Hue::kLeaf, 0));  // the groove the knob runs in
    c.Rect(ox + 120, oy + s.y + 11, 400, 1, Shade(Hue::kSoil, 0));
    c.Rect(ox + 120, oy + s.y + 18, 400, 1, Shade(Hue::kLeaf, 3));
    for (int k = 0; k <= 10; ++k) c.Rect(ox + 134 + k * 37, oy + s.y + 22, 1, 5, Shade(Hue::kLeaf, 3));
    Label(c, ox + 100, oy + s.y + 7, s.low, 12);  // each end of the groove says what it means
    Label(c, ox + 528, oy + s.y + 7, s.high, 12);
  }
  auto box = [&](int x, int y, const char* text) {
    c.Rect(ox + x, oy + y, 30, 30, Shade(Hue::kWood, 2));
    c.Rect(ox + x + 2, oy + y + 2, 26, 26, kWhite);
    Label(c, ox + x + 36, oy + y + 7, text);
  };
  box(121, 302, "災害");
  box(331, 302, "自動雇用員工");
  box(121, 342, "自動關閉視窗");
  Label(c, ox + 16, oy + 389, "難易度");
  const char* levels[4] = {"簡單", "普通", "困難", "地獄"};
  const int levelX[4] = {189, 291, 391, 491};
  for (int k = 0; k < 4; ++k) box(levelX[k], 382, levels[k]);
  if (fromMenu) {
    Label(c, ox + 16, oy + 429, "遊戲畫面");
    box(189, 422, "800 × 600");
    box(379, 422, "640 × 480");
  }
}

Canvas OptionScreen(int w, int h, bool fromMenu) {
  Canvas c = ScreenBase(w, h);
  const int ox = (w - 640) / 2, oy = (h - 480) / 2;
  if (ox > 0) {  // the larger screen: the controls in a framed middle
    for (int k = 0; k < 4; ++k) c.Frame(ox - 4 + k, oy - 4 + k, 648 - 2 * k, 488 - 2 * k, Shade(Hue::kWood, k < 2 ? 1 : 3));
  }
  Options(c, ox, oy, fromMenu);
  return c;
}

// The slider knob (image at x 0, its mask at x 30: black where the knob is).
Canvas Knob() {
  Canvas c(60, 30, kKey);
  Canvas knob(30, 30);
  knob.Rect(8, 2, 14, 26, [](int x, int y) { return Dithered(Hue::kYellow, 3.4 - x / 20.0 - y / 60.0, x, y); });
  knob.Rect(14, 5, 2, 20, Shade(Hue::kWood, 2));
  knob.Outline(2);
  c.Blit(knob, 0, 0);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x) c.Set(30 + x, y, knob.Get(x, y) == kKey ? kWhite : kBlack);
  return c;
}

// The 28 x 28 tick drawn on set boxes.
Canvas Tick() {
  Canvas c(28, 28, kKey);
  for (int t = 0; t < 4; ++t) {
    c.Line(4, 13 + t, 11, 20 + t, Shade(Hue::kGrass, 1));
    c.Line(11, 20 + t, 24, 5 + t, Shade(Hue::kGrass, 1));
  }
  return c;
}

void GenerateFrontEndScreens(Output& out) {
  WriteBmp(out, "breaf_w1.bmp", Briefing(false));
  WriteBmp(out, "breaf_w2.bmp", Briefing(true));
  WriteBmp(out, "debreaf_w.bmp", Debriefing(true));
  WriteBmp(out, "debreaf_w2.bmp", Debriefing(false));
  WriteBmp(out, "option_w60.bmp", OptionScreen(640, 480, true));
  WriteBmp(out, "option_w61.bmp", OptionScreen(640, 480, false));
  WriteBmp(out, "option_w81.bmp", OptionScreen(800, 600, false));
  WriteBmp(out, "option_wb1.bmp", Knob());
  WriteBmp(out, "option_wb2.bmp", Tick());
}

RegisterGenerator reg("50-art-frontend-screens", &GenerateFrontEndScreens);
}  // namespace
