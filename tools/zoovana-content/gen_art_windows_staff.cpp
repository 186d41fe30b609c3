// The staff hiring window "jyugyo_W1.bmp" .. "jyugyo_W3.bmp": one base picture per
// tab (maintenance, cleaning, research), the chosen tab joined to the page. The tabs
// show the walking staff themselves, rendered from the same figures as the map's.
// Rectangles are the window's click rules (inclusive).
#include <string>

#include "content.h"
#include "gen_art_figures_looks.h"
#include "person_model.h"
#include "window_kit.h"

namespace {
constexpr int kW = 400, kH = 300;
constexpr WinBox kTabs[3] = {{7, 54, 67, 114}, {7, 114, 67, 174}, {7, 174, 67, 234}};
constexpr StaffRole kTabRoles[3] = {StaffRole::kMaintenance, StaffRole::kCleaner, StaffRole::kResearcher};
constexpr WinBox kScrollUp{181, 54, 221, 144}, kScrollDown{181, 144, 221, 234};
constexpr WinBox kSalaryUp{337, 84, 377, 124}, kSalaryDown{337, 124, 377, 164};
constexpr WinBox kDismiss{12, 249, 52, 289}, kHire{62, 249, 102, 289};

// A tab: the chosen one is cream and reaches into the list's page; the others are
// raised buttons. Each carries its staff member, standing.
void Tab(Canvas& c, int k, bool chosen) {
  const WinBox& b = kTabs[k];
  if (chosen) {
    Well(c, b.left, b.top, b.Width() + 10, b.Height() - 1, Shade(Hue::kSand, 4));
    c.Rect(b.left + 1, b.top + 1, b.Width() + 9, b.Height() - 3,
           [](int x, int y) { return Dithered(Hue::kSand, 3.6 + 0.2 * Hash01(x, y, 4), x, y); });
  } else {
    Button(c, b.left, b.top, b.right - b.left, b.bottom - b.top);
  }
  Canvas fig(b.Width(), b.Height());
  RenderOptions opt;
  opt.scale = 1.45;
  opt.heading = HeadingOf(1);
  opt.dither = 2.2;
  Render(fig, BuildPerson(StaffLook(kTabRoles[k]), StandPosture()), b.Width() / 2.0, b.Height() - 7, opt);
  c.Blit(fig, b.left, b.top);
  if (!chosen)  // the tabs not shown sit a shade back
    for (int y = b.top; y < b.bottom; ++y)
      for (int x = b.left; x < b.right; ++x) c.Set(x, y, Darker(c.Get(x, y)));
}

Canvas StaffWindow(int chosen) {
  Canvas c = WindowBase(kW, kH);
  for (int k = 0; k < 3; ++k)
    if (k != chosen) Tab(c, k, false);
  // The list page: nine rows of 20 from y 56, names at x 85, work bars from x 135.
  Sheet(c, 76, 50, 104, 190);
  for (int r = 1; r < 9; ++r)
    for (int x = 80; x < 176; x += 2) c.Set(x, 56 + 20 * r - 1, Shade(Hue::kSand, 2));
  Tab(c, chosen, true);
  WindowButton(c, kScrollUp, Icon::kArrowUp);
  WindowButton(c, kScrollDown, Icon::kArrowDown);
  // Salary: the caption, the well for the engine's 29-pixel number at y 175, the steps.
  DrawIcon(c, 258, 104, Icon::kCoins, 1.4);
  PanelCaptionCentred(c, 226, 130, 108, "薪水（每人每月）", 13);
  Well(c, 228, 168, 104, 40, Shade(Hue::kSand, 2));
  WindowButton(c, kSalaryUp, Icon::kPlus);
  WindowButton(c, kSalaryDown, Icon::kMinus);
  PanelCaptionCentred(c, 322, 168, 70, "±10", 12);
  WindowButton(c, kDismiss, Icon::kCross);
  WindowButton(c, kHire, Icon::kHire);
  PanelCaptionCentred(c, kDismiss.left, 236, kDismiss.Width(), "解僱", 12);
  PanelCaptionCentred(c, kHire.left, 236, kHire.Width(), "僱用", 12);
  return c;
}

void GenerateWindowsStaff(Output& out) {
  for (int t = 0; t < 3; ++t) WriteBmp(out, "jyugyo_W" + std::to_string(t + 1) + ".bmp", StaffWindow(t));
}

RegisterGenerator reg("51-art-windows-staff", &GenerateWindowsStaff);
}  // namespace
