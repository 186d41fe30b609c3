#pragma once
// Where the panel's pictures and texts go, for the art to match:
// - "Toolbar1.bmp" (key pixel (0, 35)), at least as wide as the screen, 100 rows: rows
//   0..29 are the top bar, drawn at (0, 0); rows 30..69 hold the mascot in x 0..47,
//   drawn keyed at (0, height - 40); rows 70..99 the game fills with a copy of the top
//   bar (the bottom bar's background, drawn at (0, height - 30) under the status line).
// - "Toolbar2.bmp" (key pixel (0, 200)), 125 wide and as high as the screen: the right
//   panel, drawn keyed at (width - 125, 0) with the tool buttons, paging buttons and
//   palette frames at the rectangles of the toolbar table.
// - "tx_bak.bmp": the status line's background, drawn at (55, height - 29).
// - "suuji.bmp" (key pixel (0, 0)): the digits 0..9 side by side, kDigitW x kDigitH each.
// - "Cursors.bmp" (key pixel (5, 0)): 32 x 32 pointer frames stacked vertically, in
//   CursorKind order 1..6, the hot spot at the frame's top-left.
// - "mail.BMp" (key pixel (30, 0)): message icons, with the 100 x 20 fast-forward mark
//   at (47, 0).
// - "Min_MapBase.bmp": 100 x 100 overview background; "minwak.bmp": at least 1 x 1, its
//   top-left pixel colours the view rectangle.
// - "Sel_<n>.bmp": footprint outline of side n, (72n + 2) x (36n + 2) pixels.

constexpr int kDigitW = 7;
constexpr int kDigitH = 11;

constexpr int kOverviewX = 110;  // from the right edge
constexpr int kOverviewY = 40;
constexpr int kOverviewSize = 100;

constexpr int kPaletteX = 84;  // from the right edge
constexpr int kPaletteY = 170;
constexpr int kPaletteRowH = 60;
constexpr int kPaletteIconW = 80;
constexpr int kPaletteIconH = 60;

constexpr int kStatusX = 60;
constexpr int kStatusFromBottom = 27;
constexpr int kCursorSize = 32;
