#pragma once
#include <string>

#include "platform/text.h"

struct Game;
class Surface;

// What the rules of the game ask of the screen and the speakers. The core calls
// only this; the program supplies the real one, and the base class is the
// headless one: silent, draws nothing, and closes every window at once. The map
// hooks below place their sounds on the screen and hand them to PlayEffect, and
// move the view and the palette, in the base class already.
class Presentation {
 public:
  virtual ~Presentation() = default;

  // Sound effects and music, by file name in the sounds folder.
  virtual void PlayEffect(const std::string& file, bool loop, bool positional, int screenY, int screenX);
  virtual void StopEffect(const std::string& file);
  virtual void StopAllEffects();
  virtual bool EffectPlaying(const std::string& file);
  // Loads an effect into one of the seven slots ahead of its first use.
  virtual void LoadEffect(const std::string& file, int slot);
  virtual void PlayMusic(const std::string& file);
  virtual void StopMusic();
  // Effects placed on the map, panned by where they are on screen: at a cell, or at
  // a point in map pixels (the bus).
  virtual void PlayEffectAtCell(Game& game, const std::string& file, int cellX, int cellY);
  virtual void PlayEffectAtPoint(Game& game, const std::string& file, bool loop, int mapX, int mapY);
  // Whether the bus at BusX, BusY is in view (its engine is heard only then).
  virtual bool BusOnScreen(const Game& game);
  // Moves the map view so that a cell is in the middle (a birth is shown there).
  virtual void CentreViewOn(Game& game, int cellX, int cellY);
  // A building type became available: a shown build palette is rebuilt.
  virtual void BuildPaletteChanged(Game& game);

  // A modal window opened by the rules (month-end report, event, end window).
  // It returns when the window has closed and GameMode says what happens next.
  virtual void RunWindow(Game& game, int mode);
  // One frame of the map view; kind 2 is the per-tick request.
  virtual void RenderFrame(Game& game, int kind);
  // Lets the platform handle pending events (windows, timers) while the rules wait.
  virtual void PumpMessages(int count);
  virtual void Wait(int milliseconds);

  // Entering a game: the display switches to the in-game size from the settings.
  virtual void EnterGameScreen(Game& game);
  // Shows a picture composed by the rules at once (the loading screen).
  virtual void Present(const Surface& picture);

  // Leaving a game: back to the front-end display size, game pictures released.
  virtual void LeaveGameScreen(Game& game);
  // The screen after a game: the film named by MovieNo, or the main menu when 0.
  virtual void ShowAfterGame(Game& game);

  // The system pointer: 1 normal arrow, 6 busy, 7 empty (the game draws its own).
  virtual void SetPointer(int cursorNumber);

  // A pointer press while a window is open (GameMode 2..24), for that window.
  virtual void WindowPress(Game& game, int x, int y, int button);

  // The options screen opened from the game; returns when it closes.
  virtual void ShowOptionsFromGame(Game& game);

  // Text on surfaces; headless it draws nothing.
  virtual TextRenderer& Text() { return headlessText_; }

  // The picture last composed for the screen; nullptr when there is none.
  virtual const Surface* BackBuffer();

  // Headless end windows answer with this result (0 continue, 1 quit, 2 game
  // over, 3 finished); tests change it.
  int headlessEndAnswer = 0;

 private:
  TextRenderer headlessText_;
};
