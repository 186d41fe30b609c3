#pragma once
// The map view's steps of the play tick.
struct Game;

// Moves the view by the scroll velocity, follows a tracked visitor, clamps the view.
void ScrollStep(Game& game);
// Finds the map cell under the last pointer position.
void FindHoverCell(Game& game);
