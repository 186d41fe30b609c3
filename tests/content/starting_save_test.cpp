#include <gtest/gtest.h>

#include "view/headless_presentation.h"
#include "content/content_folder.h"
#include "game/game.h"
#include "shell/setup.h"
#include "test_folder.h"

// A map with a prepared starting zoo: the buildings come from the save, but the zoo
// keeps the name the player gave and the map it was started from.
TEST(StartingSave, KeepsThePlayersZooNameAndMap) {
  TestFolder writable;
  auto g = MakeHeadlessGame();
  ASSERT_FALSE(FindFolders(ContentFolder(), "", g->folders).has_value());
  g->folders.SaveDir = writable.path;
  ASSERT_EQ(StartMapDirectly(*g, "single_hill.mdt", "山丘動物園"), "");
  EXPECT_EQ(g->zoo.ZooName.str(), "山丘動物園");
  EXPECT_EQ(g->zoo.MapFileName, "single_hill.mdt");
  int buildings = 0;
  for (int y = 0; y < g->world.MapHeight; ++y)
    for (int x = 0; x < g->world.MapWidth; ++x) buildings += g->world.Cells[y][x].Type >= 0;
  EXPECT_GT(buildings, 5);
}
