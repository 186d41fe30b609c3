// The table from game mode to window: every window the player can open over the
// map. A mode no window shows closes at once.
#include "windows/finance_report.h"
#include "windows/info_window.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

std::vector<std::unique_ptr<Window>> MakeGameWindows() {
  std::vector<std::unique_ptr<Window>> table;
  table.push_back(std::make_unique<InfoWindow>());
  table.push_back(std::make_unique<FinanceReport>());
  table.push_back(std::make_unique<StaffWindow>());
  table.push_back(std::make_unique<TicketWindow>());
  table.push_back(std::make_unique<AdvertisingWindow>());
  table.push_back(std::make_unique<MailWindow>());
  table.push_back(std::make_unique<EventWindow>());
  table.push_back(std::make_unique<VisitorWindow>());
  table.push_back(std::make_unique<GoalsWindow>());
  table.push_back(std::make_unique<EndWindow>());
  return table;
}
