#pragma once
#include <string>


struct Game;
class Surface;
class TextRenderer;

// What the rules of the game ask of the screen and the speakers. The rules call
// only this; the view supplies the headless one (view/headless_presentation.h) and
// the program the real one on top of it.
class Presentation {
 public:
  virtual ~Presentation() = default;

  // Sound effects and music, by file name in the sounds folder.
  virtual void PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX) = 0;
  virtual void StopEffect(const std::string& file) = 0;
  virtual void StopAllEffects() = 0;
  virtual bool EffectPlaying(const std::string& file) = 0;
  // Loads an effect into one of the seven slots ahead of its first use.
  virtual void LoadEffect(const std::string& file, int slot) = 0;
  virtual void PlayMusic(const std::string& file) = 0;
  virtual void StopMusic() = 0;
  // Effects placed on the map, panned by where they are on screen: at a cell, or at
  // a point in map pixels (the bus).
  virtual void PlayEffectAtCell(Game& game, const std::string& file, int cellX, int cellY) = 0;
  virtual void PlayEffectAtPoint(Game& game, const std::string& file, bool loop, int mapX, int mapY) = 0;
  // A playing effect follows a thing that moves (pan and level only; not restarted).
  virtual void MoveEffectToPoint(Game& game, const std::string& file, int mapX, int mapY) = 0;
  // Whether the bus at BusX, BusY is in view (its engine is heard only then).
  virtual bool BusOnScreen(const Game& game) = 0;
  // Moves the map view so that a cell is in the middle (a birth is shown there).
  virtual void CentreViewOn(Game& game, int cellX, int cellY) = 0;
  // A building type became available: a shown build palette is rebuilt.
  virtual void BuildPaletteChanged(Game& game) = 0;

  // A modal window opened by the rules (month-end report, event, end window).
  // It returns when the window has closed and GameMode says what happens next.
  virtual void RunWindow(Game& game, int mode) = 0;
  // One frame of the map view; kind 2 is the per-tick request.
  virtual void RenderFrame(Game& game, int kind) = 0;
  // Lets the platform handle pending events (windows, timers) while the rules wait.
  virtual void PumpMessages(int count) = 0;
  virtual void Wait(int milliseconds) = 0;

  // Entering a game: the display switches to the in-game size from the settings.
  virtual void EnterGameScreen(Game& game) = 0;
  // Shows a picture composed by the rules at once (the loading screen).
  virtual void Present(const Surface& picture) = 0;

  // Leaving a game: back to the front-end display size, game pictures released.
  virtual void LeaveGameScreen(Game& game) = 0;
  // The screen after a game: the film named by MovieNo, or the main menu when 0.
  virtual void ShowAfterGame(Game& game) = 0;

  // The system pointer: 1 normal arrow, 6 busy, 7 empty (the game draws its own).
  virtual void SetPointer(int cursorNumber) = 0;

  // A pointer press while a window is open (GameMode 2..24), for that window.
  virtual void WindowPress(Game& game, int x, int y, int button) = 0;

  // The options screen opened from the game; returns when it closes.
  virtual void ShowOptionsFromGame(Game& game) = 0;

  // Text on surfaces; headless it draws nothing.
  virtual TextRenderer& Text() = 0;

  // The picture last composed for the screen; nullptr when there is none.
  virtual const Surface* BackBuffer() = 0;
};
