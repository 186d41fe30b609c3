// The in-game windows' modal loop: while a window is open the frame timer stands
// still, every event goes to the window, and the window is shown at the display's
// pace. A window opened inside a tick (the month-end report) returns to that tick
// when it closes; the frame timer runs again only after the tick has finished.
#include <algorithm>

#include "game/game.h"
#include "shell/app.h"
#include "view/render_parts.h"

namespace {
constexpr uint64_t kFormTimerMs = 100;  // the form timers' period (automatic closing)
}  // namespace

void App::RunWindow(Game& game, int mode) {
  if (mode == Mode::FileWindow) {  // the file window is the front end's file screen over the game
    front_->Front().ShowFileFromGame(game.view.FileWindowSaves, display_.Back().Width());
    RunFrontModal();
    return;
  }
  if (!windows_.Open(mode)) {
    HeadlessPresentation::RunWindow(game, mode);
    return;
  }
  Clock& c = game.clock;
  bool timerWasOn = c.TimerEnabled;
  c.TimerEnabled = false;
  uint64_t nextFormTimer = SDL_GetTicks64() + kFormTimerMs;
  while (windows_.IsOpen() && !quit_) {
    FollowTextInput();
    Pump();
    for (uint64_t now = SDL_GetTicks64(); now >= nextFormTimer && windows_.IsOpen(); nextFormTimer += kFormTimerMs)
      windows_.TimerTick();
    if (windows_.IsOpen()) ShowWindow();
  }
  if (windows_.IsOpen()) windows_.Close();  // the program is closing
  FollowTextInput();
  c.TimerEnabled = timerWasOn && !quit_;
  nextTick_ = SDL_GetTicks64() + static_cast<uint64_t>(std::max(c.TimerInterval, 0));
}

void App::WindowPress(Game&, int x, int y, int button) { windows_.Press(x, y, button); }

void App::ShowWindow() {
  Surface& back = display_.Back();
  windows_.Compose(back);
  DrawPointer(game_, back);
  display_.Flip();
}

// The input method is on only while a window takes typed text, with its candidates
// placed by the window's text.
void App::FollowTextInput() {
  bool wanted = windows_.TakesText();
  if (wanted == static_cast<bool>(SDL_IsTextInputActive())) return;
  if (!wanted) {
    SDL_StopTextInput();
    return;
  }
  const WinRect& r = windows_.Placement();
  const Rect area = windows_.Current()->TextArea();
  SDL_Rect field{r.left + area.x, r.top + area.y, area.w, area.h};
  SDL_SetTextInputRect(&field);
  SDL_StartTextInput();
}
