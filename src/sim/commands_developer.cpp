#include "game/game.h"
#include "sim/commands.h"
#include "sim/sim_steps.h"

namespace {

constexpr int kRareOdds = 90000, kOftenOdds = 5;

// The disasters' odds switch between their usual rarity and almost every tick.
void ToggleOdds(int32_t& odds) { odds = odds == kRareOdds ? kOftenOdds : kRareOdds; }

// Every visitor walking on the roads falls as if caught by an escaped animal.
void KillWalkers(Game& game) {
  for (int i = 0; i < kVisitorSlots; ++i) {
    Person& p = game.world.Walkers[i];
    if (p.Used != 1 || p.Activity != Activity::Walking) continue;
    p.Activity = Activity::Killed;
    game.ui->PlayEffect("Dead2.wav", false, false, 0, 0);
  }
}

}  // namespace

CommandResult Develop(Game& game, DeveloperAction action) {
  switch (action) {
    case DeveloperAction::Money: AddMoney(game, 10000); break;  // capped: held down it must not wrap
    case DeveloperAction::ShortDays: game.clock.TicksPerDay = 60; break;
    case DeveloperAction::QuakesOften: ToggleOdds(game.sim.QuakeOdds); break;
    case DeveloperAction::SkyObjectsOften: ToggleOdds(game.sim.SkyOdds); break;
    case DeveloperAction::BirthsOften: game.sim.BirthOdds = kOftenOdds; break;
    case DeveloperAction::KillWalkingVisitors: KillWalkers(game); break;
  }
  return CommandResult::Ok();
}
