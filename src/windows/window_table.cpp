// The table from game mode to window: every window the player can open over the
// map. A mode no window shows closes at once.
#include "windows/finance_report.h"
#include "windows/info_window.h"
#include "windows/windows.h"

std::vector<std::unique_ptr<Window>> MakeGameWindows() {
  std::vector<std::unique_ptr<Window>> table;
  table.push_back(std::make_unique<InfoWindow>());
  table.push_back(std::make_unique<FinanceReport>());
  return table;
}
