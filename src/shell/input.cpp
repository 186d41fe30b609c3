#include "shell/input.h"

// Placeholders until the map view's input handling lands.
void Main_DXScreenMouseDown(Game&, const MouseEvent&) {}
void Main_DXScreenMouseMove(Game&, const MouseEvent&) {}
void Main_DXScreenMouseUp(Game&, const MouseEvent&) {}
void FormKeyDown(Game&, const KeyEvent&) {}
void FormKeyUp(Game&, const KeyEvent&) {}
