#include <gtest/gtest.h>

#include <fstream>

#include "frontend/briefing_text.h"
#include "test_folder.h"

namespace {

TEST(BriefingText, FreeMapsAreTheMdtFilesNamedSingle) {
  TestFolder dir;
  for (const char* f : {"single_b.mdt", "Camp1.mdt", "MySINGLE.mdt", "single_b.mds", "single.txt", "single_a.mdt"})
    std::ofstream(dir.path / f) << "x";
  EXPECT_EQ(FreeMapFiles(dir.path), (std::vector<std::string>{"MySINGLE.mdt", "single_a.mdt", "single_b.mdt"}));
  EXPECT_EQ(CampaignMapFile(3), "Camp3.mdt");
}

TEST(BriefingText, GoalWordingForEveryCombination) {
  for (int mask = 0; mask < 16; ++mask) {
    Zoo z;
    z.HasGoalYears = mask & 1;
    z.HasGoalAssets = (mask >> 1) & 1;
    z.HasGoalAttraction = (mask >> 2) & 1;
    z.HasGoalRank = (mask >> 3) & 1;
    z.GoalYears = 3, z.GoalAssets = 150000, z.GoalAttraction = 1000, z.GoalRank = 2;
    std::vector<std::string> want;
    if (z.HasGoalYears) want.push_back("3年之內");
    if (z.HasGoalAssets) want.push_back("資產增加至150000以上");
    if (z.HasGoalAttraction) want.push_back("動物園的魅力至1000以上");
    if (z.HasGoalRank) want.push_back("動物園的排名增至4以上");
    if ((mask & 14) == 0) want.push_back("無過關條件");
    if (!(mask & 1)) want.push_back("無限期限");
    EXPECT_EQ(GoalLines(z), want) << "goals " << mask;
  }
}

TEST(BriefingText, MapTextRunsInLinesOf18UpTo300Characters) {
  EXPECT_EQ(MapTextLines(std::string(18, 'a')), (std::vector<std::string>{std::string(18, 'a'), ""}));
  std::string wide;
  for (int i = 0; i < 400; ++i) wide += "園";
  std::vector<std::string> lines = MapTextLines(wide);
  // 300 characters: 16 full lines, 12 more, and the empty line the rule's bound adds.
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines[0].size(), 18u * 3);
  EXPECT_EQ(lines[16].size(), 12u * 3);
  EXPECT_TRUE(lines[17].empty());
  EXPECT_TRUE(MapTextLines("").size() == 1 && MapTextLines("")[0].empty());
}

TEST(BriefingText, EconomyAndPopulationWords) {
  EXPECT_EQ(EconomyText(5), "景氣　非常好");
  EXPECT_EQ(EconomyText(1), "景氣　非常蕭條");
  EXPECT_EQ(PopulationText(4), "人口　過密");
  EXPECT_EQ(PopulationText(2), "人口　稀少");
}

TEST(BriefingText, NamesHold14HalfOr7FullWidthCharacters) {
  EXPECT_TRUE(ZooNameFits("ABCDEFGHIJKLMN"));
  EXPECT_FALSE(ZooNameFits("ABCDEFGHIJKLMNO"));
  EXPECT_TRUE(ZooNameFits("快樂動物園動物"));
  EXPECT_FALSE(ZooNameFits("快樂動物園動物園"));
  EXPECT_TRUE(ZooNameFits("快樂動物園AB"));
  EXPECT_EQ(ZooNameOrDefault(""), "ZOOVANA");
  EXPECT_EQ(ZooNameOrDefault("星星"), "星星");
}

}  // namespace
