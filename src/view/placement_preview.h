#pragma once
// The placement preview of the map tools: outline, price and status-line text.
struct Game;

// Every frame while a map tool is active: sets HintText, CostText and the outline,
// from the same checks the build and levelling commands make.
void PlacementPreview(Game& game);
