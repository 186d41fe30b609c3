// The goals window (270 x 200): the map's goals in the window's own words.
#include <string>

#include "game/game.h"
#include "windows/goal_lines.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

std::vector<std::string> GoalWindowLines(const Zoo& zoo) {
  return GoalLines(zoo, {"資金增加到", " 動物園的魅力增加到", "動物園的排名增加到"});
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
