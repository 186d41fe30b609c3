// The visitor window (400 x 300): one visitor's figure, name, purse and mood, the
// bars of their stay, tiredness and need of a toilet, and their remarks, the newest
// on top.
#include <algorithm>
#include <string>

#include "game/game.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

namespace {
constexpr int kBarLeft = 170, kBarMax = 205, kBarHeight = 16;
constexpr int kFigureW = 40, kFigureH = 45;  // one frame of a person sheet
constexpr const char* kMoods[6] = {"", "心情：非常惡劣", "心情：惡劣", "心情：普通", "心情：良好", "心情：非常良好"};
}  // namespace

std::vector<std::pair<int, std::string>> RemarkLines(const Person& p) {
  bool none = std::all_of(p.Comments.begin(), p.Comments.end(), [](const auto& c) { return c.str() == "-"; });
  if (none) return {{142, "還沒有什麼感想"}};
  std::vector<std::pair<int, std::string>> lines;
  for (int i = 4; i >= 0; --i) lines.emplace_back(142 + (4 - i) * 20, p.Comments[static_cast<size_t>(i)].str());
  return lines;
}

void VisitorWindow::Draw(Windows& windows, int) {
  Game& game = windows.game();
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  Surface& work = s.Work();
  TextRenderer& text = windows.Text();
  DrawTitle(text, work, Width(), "お客情報");
  const int slot = game.view.SelectedVisitor;
  if (slot < 0 || slot >= kWalkerSlots) return;
  const Person& p = game.world.Walkers[static_cast<size_t>(slot)];
  if (p.Look >= 0 && p.Look < kPersonLooks) {
    const Surface& sheet = LoadPersonSheet(game, p.Look);
    if (!sheet.Empty()) work.Draw(30, 120, Rect{2 * kFigureW, 3 * kFigureH, kFigureW, kFigureH}, sheet, true);
  }
  for (const auto& [y, line] : RemarkLines(p)) WindowText(text, work, 95, y, line, TextCell::Line);
  WindowText(text, work, 30, 60, p.Name.str(), TextCell::Line);
  WindowText(text, work, 30, 80, "資金：" + std::to_string(p.Purse), TextCell::Line);
  WindowText(text, work, 30, 100, kMoods[std::clamp<int>(p.Mood, 1, 5)], TextCell::Line);
  auto bar = [&](int y, int length, Color16 colour) {
    work.FillRect(Rect{kBarLeft, y, std::clamp(length, 0, kBarMax), kBarHeight}, colour);
  };
  bar(60, p.StayTicks / 200, Rgb565(255, 255, 0));
  bar(80, p.TiredTicks / 100, Rgb565(0, 0, 255));
  bar(100, p.ToiletTicks / 100, Rgb565(255, 0, 0));
}
