#include "view/view_steps.h"

// Placeholders until the map view fills them in.
void ScrollStep(Game&) {}
void FindHoverCell(Game&) {}
