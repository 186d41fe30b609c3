#include "sim/sim_steps.h"

// Placeholders until the simulation fills them in.
void EvaluateTicket(Game&) {}
void EvaluateSalary(Game&) {}
void CrowdSound(Game&) {}
void CellPass(Game&) {}
void UpdateWalker(Game&, int) {}
void WalkerTallies(Game&, int) {}
void CommentCheck(Game&, int) {}
void FinishWalkerTallies(Game&) {}
void HeliCheck(Game&, int) {}
void StaffQuitCheck(Game&) {}
void ResearchStep(Game&) {}
void SpecialObjects(Game&) {}
void DailyWeather(Game&) {}
void ChargeAdvertising(Game&) {}
void RankingStep(Game&) {}
void MonthEndBills(Game&) {}
void AgeAnimals(Game&) {}
void PayMonthEnd(Game&) {}
void AddEvent(Game&, int, const std::string&, int, int, int) {}
