#pragma once
// The animals and the posted keeper or clerk moving inside a building, run on
// figure-pass ticks.
struct FacilityRef;
struct Game;

// Behaviour states of a figure.
namespace FigureState {
constexpr int Wander = 0, Eat = 1, Act = 2, Script0 = 3, Script1 = 4, Pause = 5, Rest = 6, Tidy = 8;
constexpr int Odd = 9, KeeperSulk = 10, Serve = 11, ClerkSulk = 17;
}  // namespace FigureState

// Every animal of an enclosure, then its staff figure (the first member of staff).
void RunFigures(Game& game, const FacilityRef& f);
