#include "windows/goal_lines.h"

#include "data/zoo.h"

std::vector<std::string> GoalLines(const Zoo& zoo, const GoalWords& words) {
  std::vector<std::string> lines;
  if (zoo.HasGoalYears) lines.push_back(std::to_string(zoo.GoalYears) + "年之內");
  if (zoo.HasGoalAssets) lines.push_back(words.assets + std::to_string(zoo.GoalAssets) + "以上");
  if (zoo.HasGoalAttraction) lines.push_back(words.attraction + std::to_string(zoo.GoalAttraction) + "以上");
  if (zoo.HasGoalRank) lines.push_back(words.rank + std::to_string(6 - zoo.GoalRank) + "以上");
  if (!zoo.HasGoalAssets && !zoo.HasGoalAttraction && !zoo.HasGoalRank) lines.push_back("無過關條件");
  if (!zoo.HasGoalYears) lines.push_back("無限期限");
  return lines;
}
