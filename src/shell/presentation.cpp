#include "shell/presentation.h"

#include "shell/game.h"
#include "shell/modes.h"

void Presentation::PlayEffect(const std::string&, bool, bool, int, int) {}
void Presentation::StopEffect(const std::string&) {}
void Presentation::StopAllEffects() {}
bool Presentation::EffectPlaying(const std::string&) { return false; }
void Presentation::LoadEffect(const std::string&, int) {}
void Presentation::PlayMusic(const std::string&) {}
void Presentation::StopMusic() {}
void Presentation::PlayEffectAtCell(Game&, const std::string&, int, int) {}
void Presentation::PlayEffectAtPoint(Game&, const std::string&, bool, int, int) {}
bool Presentation::BusOnScreen(const Game&) { return false; }
void Presentation::CentreViewOn(Game&, int, int) {}
void Presentation::BuildPaletteChanged(Game&) {}
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
