#include <chrono>
#include <ctime>
#include <filesystem>

#include "game/surface_set.h"
#include "platform/file_names.h"
#include "game/game.h"
#include "shell/input.h"
#include "shell/input_map.h"
#include "view/toolbar_layout.h"
#include "shell/tick.h"
#include "shell/setup.h"
#include "sim/commands.h"

namespace {

constexpr int kLetterboxStep = 80;
constexpr int kLetterboxMax = 240;

// A hot key presses a toolbar button at its lower-left corner.
void PressButton(Game& game, int i) {
  Rect r = ToolbarButtonRect(game, i);
  ViewState& v = game.view;
  v.ButtonHeld = 1;
  v.ClickConsumed = 0;
  v.PressButton = 0;
  MapInput(game, r.x, r.y + r.h - 1, 0, true);
  v.ButtonHeld = 0;
}

void SetLetterbox(Game& game, int step) {
  int next = game.view.Letterbox + step;
  if (next < 0 || next > kLetterboxMax) return;
  game.view.Letterbox = next;
  game.clock.RedrawAll = 1;
}

void ReloadKeyedPicture(Game& game, const char* file, Surface& into) {
  auto path = ResolveFile(game.folders.GraphicsDir, file);
  Surface fresh;
  if (!path || !LoadBmp(*path, fresh)) return;
  fresh.SetColorKeyFromPixel(0, 0);
  into = std::move(fresh);
}

void DeveloperKey(Game& game, int vk) {
  switch (vk) {
    case 'M': Develop(game, DeveloperAction::Money); break;
    case 'D': Develop(game, DeveloperAction::ShortDays); break;
    case 'U': Develop(game, DeveloperAction::QuakesOften); break;
    case 'E': Develop(game, DeveloperAction::SkyObjectsOften); break;
    case 'B': Develop(game, DeveloperAction::BirthsOften); break;
    case 'F': game.view.ShowFPS = 1; break;
    case 'S': Develop(game, DeveloperAction::KillWalkingVisitors); break;
    case 'O':
      ReloadKeyedPicture(game, "Shopman_K.bmp", game.view.Surfaces.clerk);
      ReloadKeyedPicture(game, "Dirt_K.bmp", game.view.Surfaces.litter);
      break;
    default: break;
  }
}

// Writes the screen as a PNG beside the saves and says where on the status line.
void Screenshot(Game& game) {
  const Surface* screen = game.ui->BackBuffer();
  if (!screen || screen->Empty()) return;
  std::error_code ec;
  std::filesystem::create_directories(game.folders.ScreenshotDir, ec);
  std::time_t now = std::time(nullptr);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
  std::filesystem::path file = game.folders.ScreenshotDir / ("Zoovana-" + std::string(stamp) + ".png");
  for (int n = 2; std::filesystem::exists(file); ++n)
    file = game.folders.ScreenshotDir / ("Zoovana-" + std::string(stamp) + "-" + std::to_string(n) + ".png");
  game.view.HintText = WritePng(file, *screen) ? "畫面已存檔：" + file.filename().string() : "畫面存檔失敗";
}

}  // namespace

void FormKeyDown(Game& game, const KeyEvent& e) {
  if (e.vk == VK::Snapshot || e.vk == VK::F12) {
    if (game.clock.GameRunning) Screenshot(game);
    return;
  }
  if (game.clock.GameMode != Mode::Playing) return;
  ViewState& v = game.view;
  int speed = game.settings.Scroll;
  if (e.mods.shift && e.mods.alt) return DeveloperKey(game, e.vk);
  switch (e.vk) {
    case VK::Left: v.ScrollVX = -speed; break;
    case VK::Right: v.ScrollVX = speed; break;
    case VK::Up: v.ScrollVY = -speed; break;
    case VK::Down: v.ScrollVY = speed; break;
    case VK::Prior: PressButton(game, kNextFourButton); break;
    case VK::Next: PressButton(game, kPrevFourButton); break;
    case VK::Subtract: SetLetterbox(game, kLetterboxStep); break;
    case VK::Add: SetLetterbox(game, -kLetterboxStep); break;
    case VK::Space: game.clock.FastForward = (game.clock.FastForward + 1) % 3; break;
    case VK::F5: QuickSave(game); break;
    case VK::F10: QuickLoad(game); break;
    default:
      if (e.vk >= '1' && e.vk <= '9') PressButton(game, e.vk - '1');
      else if (e.vk == '0') PressButton(game, 9);
      break;
  }
}

void FormKeyUp(Game& game, const KeyEvent&) {
  if (game.clock.GameMode != Mode::Playing) return;
  game.view.ScrollVX = 0;
  game.view.ScrollVY = 0;
}
