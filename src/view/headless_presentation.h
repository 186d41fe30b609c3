#pragma once
#include <memory>
#include <string>

#include "game/presentation.h"
#include "platform/text.h"

struct Game;

// The presentation without a screen or speakers: silent, draws nothing, and closes
// every window at once. The map hooks place their sounds on the screen and hand
// them to PlayEffect, and move the view and the build palette, as the game's view
// does: they are the game's own state and follow headless too. The program's
// presentation builds on this one.
class HeadlessPresentation : public Presentation {
 public:

  // Sound effects and music, by file name in the sounds folder.
  virtual void PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX) override;
  virtual void StopEffect(const std::string& file) override;
  virtual void StopAllEffects() override;
  virtual bool EffectPlaying(const std::string& file) override;
  // Loads an effect into one of the seven slots ahead of its first use.
  virtual void LoadEffect(const std::string& file, int slot) override;
  virtual void PlayMusic(const std::string& file) override;
  virtual void StopMusic() override;
  // Effects placed on the map, panned by where they are on screen: at a cell, or at
  // a point in map pixels (the bus).
  virtual void PlayEffectAtCell(Game& game, const std::string& file, int cellX, int cellY) override;
  virtual void PlayEffectAtPoint(Game& game, const std::string& file, bool loop, int mapX, int mapY) override;
  virtual void MoveEffectToPoint(Game& game, const std::string& file, int mapX, int mapY) override;
  // Re-places a playing effect at a screen point; headless there is nothing to move.
  virtual void MoveEffect(const std::string& file, int screenY, int screenX);
  // Whether the bus at BusX, BusY is in view (its engine is heard only then).
  virtual bool BusOnScreen(const Game& game) override;
  // Moves the map view so that a cell is in the middle (a birth is shown there).
  virtual void CentreViewOn(Game& game, int cellX, int cellY) override;
  // A building type became available: a shown build palette is rebuilt.
  virtual void BuildPaletteChanged(Game& game) override;

  // A modal window opened by the rules (month-end report, event, end window).
  // It returns when the window has closed and GameMode says what happens next.
  virtual void RunWindow(Game& game, int mode) override;
  // One frame of the map view; kind 2 is the per-tick request.
  virtual void RenderFrame(Game& game, int kind) override;
  // Lets the platform handle pending events (windows, timers) while the rules wait.
  virtual void PumpMessages(int count) override;
  virtual void Wait(int milliseconds) override;

  // Entering a game: the display switches to the in-game size from the settings.
  virtual void EnterGameScreen(Game& game) override;
  // Shows a picture composed by the rules at once (the loading screen).
  virtual void Present(const Surface& picture) override;

  // Leaving a game: back to the front-end display size, game pictures released.
  virtual void LeaveGameScreen(Game& game) override;
  // The screen after a game: the film named by MovieNo, or the main menu when 0.
  virtual void ShowAfterGame(Game& game) override;

  // The system pointer: 1 normal arrow, 6 busy, 7 empty (the game draws its own).
  virtual void SetPointer(int cursorNumber) override;

  // A pointer press while a window is open (GameMode 2..24), for that window.
  virtual void WindowPress(Game& game, int x, int y, int button) override;

  // The options screen opened from the game; returns when it closes.
  virtual void ShowOptionsFromGame(Game& game) override;

  // Text on surfaces; headless it draws nothing.
  virtual TextRenderer& Text() override;

  // The picture last composed for the screen; nullptr when there is none.
  virtual const Surface* BackBuffer() override;

  // Headless end windows answer with this result (0 continue, 1 quit, 2 game
  // over, 3 finished); tests change it.
  int headlessEndAnswer = 0;

 private:
  TextRenderer headlessText_;
};

// A new game that presents headless (tests and the command-line tools).
std::unique_ptr<Game> MakeHeadlessGame();
