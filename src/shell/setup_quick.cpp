#include <memory>

#include "sim/saved_games.h"
#include "game/surface_set.h"
#include "game/game.h"
#include "shell/setup.h"
#include "shell/sound.h"

namespace {

// Ticks stay frozen, the busy pointer shows, and one frame is drawn before the work.
class BusyWhile {
 public:
  explicit BusyWhile(Game& game) : game_(game), cursor_(game.view.CursorKind), timer_(game.clock.TimerEnabled) {
    game.clock.TimerEnabled = false;
    game.view.CursorKind = 6;
    game.clock.RedrawAll = 1;
    game.ui->RenderFrame(game, 2);
  }
  ~BusyWhile() {
    game_.view.CursorKind = cursor_;
    game_.clock.TimerEnabled = timer_;
  }
  BusyWhile(const BusyWhile&) = delete;
  BusyWhile& operator=(const BusyWhile&) = delete;

 private:
  Game& game_;
  int cursor_;
  bool timer_;
};

}  // namespace

void QuickSave(Game& game) {
  BusyWhile busy(game);
  game.view.HintText = SaveGame(game, kQuickSaveName).ok() ? "SAVE 完畢" : "SAVE 失敗";
}

void QuickLoad(Game& game) {
  BusyWhile busy(game);
  // The save is read aside first: without a readable quick save the game goes on.
  auto state = ScratchOf(game);
  if (!ReadSavedGame(*state, game.folders, kQuickSaveName, false,
                     ScreenSize{game.settings.ScreenResW, game.settings.ScreenResH})
           .ok()) {
    game.view.HintText = "LOAD 失敗";
    return;
  }
  game.ui->StopMusic();
  int32_t mode = game.clock.GameMode;
  ResetWorld(game);
  PutSavedGame(game, *state);
  game.clock.GameMode = mode;
  AfterMapLoad(game);
  if (!LoadSurfaces(game)) {
    game.view.HintText = kSurfaceErrorMessage;
    return;
  }
  LoadPlacedSprites(game);
  game.clock.RedrawAll = 1;
  game.view.HintText = "LOAD 完畢";
  ChooseMapMusic(game);
}
