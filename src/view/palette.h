#pragma once
// The build palette: the four visible types of a catalogue group and its paging.
struct Game;

// The catalogue group (0..3) of a build tool (2..5).
constexpr int GroupOfTool(int toolMode) { return toolMode - 2; }

// Fills the four visible entries: from the group's first visible entry, the next
// available types, wrapping within the group but going round it at most once.
void LoadPalette(Game& game, int group);
// Pages the group forward (+1, +4) or back (-1, -4), then rebuilds the list and keeps
// the selected row.
void PageCatalogue(Game& game, int group, int step);
// Selects a row of the visible list.
void SelectPaletteRow(Game& game, int row);
// A type became available: the palette of the build tool in use, if any, is
// filled again; the chosen type stays chosen, highlighted wherever it now shows.
void RebuildShownPalette(Game& game);
