#pragma once
// The main menu's items, their areas and tips, and the mascot's beat table.
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

enum class MenuChoice : uint8_t { kQuit, kContinue, kCampaign, kLoad, kFree, kSettings, kCredits };

// An item's area is inclusive on all four edges: x <= px <= x + width, and so on.
struct MenuItemArea {
  MenuChoice choice;
  int x, y, width, height;
  std::string_view tip;
  bool Contains(int px, int py) const { return px >= x && px <= x + width && py >= y && py <= y + height; }
};
const std::array<MenuItemArea, 7>& MenuItems();

// Every item under the point, in table order (areas overlap: quit and new
// campaign share x 412..420 for y 112..213, and a press there carries out both).
std::vector<MenuChoice> MenuChoicesAt(int x, int y);
// The tip of the first item under the point; empty elsewhere.
std::string_view MenuTipAt(int x, int y);

// The mascot's jump times, in milliseconds after the menu music started.
inline constexpr std::array<int, 20> kMenuBeats{2101,  4090,  6078,  7093,  7276,  7596,  7931,  8832,  10049, 11049,
                                                12049, 13049, 14049, 15049, 16049, 17049, 18049, 19049, 20049, 21049};
// The next beat to jump on at `sinceMusic` ms: the first beat after `lastBeat`
// within 200 ms of now, or -1. Each beat is taken at most once.
int NextMenuBeat(int lastBeat, int64_t sinceMusic);
