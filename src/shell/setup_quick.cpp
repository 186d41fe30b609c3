#include <memory>

#include "data/definitions.h"
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

namespace {

// The fixed pictures for the zoo about to be loaded (its tile sheet, its name on
// the gate), made while the running game keeps its own; false leaves them as they were.
bool LoadSurfacesFor(Game& game, const Zoo& next) {
  SurfaceSet current = std::move(game.view.Surfaces);
  auto pattern = game.zoo.MapPattern;
  auto name = game.zoo.ZooName;
  game.zoo.MapPattern = next.MapPattern;
  game.zoo.ZooName = next.ZooName;
  bool loaded = LoadSurfaces(game);
  game.zoo.MapPattern = pattern;
  game.zoo.ZooName = name;
  if (!loaded) game.view.Surfaces = std::move(current);
  return loaded;
}

}  // namespace

// Everything that can fail (the definition files, the save, the pictures) is read
// before the running game is touched, so a failed quick load leaves it playing.
void QuickLoad(Game& game) {
  BusyWhile busy(game);
  auto catalogue = std::make_unique<Catalogue>(game.catalogue);
  auto state = ScratchOf(game);
  if (!LoadDefinitions(*catalogue, game.folders.DataDir).ok() ||
      !ReadSavedGame(*state, game.folders, kQuickSaveName, false,
                     ScreenSize{game.settings.ScreenResW, game.settings.ScreenResH})
           .ok()) {
    game.view.HintText = "LOAD 失敗";
    return;
  }
  if (!LoadSurfacesFor(game, state->zoo)) {
    game.view.HintText = kSurfaceErrorMessage;
    return;
  }
  game.ui->StopMusic();
  game.catalogue = *catalogue;
  int32_t mode = game.clock.GameMode;
  ResetWorld(game);
  PutSavedGame(game, *state);
  game.clock.GameMode = mode;
  AfterMapLoad(game);
  LoadPlacedSprites(game);
  game.clock.RedrawAll = 1;
  game.view.HintText = "LOAD 完畢";
  ChooseMapMusic(game);
}
