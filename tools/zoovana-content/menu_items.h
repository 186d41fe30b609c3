#pragma once
// The main menu's seven items as pictures a player knows without reading: a door
// (quit), a book (continue), a flag (new campaign), a folder (load), a map (free
// challenge), a gear (settings) and a card (credits). Each fills a w x h box on a
// key-coloured canvas, with its short name on a plate at the bottom.
#include "paint.h"

enum class MenuItem : uint8_t { kQuit, kContinue, kCampaign, kLoad, kFree, kSettings, kCredits };
Canvas MenuItemPicture(MenuItem item, int w, int h);

// The mascot: a panda in the keeper's cap, 80 x 80 on the key, jumping (`frame` 0
// crouched, 1 in the air, 2 landing).
Canvas Mascot(int frame);
