#pragma once
// Parts shared by the full-screen front-end pictures (briefing, debriefing,
// options, file screen, ending and credits): the panel ground with its wooden
// frame, paper wells the game writes black text on, and buttons with pictograms.
#include "paint.h"
#include "ui_icons.h"

inline const Rgb kPaper = Shade(Hue::kSand, 4);

// Panel texture with a wooden frame round the edge.
Canvas ScreenBase(int w, int h);
// A title on a band of wood, centred in x..x+w.
void Heading(Canvas& c, int x, int y, int w, std::string_view text);
// A paper well (cream, sunken) for text the game writes in black.
void Paper(Canvas& c, int x, int y, int w, int h);
// A small label in white on the panel.
void Label(Canvas& c, int x, int y, std::string_view text, int size = 14);

enum class Mark : uint8_t { kStart, kBack, kNext, kOk, kCancel, kUp, kDown };
// A button filling the inclusive rectangle (x, y, w, h) but for the pixel row and
// column under it (the engine shows a press by moving the face one pixel down).
void MarkButton(Canvas& c, int x, int y, int w, int h, Mark mark);
void WordButton(Canvas& c, int x, int y, int w, int h, std::string_view word);
// The status strip along the bottom (0, h - 30) the game writes tips on.
void StatusStrip(Canvas& c);
