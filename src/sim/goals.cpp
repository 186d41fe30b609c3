#include "sim/goals.h"

#include "game/game.h"
#include "sim/commands.h"

void DailyGoalCheck(Game& game) {
  Clock& c = game.clock;
  const Zoo& z = game.zoo;
  if (z.Money < 0) {
    game.ui->StopMusic();
    c.GameMode = Mode::EndBankrupt;
    game.ui->RunWindow(game, Mode::EndBankrupt);
    return;
  }
  if (z.HasGoalYears && c.Year > z.GoalYears) {
    game.ui->StopMusic();
    c.GameMode = Mode::EndTimeUp;
    game.ui->RunWindow(game, Mode::EndTimeUp);
    return;
  }
  if (c.GoalReached != 0) return;
  // A time limit on its own is no goal: the game is won by assets, attraction or rank.
  bool anyGoal = z.HasGoalAssets || z.HasGoalAttraction || z.HasGoalRank;
  bool met = anyGoal && (!z.HasGoalYears || c.Year <= z.GoalYears) &&
             (!z.HasGoalAssets || z.Money >= z.GoalAssets) &&
             (!z.HasGoalAttraction || z.Attraction >= z.GoalAttraction) &&
             (!z.HasGoalRank || z.Rank >= z.GoalRank);
  if (!met) return;
  c.GameMode = Mode::EndGoalsReached;
  c.GoalReached = 1;
  game.ui->RunWindow(game, Mode::EndGoalsReached);
}

void ApplyEndWindowResult(Game& game) {
  Clock& c = game.clock;
  switch (c.EndWindowResult) {
    case 1: c.GameMode = Mode::LeaveQuit; break;
    case 2: c.GameMode = Mode::LeaveGameOver; break;
    case 3: c.GameMode = Mode::LeaveGoal; break;
    default:
      c.GameMode = Mode::Playing;
      c.RedrawAll = 1;
      break;
  }
}

CommandResult AnswerEndWindow(Game& game, EndAnswer answer) {
  Clock& c = game.clock;
  const int mode = c.GameMode;
  if (mode < Mode::EndAskQuit || mode > Mode::EndGoalsReached) return CommandResult::No();
  if (answer == EndAnswer::Left) {
    // Money gone or time up: there is no playing on.
    if (mode == Mode::EndBankrupt || mode == Mode::EndTimeUp) return CommandResult::No();
    c.EndWindowResult = 0;
  } else {
    c.EndWindowResult = mode == Mode::EndAskQuit ? 1 : mode == Mode::EndGoalsReached ? 3 : 2;
  }
  ApplyEndWindowResult(game);
  return CommandResult::Ok();
}
