#include "view/sprite_layout.h"

#include <gtest/gtest.h>

#include "data/world.h"
#include "view/sprite_sheets.h"

TEST(PersonBox, FeetStandOnTheCentreOfTheGround) {
  Person p;
  Rect box = PersonBox(p, 100, 200);
  EXPECT_EQ(box.x + sheets::kPersonFeetX, 100 + 37);
  EXPECT_EQ(box.y + sheets::kPersonFeetY, 200 + 81);
  p.OffsetX = 4;
  p.OffsetY = -2;
  Rect moved = PersonBox(p, 100, 200);
  EXPECT_EQ(moved.x, box.x + 4);
  EXPECT_EQ(moved.y, box.y - 2);
}

TEST(FigureFrame, StatesPickTheirColumns) {
  FigurePose walk{9, 0, 11, false, true};
  Rect r = FigureFrame(walk, 30, 20);
  EXPECT_EQ(r.x, 3 * 30);
  EXPECT_EQ(r.y, 7 * 20);
  FigurePose eat{1, 8, 2, false, true};
  EXPECT_EQ(FigureFrame(eat, 30, 20).x, (sheets::kFigureEat + 2) * 30);
  FigurePose actionB{2, 4, 9, false, true};
  EXPECT_EQ(FigureFrame(actionB, 30, 20).x, (sheets::kFigureActionB + 7) * 30);
  EXPECT_EQ(FigureFrame(actionB, 30, 20).y, 20);
  // A young sheet without the second action stands instead.
  actionB.hasActionB = false;
  EXPECT_EQ(FigureFrame(actionB, 30, 20).x, sheets::kFigureStand * 30);
  // A keeper sulking plays the second action's columns; pausing stands.
  FigurePose sulk{6, 17, 1, true, true};
  EXPECT_EQ(FigureFrame(sulk, 40, 45).x, (sheets::kFigureActionB + 1) * 40);
  FigurePose pause{6, 5, 1, true, true};
  EXPECT_EQ(FigureFrame(pause, 40, 45).x, sheets::kFigureStand * 40);
}
