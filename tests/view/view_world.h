#pragma once
#include <memory>

#include "view/headless_presentation.h"
#include "content/content_folder.h"
#include "game/surface_set.h"
#include "game/game.h"

// A small park for the view and construction tests: a map of clear land with a few
// building types of every kind defined.
namespace view_test {

constexpr int kRoad = 0;         // 1 x 1 road, price 10
constexpr int kBench = 40;       // 1 x 1 object, price 50
constexpr int kShop = 41;        // 2 x 2 shop, price 300
constexpr int kVending = 42;     // 1 x 1 vending machine shop
constexpr int kPen = 80;         // 3 x 3 enclosure of species 0, price 1000
constexpr int kBigPen = 81;      // 4 x 4 enclosure
constexpr int kOffice = 130;     // 2 x 2 management office, 5 staff
constexpr int kDirector = 134;   // 2 x 2 director's office

inline void Define(Game& g, int type, int size, int price, int16_t kind) {
  auto& bt = g.catalogue.BuildType[type];
  bt.Size = static_cast<int16_t>(size);
  bt.Price = static_cast<int16_t>(price);
  bt.Kind = kind;
}

inline std::unique_ptr<Game> MakePark(int width = 20, int height = 20) {
  auto g = MakeHeadlessGame();
  g->world.MapWidth = width;
  g->world.MapHeight = height;
  for (auto& row : g->world.LandMap) row.fill(Land::Clear);
  Define(*g, kRoad, 1, 10, BuildKind::Road);
  Define(*g, kBench, 1, 50, BuildKind::Object);
  Define(*g, kShop, 2, 300, BuildKind::Shop);
  Define(*g, kVending, 1, 80, BuildKind::Shop);
  g->catalogue.BuildType[kVending].Shape = Shape::VendingMachine;
  g->catalogue.BuildType[kShop].InitialStock = 120;
  g->catalogue.BuildType[kShop].InitialPrice = 15;
  Define(*g, kPen, 3, 1000, BuildKind::Enclosure);
  Define(*g, kBigPen, 4, 2000, BuildKind::Enclosure);
  Define(*g, kOffice, 2, 500, BuildKind::ManagementOffice);
  g->catalogue.BuildType[kOffice].StaffSlots = 5;
  Define(*g, kDirector, 2, 5000, BuildKind::DirectorOffice);
  g->zoo.Money = 100000;
  g->zoo.LevelCostPerCell = 30;
  g->settings.ScreenResW = 800;
  g->settings.ScreenResH = 600;
  return g;
}

// Reads the generated pointer mask, as a started game has it, so the pointer finds cells.
inline bool LoadGeneratedTileMask(Game& g) {
  g.folders.GraphicsDir = ContentFolder() / "Graphics";
  return LoadTileMask(g);
}

inline void PlaceFacility(Game& g, int type, int x0, int y0) {
  g.world.Cells[y0][x0] = Facility{};
  g.world.Cells[y0][x0].Type = static_cast<int16_t>(type);
  g.sim.CoverValid = false;
}

inline void PutWalker(Game& g, int slot, int x, int y) {
  Person& p = g.world.Walkers[slot];
  p.Used = 1;
  p.Kind = PersonKind::Visitor;
  p.Visible = 1;
  p.CellX = static_cast<int16_t>(x);
  p.CellY = static_cast<int16_t>(y);
}

// Points the given tool at a cell with the pointer over the map.
inline void Aim(Game& g, int tool, int x, int y, int type = -1) {
  g.view.ToolMode = tool;
  g.view.SelectedType = type;
  g.view.CursorCellX = x;
  g.view.CursorCellY = y;
  g.view.MouseX = 100;
  g.view.MouseY = 100;
}

}  // namespace view_test
