#pragma once
// Text on window surfaces: the window font at the windows' letter cells, the
// shadowed title and the outlined big numbers.
#include <string_view>

#include "platform/surface.h"

class TextRenderer;

// Letter cells in pixels: graph labels, message and list text, the finance
// report, titles and information lines, the big numbers of the price page.
namespace TextCell {
constexpr int Graph = 11, Message = 13, Report = 15, Line = 16, BigNumber = 29;
}

constexpr Color16 kInk = Rgb565(0, 0, 0);
constexpr Color16 kPaperWhite = Rgb565(255, 255, 255);
constexpr Color16 kBlueInk = Rgb565(0, 0, 255);
constexpr Color16 kRedInk = Rgb565(255, 0, 0);
constexpr Color16 kGreenInk = Rgb565(0, 128, 0);

// Draws text with its top-left at (x, y); returns its width.
int WindowText(TextRenderer& text, Surface& s, int x, int y, std::string_view utf8, int cell, Color16 color = kInk);
int WindowTextWidth(TextRenderer& text, std::string_view utf8, int cell);
// The same, ending at x.
void WindowTextRight(TextRenderer& text, Surface& s, int right, int y, std::string_view utf8, int cell,
                     Color16 color = kInk);
// The title centred in a window w wide: white one pixel down-right, then black at y.
void DrawTitle(TextRenderer& text, Surface& s, int w, std::string_view utf8, int cell = TextCell::Line, int y = 7);
// A number outlined in white, centred over x0 .. x1 with its top at y.
void DrawOutlined(TextRenderer& text, Surface& s, int x0, int x1, int y, std::string_view utf8, int cell);
