// The goals window (270 x 200): the map's goals, worded as the briefing words them.
#include <string>

#include "game/game.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

std::vector<std::string> GoalWindowLines(const Zoo& z) {
  std::vector<std::string> lines;
  if (z.HasGoalYears) lines.push_back(std::to_string(z.GoalYears) + "年之內");
  if (z.HasGoalAssets) lines.push_back("資金增加到" + std::to_string(z.GoalAssets) + "以上");
  if (z.HasGoalAttraction) lines.push_back(" 動物園的魅力增加到" + std::to_string(z.GoalAttraction) + "以上");
  if (z.HasGoalRank) lines.push_back("動物園的排名增加到" + std::to_string(6 - z.GoalRank) + "以上");
  if (!z.HasGoalAssets && !z.HasGoalAttraction && !z.HasGoalRank) lines.push_back("無過關條件");
  if (!z.HasGoalYears) lines.push_back("無限期限");
  return lines;
}

void GoalsWindow::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  TextRenderer& text = windows.Text();
  DrawTitle(text, s.Work(), Width(), "過關目標");
  auto lines = GoalWindowLines(windows.game().zoo);
  for (size_t i = 0; i < lines.size(); ++i)
    WindowText(text, s.Work(), 17, 45 + 22 * static_cast<int>(i), lines[i], TextCell::Message);
}
