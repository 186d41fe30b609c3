// The windows that report: the mail window "Mail_W.bmp" with its buttons
// "Mail_W_b1.bmp" .. "Mail_W_b3.bmp", the event window "Ivent_W.bmp", the visitor
// window "kyaku_W.bmp", the goals window "target_W.bmp" and the end window
// "End_W.bmp" / "End_W2.bmp". Rectangles are the windows' click rules (inclusive).
#include "content.h"
#include "window_kit.h"

namespace {
constexpr WinBox kMailClose{310, 70, 340, 100};
// The previous, next and go-to pictures are 30 x 30; the engine draws them at
// (18, 355), (321, 355) and (58, 340).
constexpr WinBox kMailPicture{0, 0, 29, 29};
constexpr WinBox kEndLeft{293, 55, 333, 95}, kEndRight{343, 55, 383, 95};

// A letter: the envelope across the top with its stamp, the ruled paper below
// (title at y 80, body lines from y 120, 20 apart, text from x 50).
Canvas MailWindow() {
  Canvas c = WindowBase(370, 400, false);
  c.Polygon({{12, 36}, {185, 8}, {358, 36}, {185, 62}}, [](int x, int y) { return Dithered(Hue::kSand, 3.0 + 0.2 * Hash01(x, y, 2), x, y); });
  c.Polygon({{12, 36}, {185, 62}, {358, 36}}, Shade(Hue::kSand, 2));
  c.Ellipse(185, 52, 9, 8, Shade(Hue::kRed, 2));  // the seal
  DrawIcon(c, 185, 52, Icon::kPaw, 0.45);
  c.Rect(318, 12, 30, 22, Shade(Hue::kSnow, 4));  // the stamp
  c.Rect(321, 15, 24, 16, Shade(Hue::kTeal, 3));
  DrawIcon(c, 333, 23, Icon::kTree, 0.5);
  DrawIcon(c, 40, 22, Icon::kEnvelope, 1.2);
  Sheet(c, 36, 66, 312, 282);
  for (int y = 100; y < 340; y += 20)
    for (int x = 44; x < 342; x += 2) c.Set(x, y + 16, Shade(Hue::kSand, 2));
  WindowButton(c, kMailClose, Icon::kCross);
  return c;
}

// The event window: the picture's frame (240 x 180 at (15, 43)) and the paper for
// the message lines from y 238, 16 apart.
Canvas EventWindow() {
  Canvas c = WindowBase(270, 290);
  Well(c, 13, 41, 244, 184, Shade(Hue::kLeaf, 0));
  Sheet(c, 12, 232, 246, 54);
  return c;
}

// The visitor window: the figure's well (40 x 45 at (30, 120)), the paper for the
// name, purse and mood at x 30 with their bars from x 170, and the paper for the
// remarks from (95, 142), the newest on top.
Canvas VisitorWindow() {
  Canvas c = WindowBase(400, 300);
  Sheet(c, 24, 54, 358, 66);
  DrawIcon(c, 160, 68, Icon::kHourglass, 0.55);
  DrawIcon(c, 160, 88, Icon::kVisitor, 0.55);
  DrawIcon(c, 160, 108, Icon::kBalloon, 0.55);
  Well(c, 26, 124, 48, 56, Shade(Hue::kGrass, 2));
  Sheet(c, 86, 134, 296, 112);
  return c;
}

// The goals window: a flag and paper for up to five lines from y 45, 22 apart.
Canvas GoalsWindow() {
  Canvas c = WindowBase(270, 200);
  Sheet(c, 10, 38, 250, 152);
  for (int k = 0; k < 6; ++k)
    for (int x = 14; x < 256; x += 2) c.Set(x, 45 + 22 * k + 16, Shade(Hue::kSand, 2));
  DrawIcon(c, 240, 170, Icon::kFlag, 0.9);
  return c;
}

// The end window: no close box; the message paper in the left 300 pixels, the
// answers on the right. "End_W.bmp" offers both (continue, end); "End_W2.bmp" only
// the end, its left place empty panel.
Canvas EndWindow(bool both) {
  Canvas c = WindowBase(400, 120, false);
  Sheet(c, 10, 40, 276, 70);
  if (both) {
    WindowButton(c, kEndLeft, Icon::kBack);
    PanelCaptionCentred(c, kEndLeft.left, 100, kEndLeft.Width(), "繼續", 12);
  }
  WindowButton(c, kEndRight, Icon::kExit);
  PanelCaptionCentred(c, kEndRight.left, 100, kEndRight.Width(), "結束", 12);
  return c;
}

void GenerateWindowsMail(Output& out) {
  WriteBmp(out, "Mail_W.bmp", MailWindow());
  WriteBmp(out, "Mail_W_b1.bmp", ButtonPicture(kMailPicture, Icon::kBack, 0.8));
  WriteBmp(out, "Mail_W_b2.bmp", ButtonPicture(kMailPicture, Icon::kNext, 0.8));
  WriteBmp(out, "Mail_W_b3.bmp", ButtonPicture(kMailPicture, Icon::kMagnifier, 0.8));
  WriteBmp(out, "Ivent_W.bmp", EventWindow());
  WriteBmp(out, "kyaku_W.bmp", VisitorWindow());
  WriteBmp(out, "target_W.bmp", GoalsWindow());
  WriteBmp(out, "End_W.bmp", EndWindow(true));
  WriteBmp(out, "End_W2.bmp", EndWindow(false));
}

RegisterGenerator reg("53-art-windows-mail", &GenerateWindowsMail);
}  // namespace
