#pragma once
// What a visitor or walking staff member does in one tick, split by concern: the
// dispatcher and walking (walking.cpp), visitor needs (needs.cpp), staff work
// (staff.cpp). Slots index Walkers.
#include <string>
#include <string_view>

struct Game;
struct Person;
enum class PersonKind : int16_t;
struct FacilityRef;

// Visitor slots 0..149, walking staff 150..199.
constexpr int kFirstStaffSlot = 150;
// Ticks per animation frame of every walker; sulking uses twice this.
constexpr int kWalkerFramePeriod = 1;
// Need counters stop here.
constexpr int kCounterCap = 200000;

// Advances AnimTicks; true (and AnimTicks back to 0) when a frame is due.
bool FrameDue(Person& p, int period);
// A walker stops, 1 in stopOdds a tick, and a standing one walks on, 1 in goOdds.
void StopAndGo(Game& game, Person& p, int stopOdds, int goOdds);
// Moves a walker into the next cell once its offset passes the edge.
bool CrossCell(Person& p);
void ChooseRoadDirection(Game& game, int slot);
// Turning at a cell centre, shared with escaped animals: the direction toward side A
// or B of a direction, the cell on that side, and which side to take (the one road
// side, else side A by chance, favoured by TurnBias other than 1).
int TurnTo(int dir, bool sideA);
struct CellStep;
CellStep SideDelta(int dir, bool sideA);
bool ChooseSide(Game& game, bool sideA, bool sideB, int turnBias);
// A plain road piece (Shape 0) covers the cell.
bool PlainRoad(Game& game, int x, int y);
bool CellFreeOfVisitors(const Game& game, int slot, int x, int y);

// Decisions of a visitor: leaving, the four facilities, standing, deprivation, mood.
void ThinkVisitor(Game& game, int slot);
int MoodFromPoints(int points);
void LookStep(Game& game, int slot);
bool TryPurchase(Game& game, int slot);
// One purchase in this many tries at a shop, by price, economy, mood, season and
// difficulty.
int PurchaseDivisor(const Game& game, const Person& p, const FacilityRef& shop);
void BenchStep(Game& game, int slot);
void SignStep(Game& game, int slot);
void DropLitter(Game& game, int slot);

// Decisions and jobs of walking staff.
void ThinkStaff(Game& game, int slot);
void FindLitter(Game& game, int slot);
void SweepStep(Game& game, int slot);
void RepairStep(Game& game, int slot);
void BreakStep(Game& game, int slot);
void SulkStep(Game& game, int slot);
bool NoColleagueAt(const Game& game, int slot, int x, int y, PersonKind kind);
// The chance per tick, as 1 in n, that underpaid staff start sulking; 0 never.
int SulkOdds(int salaryLevel);

// Remarks: kind 0 at an enclosure, 1..4 needs (bored, toilet, tired, lost),
// 5 after a purchase, 6 bench, 7 sign, 8 toilet.
void AddComment(Game& game, int slot, std::string_view subject, int kind);
