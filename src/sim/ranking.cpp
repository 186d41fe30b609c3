#include "game/game.h"
#include "sim/sim_steps.h"

namespace {

struct RankStep {
  int attraction;
  const char* text;
};
// Indexed by the current rank: the attraction needed for the next place.
constexpr RankStep kSteps[5] = {
    {500, "你的動物園被選為動物園排行榜第5名！"},
    {1000, "你的動物園被選為動物園排行榜第4名！"},
    {2000, "你的動物園如果被選為動物園排行榜第3名、就可以建設園長室了！"},
    {4000, "你的動物園被選為動物園排行榜第2名！"},
    {8000, "你的動物園被選為動物園排行榜第1名！"},
};

}  // namespace

void RankingStep(Game& game) {
  Zoo& z = game.zoo;
  if (z.Rank < 0 || z.Rank >= 5) return;
  if (game.random(50) != 0) return;
  const RankStep& step = kSteps[z.Rank];
  if (z.Attraction < step.attraction) return;
  z.Rank += 1;
  if (z.Rank == 3) {
    z.TypeAvailable[kDirectorOffice] = 1;
    z.TypeResearchPending[kDirectorOffice] = 0;
    game.ui->BuildPaletteChanged(game);
  }
  AddEvent(game, 2, step.text, -1, -1, 0);
}
