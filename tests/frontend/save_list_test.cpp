#include <gtest/gtest.h>

#include <fstream>

#include "frontend/fake_front_host.h"
#include "frontend/file_screen.h"
#include "test_folder.h"

namespace {

// Saves named s1 .. sN, s1 the oldest. (Names are appended to a string, not made
// as "literal" + string: GCC 12 warns falsely, -Wrestrict, on that at -O3.)
void MakeSaves(const TestFolder& dir, int n) {
  const auto base = std::filesystem::file_time_type::clock::now();
  for (int i = 1; i <= n; ++i) {
    const std::string name = std::string("s").append(std::to_string(i));
    for (const char* ext : {".aps", ".apm", ".app"}) std::ofstream(dir.path / (name + ext)) << "x";
    std::filesystem::last_write_time(dir.path / (name + ".aps"), base + std::chrono::minutes(i));
  }
}

// With twenty saves the 20th shows on the last row; fifteen or fewer do not
// scroll down.
TEST(SaveList, NewestFirstWithTheLastRowsInView) {
  for (auto [n, top] : {std::pair{20, 6}, {15, 1}}) {
    TestFolder dir;
    MakeSaves(dir, n);
    SaveList list;
    list.Read(dir.path);
    ASSERT_EQ(list.entries.size(), static_cast<size_t>(n));
    EXPECT_EQ(list.entries.front(), std::string("s").append(std::to_string(n)).append(".aps"));
    EXPECT_EQ(list.entries.back(), "s1.aps");
    EXPECT_EQ(list.top, top);
    list.Down();
    EXPECT_EQ(list.top, top);
    for (int i = 0; i < 10; ++i) list.Up();
    EXPECT_EQ(list.top, 0);
  }
}

TEST(SaveList, AClickBelowTheLastRowSelectsNothing) {
  TestFolder dir;
  MakeSaves(dir, 3);
  SaveList list;
  list.Read(dir.path);
  EXPECT_FALSE(list.Click(10 + 20 * 3 + 5));
  EXPECT_EQ(list.selected, -1);
  EXPECT_FALSE(list.Click(5));
  EXPECT_TRUE(list.Click(10 + 20 * 1 + 19));
  EXPECT_EQ(list.SelectedName(), "s2");
}

TEST(SaveList, DeletingADottedNameLeavesTheShorterOne) {
  TestFolder dir;
  for (const char* name : {"v1", "v1.2"})
    for (const char* ext : {".aps", ".apm", ".app"}) std::ofstream(dir.path / (std::string(name) + ext)) << "x";
  EXPECT_TRUE(DeleteSave(dir.path, SaveNameOf("v1.2.aps")));
  EXPECT_FALSE(std::filesystem::exists(dir.path / "v1.2.app"));
  EXPECT_TRUE(std::filesystem::exists(dir.path / "v1.aps"));
  EXPECT_TRUE(std::filesystem::exists(dir.path / "v1.apm"));
  EXPECT_FALSE(DeleteSave(dir.path, "../v1"));
  EXPECT_TRUE(std::filesystem::exists(dir.path / "v1.aps"));
}

TEST(FileScreen, ANameDifferingOnlyInCaseAsksBeforeOverwriting) {
  TestFolder dir;
  MakeSaves(dir, 2);
  FakeFrontHost host;
  FileScreen screen(host, dir.path, true, 640);
  EXPECT_FALSE(screen.Name().empty());  // the date and time
  while (!screen.Name().empty()) screen.Backspace();
  screen.Type("S1");
  EXPECT_EQ(screen.Press(420, 205), FileScreen::Answer::kNone);
  EXPECT_TRUE(screen.AskingOverwrite());
  EXPECT_EQ(screen.Press(330, 105), FileScreen::Answer::kNone);  // the list's buttons are asleep
  EXPECT_EQ(screen.Press(350, 260), FileScreen::Answer::kNone);   // cancel
  EXPECT_FALSE(screen.AskingOverwrite());
  screen.Press(420, 205);
  EXPECT_EQ(screen.Press(230, 260), FileScreen::Answer::kSave);   // overwrite
  EXPECT_EQ(screen.Name(), "S1");
}

TEST(FileScreen, DeleteClearsTheNameAndTheSelection) {
  TestFolder dir;
  MakeSaves(dir, 2);
  FakeFrontHost host;
  FileScreen screen(host, dir.path, true, 640);
  screen.Press(100, 45 + 10 + 5);  // the first row: the newest save
  EXPECT_EQ(screen.Name(), "s2");
  screen.Press(350, 270);
  EXPECT_TRUE(screen.Name().empty());
  EXPECT_EQ(screen.List().selected, -1);
  EXPECT_EQ(screen.List().entries, std::vector<std::string>{"s1.aps"});
  EXPECT_FALSE(std::filesystem::exists(dir.path / "s2.apm"));
}

TEST(FileScreen, LoadingNeedsASelectedSave) {
  TestFolder dir;
  MakeSaves(dir, 2);
  FakeFrontHost host;
  FileScreen screen(host, dir.path, false, 800);
  EXPECT_EQ(screen.Press(420, 230), FileScreen::Answer::kNone);
  screen.Press(100, 45 + 30 + 5);
  EXPECT_EQ(screen.Press(420, 230), FileScreen::Answer::kLoad);
  EXPECT_EQ(screen.Name(), "s1");
}

}  // namespace
