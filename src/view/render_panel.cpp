#include <algorithm>
#include <chrono>
#include <string>

#include "platform/text.h"
#include "game/game.h"
#include "view/geometry.h"
#include "view/palette.h"
#include "view/render.h"
#include "view/render_parts.h"
#include "view/screen_layout.h"
#include "view/toolbar_layout.h"

namespace {

constexpr Color16 kWhite = Rgb565(255, 255, 255);

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void DrawBox(Surface& s, Rect r, Color16 c) {
  s.FillRect(Rect{r.x, r.y, r.w, 1}, c);
  s.FillRect(Rect{r.x, r.y + r.h - 1, r.w, 1}, c);
  s.FillRect(Rect{r.x, r.y, 1, r.h}, c);
  s.FillRect(Rect{r.x + r.w - 1, r.y, 1, r.h}, c);
}

// A number written with the digit pictures, or as text when there are none.
void DrawNumber(Game& g, Surface& screen, int x, int y, int value) {
  const Surface& digits = LoadDigits(g);
  std::string text = std::to_string(value);
  if (digits.Empty()) {
    g.ui->Text().Draw(screen, x, y, text, TextStyle{"新細明體", 11, kWhite, false});
    return;
  }
  for (char c : text) {
    if (c >= '0' && c <= '9') screen.Draw(x, y, Rect{(c - '0') * kDigitW, 0, kDigitW, kDigitH}, digits, true);
    x += kDigitW;
  }
}

void DrawPalette(Game& g, Surface& screen) {
  ViewState& v = g.view;
  if (v.ToolMode < 2 || v.ToolMode > 5) return;
  int w = ScreenWidth(g);
  for (int k = 0; k < 4; ++k) {
    int type = v.PaletteTypes[k];
    if (type < 0) continue;
    int y = kPaletteY + kPaletteRowH * k;
    screen.Draw(w - kPaletteX, y, LoadPaletteIcon(g, type), true);
    if (k == v.SelectedRow) screen.Draw(w - kPaletteX, y, v.Surfaces.panelPattern, true);
  }
  if (v.SelectedType < 0) return;
  const auto& bt = g.catalogue.BuildType[v.SelectedType];
  g.ui->Text().Draw(screen, w - 83, 411, bt.Name.str(), TextStyle{"新細明體", 12, kWhite, false});
  const int values[6] = {bt.Size, bt.Price, bt.Upkeep, bt.AttractionPoints, bt.MaxAnimals, bt.StaffSlots};
  for (int i = 0; i < 6; ++i) DrawNumber(g, screen, w - kToolbarWidth + kFieldX[i], kFieldY[i], values[i]);
}

void DrawOverview(Game& g, Surface& screen) {
  ViewState& v = g.view;
  const Zoo& z = g.zoo;
  int left = ScreenWidth(g) - kOverviewX;
  screen.Draw(left, kOverviewY, v.Surfaces.overviewBase, false);
  if (z.MapPixelWidth <= 0 || z.MapPixelHeight <= 0) return;
  int mx = RoundHalfEven((kOverviewSize - 2.0 * g.world.MapWidth) / 2);
  int my = RoundHalfEven((kOverviewSize - 2.0 * g.world.MapHeight) / 2);
  int fx = left + mx + RoundHalfEven(2.0 * g.world.MapWidth / z.MapPixelWidth * v.ScrollX);
  int fy = kOverviewY + my + RoundHalfEven(2.0 * g.world.MapHeight / z.MapPixelHeight * v.ScrollY);
  Color16 c = v.Surfaces.viewRect.Empty() ? kWhite : v.Surfaces.viewRect.Pixel(0, 0);
  DrawBox(screen, Rect{fx, fy, z.OverviewFrameWidth, z.OverviewFrameHeight}, c);
}

// The top bar's figures, each after its pictogram in the bar: money, date, the speed
// picture, attraction, visitors in the zoo and the ranking place ("-" unranked).
void DrawBars(Game& g, Surface& screen) {
  const SurfaceSet& s = g.view.Surfaces;
  int w = ScreenWidth(g), h = ScreenHeight(g);
  screen.Draw(0, 0, Rect{0, 0, w - kToolbarWidth, kTopBar}, s.toolbar1, true);
  screen.Draw(0, h - kBottomBarH, Rect{0, kTopBar, w - kToolbarWidth, kBottomBarH}, s.toolbar1, true);
  const Clock& c = g.clock;
  const Zoo& z = g.zoo;
  TextRenderer& text = g.ui->Text();
  const TextStyle style{"新細明體", 12, kWhite, false};
  text.Draw(screen, kMoneyX, kTopTextY, std::to_string(z.Money), style);
  text.Draw(screen, kDateX, kTopTextY,
            std::to_string(c.Year) + "年" + std::to_string(c.Month) + "月" + std::to_string(c.Day) + "日", style);
  int speed = std::clamp<int>(c.FastForward, 0, 2);
  screen.Draw(kSpeedX, kSpeedY, Rect{speed * kSpeedW, kSpeedRow, kSpeedW, kSpeedH}, s.toolbar1, true);
  text.Draw(screen, kAttractionX, kTopTextY, std::to_string(z.Attraction), style);
  text.Draw(screen, kVisitorsX, kTopTextY, std::to_string(g.sim.VisitorsInZoo), style);
  text.Draw(screen, kRankX, kTopTextY, z.Rank >= 1 && z.Rank <= 5 ? std::to_string(6 - z.Rank) : "-", style);
}

// Research progress fills the panel's groove from the bottom up; its top end is
// where the unfinished-research tip answers the pointer.
void DrawResearchGauge(Game& g, Surface& screen) {
  constexpr int kGrooveX = 7, kGrooveW = 5;
  int left = ScreenWidth(g) - kToolbarWidth + kGrooveX;
  int top = kResearchMarkerTop + g.sim.ResearchLeft;
  screen.FillRect(Rect{left, top, kGrooveW, kResearchGaugeFoot - top}, Rgb565(120, 200, 90));
  screen.FillRect(Rect{left, top, 1, kResearchGaugeFoot - top}, Rgb565(200, 240, 160));
  screen.FillRect(Rect{left, top, kGrooveW, 1}, Rgb565(230, 250, 200));
}

// A pressed button shows its picture from the pressed copy of the bar.
void DrawPressed(Game& g, Surface& screen, int i) {
  const SurfaceSet& s = g.view.Surfaces;
  Rect r = ToolbarButtonRect(g, i);
  if (kToolbar[i].topBar) {
    screen.Draw(r.x, r.y, Rect{r.x, r.y + 100, r.w, r.h}, s.toolbar1, true);
  } else {
    int left = ScreenWidth(g) - kToolbarWidth;
    screen.Draw(r.x, r.y, Rect{r.x - left + kToolbarWidth, r.y, r.w, r.h}, s.toolbar2, true);
  }
}

// The chosen tool's button, and the view options while they are on.
bool ButtonDown(const ViewState& v, int i) {
  if (i < static_cast<int>(v.ToolHighlight.size()) && v.ToolHighlight[i]) return true;
  return (kToolbar[i].action == ToolbarAction::Hide && v.HideBuildings) ||
         (kToolbar[i].action == ToolbarAction::InfoDisplay && v.ShowBalloons);
}

void DrawStatus(Game& g, Surface& screen) {
  const ViewState& v = g.view;
  int h = ScreenHeight(g);
  screen.Draw(kStatusX - 2, h - kStatusFromBottom - 2, v.Surfaces.statusBar, false);
  TextRenderer& text = g.ui->Text();
  text.Draw(screen, kStatusX, h - kStatusFromBottom, v.HintText, TextStyle{"新細明體", 14, kWhite, false});
  bool overMap = v.MouseX < MapViewRight(g) && v.MouseY >= kTopBar;
  if (v.ToolMode >= 1 && v.ToolMode <= 5 && overMap && v.CostText != "0") {
    Color16 c = v.CostText == "No!" ? Rgb565(255, 60, 60) : Rgb565(255, 255, 120);
    text.Draw(screen, v.MouseX + 24, v.MouseY + 10, v.CostText, TextStyle{"新細明體", 14, c, true});
  }
}

void DrawFastForward(Game& g, Surface& screen) {
  int ff = g.clock.FastForward;
  if (ff < 1) return;
  const Surface& icons = g.view.Surfaces.messageIcons;
  int x = (ScreenWidth(g) - 225) / 2, y = (ScreenHeight(g) - 50) / 2;
  screen.Draw(x, y, Rect{47, 0, 100, 20}, icons, true);
  if (ff == 2) screen.Draw(x, y + 20, Rect{47, 0, 100, 20}, icons, true);
}

// The unread mails' icons, oldest first so that the newest lies on top; one that
// points at a place on the map shows a pin. Drawn before the panel, a new icon comes
// out from under it.
void DrawMailIcons(Game& g, Surface& screen) {
  const Surface& icons = g.view.Surfaces.messageIcons;
  for (const Mail& m : g.sim.Mails)
    if (MailIconShown(m))
      screen.Draw(m.IconLeft, m.IconTop, Rect{0, m.X >= 0 ? kMailIconH : 0, kMailIconW, kMailIconH}, icons, true);
}

}  // namespace

void DrawPanel(FrameTarget& t) {
  Game& g = t.game;
  Surface& screen = t.screen;
  const ViewState& v = g.view;
  DrawFastForward(g, screen);
  DrawMailIcons(g, screen);
  int left = ScreenWidth(g) - kToolbarWidth;
  screen.Draw(left, 0, Rect{0, 0, kToolbarWidth, ScreenHeight(g)}, v.Surfaces.toolbar2, true);
  DrawBars(g, screen);
  DrawResearchGauge(g, screen);
  for (int i = 0; i < kToolbarButtons; ++i)
    if (ButtonDown(v, i)) DrawPressed(g, screen, i);
  DrawPalette(g, screen);
  DrawOverview(g, screen);
  ExpireStatus(g.view, NowMs());
  DrawStatus(g, screen);
}

void ExpireStatus(ViewState& v, int64_t nowMs) {
  if (v.HintText != v.ShownHint) {
    v.ShownHint = v.HintText;
    v.ShownHintSinceMs = nowMs;
    return;
  }
  if (v.HintText.empty() || v.PointerOnTip || v.ToolMode != 0) return;
  if (nowMs - v.ShownHintSinceMs >= kStatusShowMs) v.HintText.clear();
}

void DrawFps(Game& game, Surface& screen) {
  ViewState& v = game.view;
  int64_t now = NowMs();
  ++v.FpsFrames;
  if (now - v.FpsLastMs >= 1000) {
    v.FpsLastMs = now;
    v.Fps = v.FpsFrames;
    v.FpsTotalFrames += v.FpsFrames;
    v.FpsFrames = 0;
    if (++v.FpsSeconds >= 100000) v.FpsSeconds = v.FpsTotalFrames = 0;
    v.FpsAverage = v.FpsSeconds > 0 ? v.FpsTotalFrames / v.FpsSeconds : 0;
  }
  if (!v.ShowFPS) return;
  TextStyle style{"新細明體", 14, Rgb565(255, 255, 0), false};
  game.ui->Text().Draw(screen, 0, 30, "FPS/" + std::to_string(v.Fps), style);
  game.ui->Text().Draw(screen, 0, 50, "FPS/" + std::to_string(v.FpsAverage), style);
}

void DrawPointer(Game& game, Surface& screen) {
  const ViewState& v = game.view;
  // The arrow's tip, the hot spot, is one pixel into the frame.
  screen.Draw(v.MouseX - 1, v.MouseY - 1, Rect{0, (v.CursorKind - 1) * kCursorSize, kCursorSize, kCursorSize},
              v.Surfaces.cursors, true);
}
