#pragma once
#include <SDL.h>

#include "platform/input.h"

// The Windows virtual-key code the game's key tables use for an SDL key; 0 if none.
int VirtualKey(SDL_Keycode key);
Modifiers CurrentModifiers();
