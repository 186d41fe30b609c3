#include "view/palette.h"

#include "game/game.h"

namespace {

bool Available(const Game& game, int group, int entry) {
  return game.zoo.TypeAvailable[kGroupStart[group] + entry] == 1;
}

}  // namespace

void LoadPalette(Game& game, int group) {
  ViewState& v = game.view;
  int size = v.CatalogueSize[group];
  v.PaletteTypes.fill(-1);
  int found = 0;
  for (int i = 0; i < size && found < 4; ++i) {
    int entry = (v.CatalogueFirst[group] + i) % size;
    if (Available(game, group, entry)) v.PaletteTypes[found++] = kGroupStart[group] + entry;
  }
}

void PageCatalogue(Game& game, int group, int step) {
  ViewState& v = game.view;
  int size = v.CatalogueSize[group];
  int& first = v.CatalogueFirst[group];
  if (step > 0) {
    first += step;
    if (first > size - 1) first = 0;
    for (int tries = 0; tries < size && !Available(game, group, first); ++tries) first = (first + 1) % size;
  } else {
    first += step;
    if (first < 0) first += size - 1;
    for (int tries = 0; tries < size && !Available(game, group, first); ++tries) {
      first -= 1;
      if (first < 0) first += size - 1;
    }
  }
  LoadPalette(game, group);
  if (v.SelectedRow >= 0) v.SelectedType = v.PaletteTypes[v.SelectedRow];
}

void SelectPaletteRow(Game& game, int row) {
  ViewState& v = game.view;
  if (row < 0 || row > 3 || v.PaletteTypes[row] < 0) return;
  v.SelectedRow = row;
  v.SelectedType = v.PaletteTypes[row];
}

void RebuildShownPalette(Game& game) {
  ViewState& v = game.view;
  if (v.ToolMode < 2 || v.ToolMode > 5) return;
  LoadPalette(game, GroupOfTool(v.ToolMode));
  if (v.SelectedType < 0) return;
  v.SelectedRow = -1;
  for (int row = 0; row < 4; ++row)
    if (v.PaletteTypes[row] == v.SelectedType) v.SelectedRow = row;
}
