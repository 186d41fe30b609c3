#include "view/headless_presentation.h"

#include "game/game.h"
#include "sim/goals.h"
#include "view/geometry.h"
#include "view/palette.h"
#include "platform/text.h"

void HeadlessPresentation::PlayEffect(const std::string&, bool, bool, int, int) {}
void HeadlessPresentation::StopEffect(const std::string&) {}
void HeadlessPresentation::StopAllEffects() {}
bool HeadlessPresentation::EffectPlaying(const std::string&) { return false; }
void HeadlessPresentation::LoadEffect(const std::string&, int) {}
void HeadlessPresentation::PlayMusic(const std::string&) {}
void HeadlessPresentation::StopMusic() {}
void HeadlessPresentation::PlayEffectAtCell(Game& game, const std::string& file, int cellX, int cellY) {
  ScreenPoint p = CellCentre(game, cellX, cellY);
  PlayEffect(file, false, true, p.y, p.x);
}
void HeadlessPresentation::PlayEffectAtPoint(Game& game, const std::string& file, bool loop, int mapX, int mapY) {
  ScreenPoint p = MapToScreen(game, mapX, mapY);
  PlayEffect(file, loop, true, p.y, p.x);
}
void HeadlessPresentation::MoveEffectToPoint(Game& game, const std::string& file, int mapX, int mapY) {
  ScreenPoint p = MapToScreen(game, mapX, mapY);
  MoveEffect(file, p.y, p.x);
}
void HeadlessPresentation::MoveEffect(const std::string&, int, int) {}
bool HeadlessPresentation::BusOnScreen(const Game& game) { return BusInView(game); }
// The view and the palette are the game's own state: they follow headless too.
void HeadlessPresentation::CentreViewOn(Game& game, int cellX, int cellY) { ::CentreViewOn(game, cellX, cellY); }
void HeadlessPresentation::BuildPaletteChanged(Game& game) { RebuildShownPalette(game); }
void HeadlessPresentation::RenderFrame(Game&, int) {}
void HeadlessPresentation::PumpMessages(int) {}
void HeadlessPresentation::Wait(int) {}
void HeadlessPresentation::SetPointer(int) {}
void HeadlessPresentation::LeaveGameScreen(Game&) {}
void HeadlessPresentation::ShowAfterGame(Game&) {}

void HeadlessPresentation::RunWindow(Game& game, int mode) {
  if (mode >= Mode::EndAskQuit && mode <= Mode::EndGoalsReached) {
    game.clock.EndWindowResult = headlessEndAnswer;
    ApplyEndWindowResult(game);
  } else {
    game.clock.GameMode = Mode::Playing;
  }
}

const Surface* HeadlessPresentation::BackBuffer() { return nullptr; }

void HeadlessPresentation::ShowOptionsFromGame(Game&) {}

void HeadlessPresentation::WindowPress(Game&, int, int, int) {}

void HeadlessPresentation::EnterGameScreen(Game&) {}
void HeadlessPresentation::Present(const Surface&) {}

TextRenderer& HeadlessPresentation::Text() { return headlessText_; }

std::unique_ptr<Game> MakeHeadlessGame() { return MakeGame(std::make_unique<HeadlessPresentation>()); }
