#include <algorithm>
#include <string>

#include "game/game.h"
#include "sim/sim_steps.h"

namespace {

// The lowest type still to be researched, or -1.
int NextResearch(const Zoo& z) {
  for (int i = 0; i < kMapTypes; ++i)
    if (z.TypeAvailable[i] == 0 && z.TypeResearchPending[i] != 0) return i;
  return -1;
}

void Complete(Game& game, int item) {
  Zoo& z = game.zoo;
  z.TypeAvailable[item] = 1;
  z.TypeResearchPending[item] = 0;
  z.ResearchPoints = 0;
  const std::string name = game.catalogue.BuildType[item].Name.str();
  bool enclosure = item >= kFirstEnclosureType;
  game.ui->BuildPaletteChanged(game);
  if (enclosure && NextResearch(z) < 0) game.sim.AllResearched = 1;
  AddEvent(game, 0, "恭喜你研發完成，" + name + (enclosure ? "的柵欄可以建築了！" : "可以建築了！"), -1, -1, item);
}

}  // namespace

void ResearchStep(Game& game) {
  SimState& s = game.sim;
  if (s.AllResearched) return;
  int item = NextResearch(game.zoo);
  if (item < 0) {
    s.AllResearched = 1;
    s.ResearchLeft = 0;
    return;
  }
  int cost = 500 * item;
  if (cost == 0) {
    // Item 0 costs nothing: it is done at once rather than divided by.
    s.ResearchLeft = 0;
    Complete(game, item);
    return;
  }
  int left = 50 - RoundHalfEven(static_cast<double>(game.zoo.ResearchPoints) / cost * 50.0);
  s.ResearchLeft = std::clamp(left, 0, 50);
  if (game.zoo.ResearchPoints >= cost) Complete(game, item);
}
