#include "shell/presentation.h"

#include "shell/game.h"
#include "shell/modes.h"
#include "view/geometry.h"
#include "view/palette.h"

void Presentation::PlayEffect(const std::string&, bool, bool, int, int) {}
void Presentation::StopEffect(const std::string&) {}
void Presentation::StopAllEffects() {}
bool Presentation::EffectPlaying(const std::string&) { return false; }
void Presentation::LoadEffect(const std::string&, int) {}
void Presentation::PlayMusic(const std::string&) {}
void Presentation::StopMusic() {}
void Presentation::PlayEffectAtCell(Game& game, const std::string& file, int cellX, int cellY) {
  ScreenPoint p = CellCentre(game, cellX, cellY);
  PlayEffect(file, false, true, p.y, p.x);
}
void Presentation::PlayEffectAtPoint(Game& game, const std::string& file, bool loop, int mapX, int mapY) {
  ScreenPoint p = MapToScreen(game, mapX, mapY);
  PlayEffect(file, loop, true, p.y, p.x);
}
bool Presentation::BusOnScreen(const Game& game) { return BusInView(game); }
// The view and the palette are the game's own state: they follow headless too.
void Presentation::CentreViewOn(Game& game, int cellX, int cellY) { ::CentreViewOn(game, cellX, cellY); }
void Presentation::BuildPaletteChanged(Game& game) { RebuildShownPalette(game); }
void Presentation::RenderFrame(Game&, int) {}
void Presentation::PumpMessages(int) {}
void Presentation::Wait(int) {}
void Presentation::SetPointer(int) {}
void Presentation::LeaveGameScreen(Game&) {}
void Presentation::ShowAfterGame(Game&) {}

void Presentation::RunWindow(Game& game, int mode) {
  if (mode >= Mode::EndAskQuit && mode <= Mode::EndGoalsReached) {
    game.clock.EndWindowResult = headlessEndAnswer;
    ApplyEndWindowResult(game);
  } else {
    game.clock.GameMode = Mode::Playing;
  }
}

const Surface* Presentation::BackBuffer() { return nullptr; }

void Presentation::ShowOptionsFromGame(Game&) {}

void Presentation::WindowPress(Game&, int, int, int) {}

void Presentation::EnterGameScreen(Game&) {}
void Presentation::Present(const Surface&) {}
