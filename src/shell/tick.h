#pragma once
// The game-mode state machine: the frame tick, the play tick and the ways out.
struct Game;

// The steps of one play tick owned by the simulation and the map view, held in a
// table so that a test can watch the order in which the tick runs them.
struct PlaySteps {
  using Step = void (*)(Game&);
  using SlotStep = void (*)(Game&, int);
  Step ScrollStep, EvaluateTicket, EvaluateSalary, CrowdSound, CellPass;
  SlotStep UpdateWalker, WalkerTallies, CommentCheck;
  Step FinishWalkerTallies;
  SlotStep HeliCheck;
  Step StaffQuitCheck, ResearchStep, FindHoverCell, SpecialObjects;
  Step DailyWeather, ChargeAdvertising, RankingStep;
  Step MonthEndBills, AgeAnimals, PayMonthEnd;
};
const PlaySteps& GameSteps();

// Called on every frame-timer event.
void GameTick(Game& game);
// One simulation tick; only GameTick calls it.
void PlayTick(Game& game, const PlaySteps& steps = GameSteps());
// Advances the clock by one tick, running the month end when a month is over.
void ClockStep(Game& game, const PlaySteps& steps = GameSteps());
// The frame-timer interval for the current speed settings, in milliseconds.
int TimerIntervalFor(int fastForward, int gameSpeed);
void EndGameOver(Game& game);
void EndGoal(Game& game);
void EndQuit(Game& game);
