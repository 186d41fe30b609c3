// The event window (270 x 290): the event's thirty pictures from the event folder,
// then its subject (the new building, the newborn, the animal that died), with the
// message below. A bribe or a bankruptcy closes itself after three seconds; the
// others after thirty when "Auto Hide" is on.
#include <algorithm>
#include <cstdio>

#include "game/game.h"
#include "platform/file_names.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/wrap_text.h"
#include "windows/zoo_windows.h"

namespace {
constexpr int kPictureX = 15, kPictureY = 43, kPictureW = 240, kPictureH = 180;
constexpr int kTicksPerFrame = 2;    // timer ticks of 100 ms
constexpr int kSelfCloseTicks = 30;  // bribe and bankruptcy: three seconds after the pictures
constexpr int kTextTop = 238, kTextGap = 16, kTextWidth = 232, kTextLines = 3;  // what fits the paper
constexpr int kSubjectSlot = 2;
enum Kind { kResearch, kBribe, kRanking, kBirth, kDeath, kBankruptcy };

// Each event's part of the mixed-case bottom edge (the case is ignored on lookup).
constexpr const char* kFirstPrefix[6] = {"Kenkyu_", "kenkin_", "Level_", "born_", "dead_", "over_"};
constexpr const char* kLaterPrefix[6] = {"Kenkyu_00", "Kenkin_00", "Level_00", "born_00", "dead_00", "over_00"};

// Blends `picture` over `target` at (x, y) with opacity alpha/255, leaving out its key.
void DrawFaded(Surface& target, int x, int y, const Surface& picture, int alpha) {
  for (int py = 0; py < picture.Height(); ++py)
    for (int px = 0; px < picture.Width(); ++px) {
      Color16 c = picture.Pixel(px, py);
      if (picture.HasColorKey() && c == picture.ColorKey()) continue;
      int tx = x + px, ty = y + py;
      if (tx < 0 || ty < 0 || tx >= target.Width() || ty >= target.Height()) continue;
      uint8_t r0, g0, b0, r1, g1, b1;
      Rgb565ToRgb(target.Pixel(tx, ty), r0, g0, b0);
      Rgb565ToRgb(c, r1, g1, b1);
      auto mix = [alpha](int under, int over) { return (under * (255 - alpha) + over * alpha) / 255; };
      target.SetPixel(tx, ty, Rgb565(mix(r0, r1), mix(g0, g1), mix(b0, b1)));
    }
}
}  // namespace

std::string EventFrameName(int kind, int n) {
  int k = std::clamp(kind, 0, 5);
  char digits[16];
  if (n < 10) {
    std::snprintf(digits, sizeof digits, "%04d", n);
    return std::string(kFirstPrefix[k]) + digits + ".bmp";
  }
  return std::string(kLaterPrefix[k]) + std::to_string(n) + ".bmp";
}

void EventWindow::Open(Windows& windows, int) {
  const EventRequest& e = windows.game().sim.Event;
  kind_ = std::clamp(e.Kind, 0, 5);
  subject_ = e.Subject;
  text_ = e.Text;
  frame_ = 0;
  ticks_ = 0;
  shownTicks_ = 0;
  done_ = false;
}

void EventWindow::LoadFrame(Windows& windows) {
  auto path = ResolveFile(windows.game().folders.EventDir, EventFrameName(kind_, frame_));
  if (!path || !LoadBmp(*path, picture_)) picture_ = Surface();
}

void EventWindow::Layout(Windows& windows) {
  Game& game = windows.game();
  WindowSurfaces& s = windows.Surfaces();
  Window::Layout(windows);
  const Catalogue& c = game.catalogue;
  if (kind_ == kResearch && subject_ >= 0 && subject_ < kBuildTypes)
    s.Load(game, kSubjectSlot, c.BuildType[static_cast<size_t>(subject_)].BitmapFile);
  if ((kind_ == kBirth || kind_ == kDeath) && subject_ >= 0 && subject_ < c.AnimalTypeCount)
    s.Load(game, kSubjectSlot, "T_" + c.AnimalType[static_cast<size_t>(subject_)].BitmapFile);
  LoadFrame(windows);
}

// After the pictures: the building centred (its first frame, shrunk to fit), the
// newborn's portrait, or the dead animal's portrait faded to half.
void EventWindow::DrawSubject(Windows& windows) {
  WindowSurfaces& s = windows.Surfaces();
  const Surface& pic = s.slot[kSubjectSlot];
  if (pic.Empty()) return;
  Surface& work = s.Work();
  if (kind_ == kResearch) {
    const BuildTypeRecord& t = windows.game().catalogue.BuildType[static_cast<size_t>(subject_)];
    int h = std::min(pic.Height(), 36 * std::max<int>(1, t.Size) + 64), w = pic.Width();
    Surface first(w, h);
    first.Draw(0, 0, Rect{0, 0, w, h}, pic, false);
    first.SetColorKeyFromPixel(0, 0);
    double scale = h > kPictureH ? 0.5 : 1.0;
    scale = std::min({scale, double(kPictureW) / w, double(kPictureH) / h});
    int sw = static_cast<int>(w * scale), sh = static_cast<int>(h * scale);
    int x = kPictureX + (kPictureW - sw) / 2, y = kPictureY + (kPictureH - sh) / 2;
    DrawStretched(work, x, y, x + sw, y + sh, first);
  } else if (kind_ == kBirth || kind_ == kDeath) {
    int x = kPictureX + (kPictureW - pic.Width()) / 2, y = kPictureY + (kPictureH - pic.Height()) / 2;
    if (kind_ == kBirth) work.Draw(x, y, pic, true);
    else DrawFaded(work, x, y, pic, 125);
  }
}

void EventWindow::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), "Infomation", TextCell::Message);
  auto lines = WrapText(text, text_, TextCell::Message, kTextWidth, kTextLines);
  for (size_t i = 0; i < lines.size(); ++i)
    WindowText(text, work, 20, kTextTop + kTextGap * static_cast<int>(i), lines[i], TextCell::Message);
  if (!picture_.Empty()) work.Draw(kPictureX, kPictureY, Rect{0, 0, kPictureW, kPictureH}, picture_, false);
  if (done_) DrawSubject(windows);
}

void EventWindow::Tick(Windows& windows) {
  if (!done_) {
    if (++ticks_ < kTicksPerFrame) return;
    ticks_ = 0;
    if (frame_ + 1 < kEventFrames) {
      ++frame_;
      LoadFrame(windows);
    } else {  // the pictures are over: the subject, then the close
      done_ = true;
      if (kind_ != kBribe && kind_ != kBankruptcy && windows.game().settings.AutoHide) windows.StartAutoHide();
    }
    Draw(windows, -1);
    return;
  }
  if ((kind_ == kBribe || kind_ == kBankruptcy) && ++shownTicks_ >= kSelfCloseTicks) windows.Close();
}
