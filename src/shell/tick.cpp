#include "game/game.h"
#include "game/surface_set.h"
#include "shell/tick.h"
#include "sim/goals.h"
#include "sim/accounts.h"
#include "sim/sim_steps.h"
#include "view/view_steps.h"

namespace {

constexpr int kMoneyCap = 99999999;

// Stops the rest of a tick once an end window has chosen a way out.
bool Leaving(const Game& game) { return IsLeaving(game.clock.GameMode); }

void ClearDayHistory(World& world) {
  for (auto& row : world.DayStats1)
    for (auto& cell : row) cell = {};
  for (auto& row : world.DayStats2)
    for (auto& cell : row) cell = {};
}

// The calendar turns before the report opens, so the top bar drawn under it shows
// the day the zoo is at; the report speaks of the month that ended, and the bills
// are paid when it closes.
void MonthEnd(Game& game, const PlaySteps& steps) {
  Clock& c = game.clock;
  c.Day = 1;
  steps.MonthEndBills(game);
  // The histories take the ended month here, whether or not a report is drawn.
  RecordMonthInHistory(game.zoo);
  game.ui->StopEffect("Bus1.wav");
  c.Month += 1;
  if (c.Month >= 13) {
    c.Month = 1;
    c.Year += 1;
    ClearDayHistory(game.world);
  }
  c.GameMode = Mode::Finance;
  game.ui->RunWindow(game, Mode::Finance);
  steps.AgeAnimals(game);
  steps.PayMonthEnd(game);
}

}  // namespace

const PlaySteps& GameSteps() {
  static const PlaySteps steps{ScrollStep,     EvaluateTicket,    EvaluateSalary,      CrowdSound,
                               CellPass,       UpdateWalker,      WalkerTallies,       CommentCheck,
                               FinishWalkerTallies, HeliCheck,    StaffQuitCheck,      ResearchStep,
                               FindHoverCell,  SpecialObjects,    DailyWeather,        ChargeAdvertising,
                               RankingStep,    MonthEndBills,     AgeAnimals,          PayMonthEnd};
  return steps;
}

int TimerIntervalFor(int fastForward, int gameSpeed) {
  if (fastForward >= 1) return 0;
  if (gameSpeed == 2) return 20;
  if (gameSpeed == 3) return 40;
  return 0;
}

void ClockStep(Game& game, const PlaySteps& steps) {
  Clock& c = game.clock;
  c.TickOfDay += 1;
  c.NewDay = 0;
  if (c.TickOfDay < c.TicksPerDay) return;
  c.TickOfDay = 0;
  c.Day += 1;
  c.NewDay = 1;
  if (c.Day > DaysInMonth(c.Month, c.Year)) MonthEnd(game, steps);
}

void PlayTick(Game& game, const PlaySteps& steps) {
  Clock& c = game.clock;
  // Step 1, stopping the windows' auto-close timers, is the window layer's: the
  // frame timer only runs while no window is open.
  int interval = TimerIntervalFor(c.FastForward, c.GameSpeed);
  if (interval != c.TimerInterval) c.TimerInterval = interval;

  steps.ScrollStep(game);
  ClockStep(game, steps);

  if (c.TickOfDay % 10 == 0) {
    if (Leaving(game)) return;
    steps.EvaluateTicket(game);
    if (Leaving(game)) return;
    steps.EvaluateSalary(game);
    if (Leaving(game)) return;
    steps.CrowdSound(game);
  }

  if (Leaving(game)) return;
  steps.CellPass(game);

  if (Leaving(game)) return;
  game.sim.VisitorsInZoo = 0;
  for (int slot = 0; slot < kWalkerSlots; ++slot) {
    if (game.world.Walkers[slot].Used != 1) continue;
    steps.UpdateWalker(game, slot);
    // A visitor who left the map in this step is no longer counted.
    const Person& p = game.world.Walkers[slot];
    if (p.Used == 1 && p.Kind == PersonKind::Visitor) game.sim.VisitorsInZoo += 1;
    steps.WalkerTallies(game, slot);
    steps.CommentCheck(game, slot);
  }
  steps.FinishWalkerTallies(game);
  for (int slot = 0; slot < kEscapeeSlots; ++slot) steps.HeliCheck(game, slot);

  if (c.TickOfDay % 5 == 0) {
    if (Leaving(game)) return;
    steps.StaffQuitCheck(game);
    if (Leaving(game)) return;
    steps.ResearchStep(game);
  }

  steps.FindHoverCell(game);
  if (game.zoo.Money > kMoneyCap) game.zoo.Money = kMoneyCap;
  steps.SpecialObjects(game);
  game.ui->RenderFrame(game, 2);
  if (Leaving(game)) return;

  if (c.NewDay == 1) {
    steps.DailyWeather(game);
    if (Leaving(game)) return;
    steps.ChargeAdvertising(game);
    if (Leaving(game)) return;
    DailyGoalCheck(game);
    if (Leaving(game)) return;
    steps.RankingStep(game);
  }
  c.RedrawAll = 0;
}

void GameTick(Game& game) {
  Clock& c = game.clock;
  // Windows and end routines pump events while a tick is under way; a nested
  // timer event must not start a second tick or a second end routine.
  if (c.InTick) return;
  c.InTick = true;
  game.ui->SetPointer(7);  // while playing, the game draws its own pointer
  switch (c.GameMode) {
    case Mode::Playing: PlayTick(game); break;
    case Mode::LeaveGameOver: EndGameOver(game); break;
    case Mode::LeaveQuit:
      if (c.GoalReached == 1) EndGoal(game);
      else EndQuit(game);
      break;
    case Mode::LeaveGoal: EndGoal(game); break;
    default: break;
  }
  c.InTick = false;
}

namespace {

// What every way out does first: no further tick may start.
void StopGame(Game& game) {
  game.clock.TimerEnabled = false;
  game.clock.GameRunning = false;
  game.ui->StopMusic();
  game.ui->StopAllEffects();
}

// The game screen is left and the game's pictures freed; then the film or screen
// that follows.
void AfterGame(Game& game, int movie) {
  game.ui->LeaveGameScreen(game);
  FreeSurfaces(game);
  game.clock.MovieNo = movie;
  game.ui->ShowAfterGame(game);
}

}  // namespace

void EndGoal(Game& game) {
  StopGame(game);
  bool finished = false;
  if (game.zoo.CampaignMode != 0) {
    if (game.settings.CampNo + 1 > game.catalogue.CampaignMapCount) finished = true;
    else game.settings.CampNo += 1;
    if (!game.folders.SettingsFile.empty()) WriteSettings(game.folders.SettingsFile, game.settings);
  }
  AfterGame(game, finished ? 4 : 3);
}

void EndGameOver(Game& game) {
  StopGame(game);
  AddEvent(game, 5, "你的動物園倒閉了！", -1, -1, 0);
  AfterGame(game, 1);
}

void EndQuit(Game& game) {
  StopGame(game);
  game.ui->PumpMessages(5);
  AfterGame(game, 0);
}
