#pragma once
// Where the rows of the animal list go. The rows are spread over the list area, the
// name above each picture, as long as that leaves each row its own band; with more
// animals than that allows (80 x 60 pictures collide from three on), the rows share
// the list sheet evenly, the picture shrinks to its row and the name moves beside it.
#include <array>

struct AnimalRow {
  int picX, picY, picW, picH;  // the picture at full age (a young one takes its centre half)
  int nameX, nameY;            // the name line's top-left
  int lineX, lineY;            // the price and health line's top-left
  int deleteY;                 // the delete button's top; it stands at x = 20
  int separatorY;              // the line above the row, or -1 on the first row
};

struct AnimalRows {
  int count = 0;
  std::array<AnimalRow, 5> row{};
};

// The rows of c animals whose picture is w x h.
AnimalRows LayOutAnimalRows(int c, int w, int h);
