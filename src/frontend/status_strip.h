#pragma once
// The status strip along the bottom of a front-end screen (0, 450, 640 x 30): the
// strip of the screen's picture put back, then the text in black with a white
// outline, at x (or centred when x < 0), its middle on y = 460.
#include <string_view>

#include "frontend/front_host.h"

inline void WriteStatus(FrontHost& host, const Surface& picture, std::string_view text, int x, TextStyle style) {
  Surface& s = host.Screen();
  s.Draw(0, 450, Rect{0, 450, 640, 30}, picture, false);
  style.color = 0;
  if (x < 0) x = (640 - host.Text().Width(text, style)) / 2;
  const int y = 460 - style.pixelHeight / 2;
  TextStyle outline = style;
  outline.color = Rgb565(255, 255, 255);
  for (auto [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, -1}, {0, 1}}) host.Text().Draw(s, x + dx, y + dy, text, outline);
  host.Text().Draw(s, x, y, text, style);
  host.Show();
}
