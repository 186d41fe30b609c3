#pragma once
#include <memory>

#include "view/headless_presentation.h"
#include "content/content_folder.h"
#include "game/surface_set.h"
#include "game/game.h"
#include "support/test_world.h"

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

inline std::unique_ptr<Game> MakePark(int width = 20, int height = 20) {
  auto g = MakeHeadlessGame();
  test_world::ClearMap(g->world, g->zoo, width, height);
  Catalogue& c = g->catalogue;
  using test_world::Define;
  Define(c, kRoad, BuildKind::Road, 1, 10);
  Define(c, kBench, BuildKind::Object, 1, 50);
  BuildTypeRecord& shop = Define(c, kShop, BuildKind::Shop, 2, 300);
  shop.InitialStock = 120;
  shop.InitialPrice = 15;
  Define(c, kVending, BuildKind::Shop, 1, 80, Shape::VendingMachine);
  Define(c, kPen, BuildKind::Enclosure, 3, 1000);
  Define(c, kBigPen, BuildKind::Enclosure, 4, 2000);
  Define(c, kOffice, BuildKind::ManagementOffice, 2, 500).StaffSlots = 5;
  Define(c, kDirector, BuildKind::DirectorOffice, 2, 5000);
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
