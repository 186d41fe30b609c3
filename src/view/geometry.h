#pragma once
// Where cells, the map view and the panel sit on the screen.
struct Game;
struct World;

// One ground tile: 74 x 100 pixels, the ground diamond in its bottom 37 rows.
constexpr int kTileWidth = 74;
constexpr int kTileHeight = 100;
constexpr int kTileBase = 63;
constexpr int kHalfW = (kTileWidth - 2) / 2;                // 36
constexpr int kHalfH = (kTileHeight - kTileBase - 1) / 2;  // 18

constexpr int kTopBar = 30;
constexpr int kPanelWidth = 120;    // the map view ends here
constexpr int kToolbarWidth = 125;  // toolbar coordinates start here

struct ScreenPoint {
  int x = 0, y = 0;
};

int ScreenWidth(const Game& game);
int ScreenHeight(const Game& game);
// Right edge (exclusive) of the map view.
inline int MapViewRight(const Game& game) { return ScreenWidth(game) - kPanelWidth; }

// Top-left of cell (x, y)'s tile on the screen.
ScreenPoint CellToScreen(const Game& game, int x, int y);
// The middle of cell (x, y)'s ground on the screen: where a sound of the cell is heard.
ScreenPoint CellCentre(const Game& game, int x, int y);
// A point in map pixels (the bus, the flying objects) on the screen.
ScreenPoint MapToScreen(const Game& game, int mapX, int mapY);
// Whether a tile at (sx, sy) touches the map view (letterbox bands excluded).
bool IsVisible(const Game& game, int sx, int sy);

// Map size in pixels.
int MapPictureWidth(const World& world);
int MapPictureHeight(const World& world);

// Keeps the view inside the map.
void ClampView(Game& game);
// Scrolls the view so that cell (x, y) is in the middle of the map view, or, when a
// building has its origin there, the middle of its footprint; clamped, redrawn.
void CentreViewOn(Game& game, int x, int y);
// Whether the bus, whose picture's top-left is at BusX, BusY, shows in the map view.
bool BusInView(const Game& game);
