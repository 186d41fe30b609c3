// The end window (400 x 120): the quit question (mode 20), money gone (21), time up
// (22) and goals reached (23). Only left presses count; the answer becomes the mode
// the next tick acts on (sim/commands.h AnswerEndWindow).
#include "game/game.h"
#include "sim/commands.h"
#include "windows/window_text.h"
#include "windows/windows.h"
#include "windows/zoo_windows.h"

namespace {
constexpr WinRect kLeftAnswer{293, 55, 333, 95}, kRightAnswer{343, 55, 383, 95};
constexpr int kMessageWidth = 300;

void Centred(Windows& windows, int y, std::string_view line) {
  TextRenderer& text = windows.Text();
  int x = (kMessageWidth - WindowTextWidth(text, line, TextCell::Line)) / 2;
  WindowText(text, windows.Surfaces().Work(), x, y, line, TextCell::Line);
}
}  // namespace

void EndWindow::Open(Windows&, int mode) { mode_ = mode; }

void EndWindow::Layout(Windows& windows) {
  bool over = mode_ == Mode::EndBankrupt || mode_ == Mode::EndTimeUp;
  LoadBase(windows, over ? "End_W2.bmp" : "End_W.bmp");
}

void EndWindow::Draw(Windows& windows, int) {
  WindowSurfaces& s = windows.Surfaces();
  s.Clean();
  TextRenderer& text = windows.Text();
  switch (mode_) {
    case Mode::EndAskQuit:
      DrawTitle(text, s.Work(), Width(), "要結束遊戲嗎");
      Centred(windows, 65, "要從這裡結束遊戲嗎");
      break;
    case Mode::EndGoalsReached:
      DrawTitle(text, s.Work(), Width(), "目標達成");
      Centred(windows, 55, "目標達成");
      Centred(windows, 75, "要從這裡結束遊戲嗎");
      break;
    default:
      DrawTitle(text, s.Work(), Width(), "GAME OVER!");
      Centred(windows, 65, mode_ == Mode::EndBankrupt ? "資金用完了！" : "已超過了目標期限");
      break;
  }
}

void EndWindow::Press(Windows& windows, int x, int y) {
  Game& game = windows.game();
  EndAnswer answer = EndAnswer::Left;
  if (InRect(x, y, kRightAnswer)) answer = EndAnswer::Right;
  else if (!InRect(x, y, kLeftAnswer)) return;
  // Money gone and time up refuse the left answer: the window stays.
  if (AnswerEndWindow(game, answer)) windows.Close();
}
