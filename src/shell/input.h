#pragma once
#include "platform/input.h"

struct Game;

// Pointer and key events of the main screen, routed by GameMode.
void Main_DXScreenMouseDown(Game& game, const MouseEvent& e);
void Main_DXScreenMouseMove(Game& game, const MouseEvent& e);
void Main_DXScreenMouseUp(Game& game, const MouseEvent& e);
void FormKeyDown(Game& game, const KeyEvent& e);
void FormKeyUp(Game& game, const KeyEvent& e);
