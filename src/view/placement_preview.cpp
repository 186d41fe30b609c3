#include "view/placement_preview.h"

#include <string>

#include "game/game.h"
#include "sim/construction.h"
#include "view/geometry.h"

namespace {

void Refuse(ViewState& v, const char* why) {
  v.CostText = ActionText::Refused;
  v.HintText = why;
  v.PreviewOutline.refused = true;
}

void PreviewLevel(Game& game) {
  ViewState& v = game.view;
  LevelArea la = FindLevelArea(game, v.CursorCellX, v.CursorCellY);
  if (!la.valid) {
    v.PreviewOutline = {true, false, v.CursorCellX, v.CursorCellY, 1};
    Refuse(v, ActionText::CannotLevel);
    return;
  }
  v.PreviewOutline = {true, false, la.area.x0, la.area.y0, la.area.size};
  int64_t cost = LevelCost(game, la.area);
  v.CostText = std::to_string(cost);
  if (!Affordable(game, cost)) return Refuse(v, ActionText::LevelNoFunds);
  if (la.type >= 0 && !OfficesStillSuffice(game, la.type)) return Refuse(v, ActionText::LevelOfficeNeeded);
  v.HintText = ActionText::LevelOk;
}

void PreviewBuild(Game& game) {
  ViewState& v = game.view;
  if (v.SelectedType < 0) {
    v.PreviewOutline.shown = false;
    return;
  }
  const auto& bt = game.catalogue.BuildType[v.SelectedType];
  Footprint f = FootprintAt(v.CursorCellX, v.CursorCellY, bt.Size);
  v.PreviewOutline = {true, false, f.x0, f.y0, f.size};
  if (const char* why = BuildSiteRefusal(game, f)) return Refuse(v, why);
  v.CostText = std::to_string(bt.Price);
  if (const char* why = BuildRulesRefusal(game, v.SelectedType, f)) return Refuse(v, why);
  v.HintText = ActionText::BuildOk;
}

}  // namespace

void PlacementPreview(Game& game) {
  ViewState& v = game.view;
  v.PreviewOutline.shown = false;
  // Off the map nothing is priced: the last cell's price must not linger. (Assigned
  // as one character: GCC 12's optimiser misreads assigning a literal, -Wrestrict.)
  v.CostText.assign(1, '0');
  if (v.ToolMode < 1 || v.ToolMode > 5 || v.CursorCellX == -1 || v.CursorCellY == -1) return;
  if (v.MouseX >= MapViewRight(game)) return;
  if (v.ToolMode == 1) PreviewLevel(game);
  else PreviewBuild(game);
}
