#pragma once
// Where the panel's pictures and texts go:
// - "Toolbar1.bmp" (key pixel (0, 35)): rows 0..29 the top bar, drawn at (0, 0), with a
//   well from x 226 for the money, date, speed and zoo figures (their pictograms
//   drawn in it); rows 30..69 the bottom bar with the mascot, drawn keyed over the map
//   view's bottom 40 rows; rows 100..129 the top bar with every button pressed; from
//   row kSpeedRow the three speed pictures, kSpeedW x kSpeedH each, keyed.
// - "Toolbar2.bmp" (key pixel (0, 200)): the right panel, 125 wide, drawn keyed at
//   (width - 125, 0); a second copy beside it with every button pressed.
// - "tx_bak.bmp": the status line's ground inside the bottom bar's well.
// - "Digits.bmp" (key pixel (0, 0)): the digits 0..9 side by side, kDigitW x kDigitH.
// - "Cursors.bmp" (key pixel (5, 0)): 32 x 32 pointer frames stacked vertically, in
//   CursorKind order 1..6, the hot spot at (1, 1).
// - "mail.BMp" (key pixel (30, 0)): the mail icon at (0, 0), the icon of a mail with
//   a place on the map at (0, kMailIconH), the 100 x 20 fast-forward mark at (47, 0).
// - "Min_MapBase.bmp": 100 x 100 overview ground; "minwak.bmp": its top-left pixel
//   colours the view rectangle; "MinColor.bmp": the overview's colour samples.

constexpr int kDigitW = 6;
constexpr int kDigitH = 9;

constexpr int kOverviewX = 110;  // from the right edge
constexpr int kOverviewY = 40;
constexpr int kOverviewSize = 100;

constexpr int kPaletteX = 84;  // from the right edge
constexpr int kPaletteY = 170;
constexpr int kPaletteRowH = 60;

// The six numbers of the selected type, relative to the toolbar's left: size,
// price, upkeep, attraction, animals, staff, each after its label picture.
constexpr int kFieldX[6] = {52, 92, 52, 92, 52, 92};
constexpr int kFieldY[6] = {427, 427, 438, 438, 449, 449};

constexpr int kBottomBarH = 40;
constexpr int kStatusX = 60;
constexpr int kStatusFromBottom = 27;
// The top bar's figures: where the game writes each, after the pictogram the bar
// has for it; all inside the well at the smaller screen width.
constexpr int kTopTextY = 9;
constexpr int kMoneyX = 243;
constexpr int kDateX = 302;
constexpr int kSpeedX = 377, kSpeedY = 8, kSpeedW = 20, kSpeedH = 14, kSpeedRow = 130;
constexpr int kAttractionX = 414;
constexpr int kVisitorsX = 466;
constexpr int kRankX = 504;
constexpr int kCursorSize = 32;
constexpr int kMailIconW = 30, kMailIconH = 20;

// The research gauge in the panel's groove (toolbar x 7..11): its marker, where the
// unfinished-research tip answers at toolbar x 3..10, is kResearchMarkerH rows from
// kResearchMarkerTop + ResearchLeft (0..50); the bar fills from there to the foot.
constexpr int kResearchMarkerTop = 59, kResearchMarkerH = 12;
constexpr int kResearchGaugeFoot = kResearchMarkerTop + 50 + kResearchMarkerH;
