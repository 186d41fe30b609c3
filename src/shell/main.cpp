#include <SDL.h>
#include <unistd.h>

#include <climits>
#include <ctime>

#include "data/definitions.h"
#include "shell/app.h"
#include "platform/instance_lock.h"
#include "platform/message_box.h"
#include "game/folders.h"
#include "game/game.h"
#include "game/settings.h"
#include "view/headless_presentation.h"

namespace {

std::filesystem::path ProgramFolder() {
  char buf[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return std::filesystem::current_path();
  buf[n] = 0;
  return std::filesystem::path(buf).parent_path();
}

}  // namespace

// Program start: one instance, settings, folders, the main screen, then the loop.
int main(int, char**) {
  if (!AcquireInstanceLock(SettingsFolder() / "zoovana.lock")) return 0;

  auto game = MakeHeadlessGame();
  game->folders.SettingsFile = SettingsFile();
  game->settings = ReadSettings(game->folders.SettingsFile);
  if (auto problem = FindFolders(ProgramFolder(), game->settings.CDPath, game->folders)) {
    ShowMessageBox("Zoovana", *problem);
    return 1;
  }
  game->random.Seed(static_cast<uint64_t>(std::time(nullptr)));
  // The species count and the campaign length are read once, before any game.
  if (!LoadInfo(game->catalogue, game->folders.DataDir).ok()) {
    ShowMessageBox("Zoovana", kDataReadErrorMessage);
    return 1;
  }

  // Long compositions (a whole phrase of phonetic input) arrive whole, not cut short.
  SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    ShowMessageBox("Zoovana", "EERROR:Direct DRAW無法初始化");
    return 1;
  }
  int status = 1;
  {
    App app(*game);
    if (app.Open()) status = app.Run();
    else ShowMessageBox("Zoovana", "EERROR:Direct DRAW無法初始化");
  }
  SDL_Quit();
  return status;
}
