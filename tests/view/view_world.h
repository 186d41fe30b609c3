#pragma once
#include <memory>

#include "view/headless_presentation.h"
#include "content/content_folder.h"
#include "game/surface_set.h"
#include "game/game.h"
#include "support/test_world.h"

// Helpers of the view and construction tests over the test world.
namespace view_test {

using namespace test_world;

// Reads the generated pointer mask, as a started game has it, so the pointer finds cells.
inline bool LoadGeneratedTileMask(Game& g) {
  g.folders.GraphicsDir = ContentFolder() / "Graphics";
  return LoadTileMask(g);
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
