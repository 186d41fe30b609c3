#include "view/toolbar_layout.h"

#include "game/game.h"
#include "view/geometry.h"
#include "view/screen_layout.h"

const ToolbarButton kToolbar[kToolbarButtons] = {
    {5, 156, 30, 30, false, "整地：清除木頭、石頭、建築物等障礙物", ToolbarAction::Level},
    {5, 186, 30, 30, false, "建設：設置道路、花叢、草叢等設施", ToolbarAction::BuildGroup0},
    {5, 216, 30, 30, false, "建設：設置商店、雕像、池塘、廁所等設施", ToolbarAction::BuildGroup1},
    {5, 246, 30, 30, false, "建設：建設動物的柵欄", ToolbarAction::BuildGroup2},
    {5, 276, 30, 30, false, "建設：建設管理處、園長室", ToolbarAction::BuildGroup3},
    {5, 306, 30, 30, false, "雇用：雇用工作人員", ToolbarAction::Hire},
    {5, 336, 30, 30, false, "收支：顯示收支情報視窗", ToolbarAction::Finance},
    {5, 366, 30, 30, false, "追蹤:追蹤遊客的動向，請點選要追蹤的遊客", ToolbarAction::Track},
    {5, 396, 30, 30, false, "宣傳：進行動物園的宣傳", ToolbarAction::Advertise},
    {5, 426, 30, 30, false, "遊客情報：了解遊客的情報、感想。請點選遊客", ToolbarAction::VisitorInfo},
    {41, 148, 20, 21, false, "往下一頁", ToolbarAction::NextOne},
    {61, 148, 20, 21, false, "往下四頁", ToolbarAction::NextFour},
    {81, 148, 20, 21, false, "往前一頁", ToolbarAction::PrevOne},
    {101, 148, 20, 21, false, "往前四頁", ToolbarAction::PrevFour},
    {3, 3, 24, 24, true, "離開：結束遊戲、回主畫面", ToolbarAction::Exit},
    {33, 3, 24, 24, true, "儲存：儲存遊戲", ToolbarAction::Save},
    {63, 3, 24, 24, true, "讀取：讀取遊戲", ToolbarAction::Load},
    {93, 3, 24, 24, true, "遊戲設定：進入遊戲設定畫面", ToolbarAction::Settings},
    {133, 3, 24, 24, true, "隱藏：隱藏建築物，使建築物之後的東西可以看的見", ToolbarAction::Hide},
    {163, 3, 24, 24, true, "情報顯示：顯示動物、遊客、建築物的情報", ToolbarAction::InfoDisplay},
    {193, 3, 24, 24, true, "目標：顯示過關目標", ToolbarAction::Goals},
};

Rect ToolbarButtonRect(const Game& game, int i) {
  const ToolbarButton& b = kToolbar[i];
  int dx = b.topBar ? 0 : ScreenWidth(game) - kToolbarWidth;
  return {b.left + dx, b.top, b.width + 1, b.height + 1};
}

bool InToolbarButton(const Game& game, int i, int x, int y) { return ToolbarButtonRect(game, i).Contains(x, y); }

bool MailIconShown(const Mail& mail) { return !mail.Text.empty() && !mail.Read; }

Rect MailIconRect(const Mail& mail) { return {mail.IconLeft, mail.IconTop, mail.IconWidth + 1, mail.IconHeight + 1}; }

int MailIconAt(const Game& game, int x, int y) {
  for (int i = kMailSlots - 1; i >= 0; --i) {
    const Mail& m = game.sim.Mails[i];
    if (MailIconShown(m) && MailIconRect(m).Contains(x, y)) return i;
  }
  return -1;
}

bool InResearchCounter(const Game& game, int x, int y) {
  int tx = x - (ScreenWidth(game) - kToolbarWidth), top = kResearchMarkerTop + game.sim.ResearchLeft;
  return tx >= 3 && tx <= 10 && y >= top && y < top + kResearchMarkerH;
}

std::string ResearchCounterTip(const Game& game) {
  if (game.sim.AllResearched) return "所有的研發都已完成";
  int pending = 0;
  for (int t = 0; t < kMapTypes; ++t) pending += game.zoo.TypeResearchPending[t] == 1;
  return "未完成的研發數：" + std::to_string(pending);
}
