#pragma once
// The simulation's steps, in the order the play tick calls them.
struct Game;

// Every tenth tick.
void EvaluateTicket(Game& game);
void EvaluateSalary(Game& game);
void CrowdSound(Game& game);
// Every tick.
void CellPass(Game& game);
// The walker pass, per used slot of Walkers, then once after the pass.
void UpdateWalker(Game& game, int slot);
void WalkerTallies(Game& game, int slot);
void CommentCheck(Game& game, int slot);
void FinishWalkerTallies(Game& game);
void HeliCheck(Game& game, int slot);
// Every fifth tick.
void StaffQuitCheck(Game& game);
void ResearchStep(Game& game);
// Every tick, after the pointer's cell is found.
void SpecialObjects(Game& game);
// On a new day.
void DailyWeather(Game& game);
void ChargeAdvertising(Game& game);
void RankingStep(Game& game);
// At the end of a month, in this order around the finance report.
void MonthEndBills(Game& game);
void AgeAnimals(Game& game);
void PayMonthEnd(Game& game);

#include <string>
// How the simulation speaks to the player: an event window (kind 0 research,
// 2 ranking, 3 birth, 4 death, 5 bankruptcy) with its sound.
void AddEvent(Game& game, int kind, const std::string& text, int x, int y, int id);
