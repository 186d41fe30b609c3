#include "frontend/menu_table.h"

#include <cstdlib>

const std::array<MenuItemArea, 7>& MenuItems() {
  static const std::array<MenuItemArea, 7> items{{
      {MenuChoice::kQuit, 310, 44, 110, 217, "結束:遊戲結束"},
      {MenuChoice::kContinue, 118, 72, 106, 82, "繼續遊戲:繼續進行你的經營活動"},
      {MenuChoice::kCampaign, 412, 112, 101, 101, "活動：展開新的經營活動"},
      {MenuChoice::kLoad, 130, 156, 180, 127, "讀取:讀取已儲存的記錄"},
      {MenuChoice::kFree, 34, 69, 74, 86, "自由挑戰模式:可自由選擇遊戲關卡"},
      {MenuChoice::kSettings, 189, 366, 130, 104, "設定:變更設定"},
      {MenuChoice::kCredits, 50, 171, 56, 48, "情報：顯示遊戲、工作人員的情報"},
  }};
  return items;
}

std::vector<MenuChoice> MenuChoicesAt(int x, int y) {
  std::vector<MenuChoice> hits;
  for (const MenuItemArea& item : MenuItems())
    if (item.Contains(x, y)) hits.push_back(item.choice);
  return hits;
}

std::string_view MenuTipAt(int x, int y) {
  for (const MenuItemArea& item : MenuItems())
    if (item.Contains(x, y)) return item.tip;
  return {};
}

int NextMenuBeat(int lastBeat, int64_t sinceMusic) {
  for (int i = lastBeat + 1; i < static_cast<int>(kMenuBeats.size()); ++i)
    if (std::llabs(sinceMusic - kMenuBeats[static_cast<size_t>(i)]) <= 200) return i;
  return -1;
}
