#pragma once
#include <cstdint>
#include <string>
// The simulation's steps, in the order the play tick calls them.
struct Game;
struct Facility;
enum class PersonKind : int16_t;

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
// Every tick, after the pointer's cell is found: the bus, escaped animals and the
// helicopter, the mail icons, then the disasters.
void SpecialObjects(Game& game);
void SlideMailIcons(Game& game);
// On a new day.
void DailyWeather(Game& game);
void ChargeAdvertising(Game& game);
void RankingStep(Game& game);
// At the end of a month, in this order around the finance report.
void MonthEndBills(Game& game);
void AgeAnimals(Game& game);
void PayMonthEnd(Game& game);

// How the simulation speaks to the player: an event window (kind 0 research,
// 2 ranking, 3 birth, 4 death, 5 bankruptcy) with its sound.
void AddEvent(Game& game, int kind, const std::string& text, int x, int y, int id);
// A mail with the date in front; x, y is its map cell or -1, -1.
void PostMail(Game& game, const std::string& text, int x, int y);

// Money in and out, held within -2^31 .. 99 999 999 so that no sum can wrap.
void AddMoney(Game& game, int64_t amount);

// A new animal in the enclosure whose origin is (x, y): origin 0 bought (paid
// here), 1 born. A place is searched a bounded number of times on the walk mask;
// false (and nothing changed) when the enclosure is full or has no free ground.
bool AddAnimal(Game& game, int x, int y, int origin);
// Takes entry i out of the enclosure's animals; the later entries move down.
void RemoveAnimal(Facility& r, int i);
// A new keeper or clerk at the building whose origin is (x, y); origin 0 hired by
// the player, else automatically. False (nothing changed) when it cannot be placed.
bool AddStaff(Game& game, int x, int y, int origin);
// A walking staff member (kind 2 cleaner, 3 maintenance, 4 research) in the first
// free slot of 150..199; false when none is free.
bool HireWalkingStaff(Game& game, PersonKind kind);
// StaffTotal and StaffCapacity counted afresh from the map and the walkers.
void RecountStaff(Game& game);
// The ticket evaluation's fair entry fee and the salary evaluation's fair salary.
int FairEntryFee(int attraction);
int FairSalary(int attraction);
