#pragma once
// How a game is won or lost, and what the end window's answer leads to.
struct Game;

// The daily goal and failure test: bankruptcy, the time limit, the goals reached.
void DailyGoalCheck(Game& game);
// Turns the end window's answer into the next game mode.
void ApplyEndWindowResult(Game& game);
