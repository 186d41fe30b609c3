#pragma once
// The game-mode state machine: the frame tick, the play tick and the ways out.
struct Game;

// Called on every frame-timer event.
void GameTick(Game& game);
// One simulation tick; only GameTick calls it.
void PlayTick(Game& game);
// Advances the clock by one tick, running the month end when a month is over.
void ClockStep(Game& game);
// The daily goal and failure test.
void DailyGoalCheck(Game& game);
// The frame-timer interval for the current speed settings, in milliseconds.
int TimerIntervalFor(int fastForward, int gameSpeed);
// Turns the end window's answer into the next game mode.
void ApplyEndWindowResult(Game& game);
void EndGameOver(Game& game);
void EndGoal(Game& game);
void EndQuit(Game& game);
