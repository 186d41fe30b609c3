#include "view/headless_presentation.h"
#include "data/definitions.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/definition_files.h"
#include "support/file_bytes.h"
#include "game/game.h"
#include "test_folder.h"

namespace {

class Definitions : public testing::Test {
 protected:
  IoResult Build(int n, const BuildValues& v) {
    PutFile(dir.path / ("Build" + std::to_string(n) + ".dat"), BuildFile(v));
    return LoadBuildType(g->catalogue, dir.path, n);
  }
  TestFolder dir;
  std::unique_ptr<Game> g = MakeHeadlessGame();
};

TEST_F(Definitions, BuildFileFillsEveryField) {
  BuildValues v;
  v.initialPrice = "15", v.initialStock = "200", v.unitCost = "3", v.season = "sum";
  ASSERT_TRUE(Build(85, v).ok());
  const BuildTypeRecord& t = g->catalogue.BuildType[85];
  EXPECT_EQ(t.Name.str(), "Bear house");
  EXPECT_EQ(t.BitmapFile, "Cage_Bear.bmp");
  EXPECT_EQ(t.Description.str(), "A bear's den");
  EXPECT_EQ(std::vector<int>({t.Price, t.InitialPrice, t.Upkeep, t.InitialStock, t.ShopUnitCost, t.AttractionPoints,
                              t.Size, t.PixelHeight, t.AnimalKind, t.Kind, t.StaffSlots, t.MaxAnimals, t.FrameCount,
                              t.Shape, t.Season}),
            std::vector<int>({1200, 15, 30, 200, 3, 40, 3, 150, 2, BuildKind::Enclosure, 2, 4, 1, Shape::None,
                              Season::Summer}));
}

// Keywords in any letter case; any other word keeps what the entry held.
TEST_F(Definitions, KindShapeAndSeasonKeywords) {
  struct Case {
    const char *kind, *shape, *season;
    int wantKind, wantShape, wantSeason;
  };
  const Case cases[] = {
      {"cage", "non", "win", 0, 0, 1},      {"SHOP", "7to1", "Win", 1, 1, 1},    {"Obje", "9to3", "SUM", 2, 2, 2},
      {"road", "7to9", "", 3, 3, 0},        {"encyo", "1to3", "winter", 4, 4, 0}, {"JyuGyo", "7to3", "", 5, 5, 0},
      {"obje", "1to9", "", 2, 6, 0},        {"obje", "bench73", "", 2, 7, 0},     {"obje", "BENCH91", "", 2, 8, 0},
      {"obje", "jihanki", "", 2, 9, 0},     {"obje", "Toile", "", 2, 10, 0},      {"obje", "kanban", "", 2, 11, 0},
      {"obje", "water", "", 2, 12, 0},      {"cages", "toilet", "", 2, 12, 0}};
  for (const Case& c : cases) {
    BuildValues v;
    v.kind = c.kind, v.shape = c.shape, v.season = c.season;
    ASSERT_TRUE(Build(50, v).ok());
    const BuildTypeRecord& t = g->catalogue.BuildType[50];
    EXPECT_EQ(std::vector<int>({t.Kind, t.Shape, t.Season}), std::vector<int>({c.wantKind, c.wantShape, c.wantSeason}))
        << c.kind << " " << c.shape << " " << c.season;
  }
}

TEST_F(Definitions, FileWithoutSeasonLineMeansAllYear) {
  std::string text = BuildFile(BuildValues{});
  text.resize(text.size() - 2);  // drop the empty last line
  PutFile(dir.path / "Build3.dat", text);
  g->catalogue.BuildType[3].Season = 2;
  ASSERT_TRUE(LoadBuildType(g->catalogue, dir.path, 3).ok());
  EXPECT_EQ(g->catalogue.BuildType[3].Season, 0);
}

TEST_F(Definitions, NameCutToTwentyAndDescriptionTo255Big5Bytes) {
  BuildValues v;
  v.name = "熊熊熊熊熊熊熊熊熊熊熊";  // 11 characters, 22 Big5 bytes
  v.description = std::string(300, 'd');
  ASSERT_TRUE(Build(85, v).ok());
  EXPECT_EQ(g->catalogue.BuildType[85].Name.str(), "熊熊熊熊熊熊熊熊熊熊");
  EXPECT_EQ(g->catalogue.BuildType[85].Description.str(), std::string(255, 'd'));
  v.name = "abcdefghijklmnopqrstuvwxyz";
  ASSERT_TRUE(Build(85, v).ok());
  EXPECT_EQ(g->catalogue.BuildType[85].Name.str(), "abcdefghijklmnopqrst");
}

TEST_F(Definitions, MissingBuildFileKeepsEntry) {
  g->catalogue.BuildType[12].Price = 99;
  EXPECT_TRUE(LoadBuildType(g->catalogue, dir.path, 12).ok());
  EXPECT_EQ(g->catalogue.BuildType[12].Price, 99);
  EXPECT_TRUE(LoadBuildPattern(g->catalogue, dir.path, 90).ok());
}

TEST_F(Definitions, FileNameFoundInAnyLetterCase) {
  PutFile(dir.path / "BUILD7.DAT", BuildFile(BuildValues{}));
  ASSERT_TRUE(LoadBuildType(g->catalogue, dir.path, 7).ok());
  EXPECT_EQ(g->catalogue.BuildType[7].Price, 1200);
}

TEST_F(Definitions, BadBuildFilesAreDataErrorsAndKeepEntry) {
  g->catalogue.BuildType[85].Price = 7;
  // Not a number, too wide for an i16 field, sizes beyond 1..6, a species beyond the table.
  for (auto [field, bad] : {std::pair{&BuildValues::price, "12a"}, {&BuildValues::price, "40000"},
                            {&BuildValues::size, "7"}, {&BuildValues::size, "0"}, {&BuildValues::animalKind, "51"}}) {
    BuildValues v;
    v.*field = bad;
    EXPECT_FALSE(Build(85, v).ok()) << bad;
    EXPECT_EQ(g->catalogue.BuildType[85].Price, 7);
  }
  std::string shortFile = BuildFile(BuildValues{});
  PutFile(dir.path / "Build85.dat", shortFile.substr(0, shortFile.size() / 2));
  EXPECT_FALSE(LoadBuildType(g->catalogue, dir.path, 85).ok());
  EXPECT_EQ(g->catalogue.BuildType[85].Price, 7);
}

TEST_F(Definitions, CapacitiesCappedToTheRecordArrays) {
  BuildValues v;
  v.maxAnimals = "9", v.staffSlots = "4";
  ASSERT_TRUE(Build(85, v).ok());
  EXPECT_EQ(g->catalogue.BuildType[85].MaxAnimals, 5);
  EXPECT_EQ(g->catalogue.BuildType[85].StaffSlots, 2);
  v.kind = "jyugyo";
  ASSERT_TRUE(Build(131, v).ok());
  EXPECT_EQ(g->catalogue.BuildType[131].StaffSlots, 4);  // an office's capacity, not posts
}

TEST_F(Definitions, PatternRowsGoIntoColumnFirstStorage) {
  std::string text;
  for (int row = 0; row < 50; ++row)
    for (int col = 0; col < 60; ++col) text += std::to_string((row * 7 + col) % 5) + "\r\n";
  PutFile(dir.path / "BuildP81.dat", text);
  ASSERT_TRUE(LoadBuildPattern(g->catalogue, dir.path, 81).ok());
  const WalkMask& m = g->catalogue.PatternOf(81);
  EXPECT_EQ(m.At(0, 0), 0);
  EXPECT_EQ(m.At(3, 0), 3);
  EXPECT_EQ(m.At(0, 1), 2);
  EXPECT_EQ(m.Cells[59][49], (49 * 7 + 59) % 5);
  EXPECT_EQ(m.At(60, 0), 0);  // outside: blocked
  EXPECT_EQ(m.At(0, 50), 0);
  EXPECT_EQ(m.At(-1, 0), 0);
}

TEST_F(Definitions, ShortOrBadPatternIsDataError) {
  std::string text;
  for (int i = 0; i < 2999; ++i) text += "1\r\n";
  PutFile(dir.path / "BuildP82.dat", text);
  EXPECT_FALSE(LoadBuildPattern(g->catalogue, dir.path, 82).ok());
  PutFile(dir.path / "BuildP82.dat", text + "256\r\n");
  EXPECT_FALSE(LoadBuildPattern(g->catalogue, dir.path, 82).ok());
  PutFile(dir.path / "BuildP82.dat", text + "4\r\n");
  EXPECT_TRUE(LoadBuildPattern(g->catalogue, dir.path, 82).ok());
  EXPECT_EQ(g->catalogue.PatternOf(82).At(59, 49), 4);
}

TEST_F(Definitions, AnimalFileFillsEveryField) {
  PutFile(dir.path / "Animal3.dat", AnimalFile("棕熊"));
  ASSERT_TRUE(LoadAnimalType(g->catalogue, dir.path, 3).ok());
  const AnimalTypeRecord& a = g->catalogue.AnimalType[3];
  EXPECT_EQ(a.Name.str(), "棕熊");
  EXPECT_EQ(a.BitmapFile, "Bear.bmp");
  EXPECT_EQ(std::vector<int>({a.FrameWidth, a.FrameHeight, a.AnimalValue3, a.AnimalValue4, a.PricePerAnimal, a.FeedCost}),
            std::vector<int>({64, 48, 3, 7, 900, 25}));
  EXPECT_EQ(a.TextsA[0], "a0");
  EXPECT_EQ(a.TextsA[9], "a9");
  EXPECT_EQ(a.TextsB[0], "non");
  EXPECT_EQ(a.TextsB[9], "b9");
  EXPECT_EQ(a.Sound1, "bear1.wav");
  EXPECT_EQ(a.Sound2, "non");
}

TEST_F(Definitions, MissingOrShortAnimalFileIsDataError) {
  EXPECT_FALSE(LoadAnimalType(g->catalogue, dir.path, 4).ok());
  std::string text = AnimalFile("x");
  PutFile(dir.path / "Animal4.dat", text.substr(0, text.size() - 8));
  EXPECT_FALSE(LoadAnimalType(g->catalogue, dir.path, 4).ok());
}

TEST_F(Definitions, InfoFlagsNeedExactlyOne) {
  PutFile(dir.path / "info.dat", "#species\r\n3\r\n#maps\r\n5\r\n#escapes\r\n1\r\n1 \r\n0\r\n#dangerous\r\n0\r\n1\r\nyes\r\n");
  ASSERT_TRUE(LoadInfo(g->catalogue, dir.path).ok());
  EXPECT_EQ(g->catalogue.AnimalTypeCount, 3);
  EXPECT_EQ(g->catalogue.CampaignMapCount, 5);
  EXPECT_EQ(g->catalogue.AnimalEscapes[0], 1);
  EXPECT_EQ(g->catalogue.AnimalEscapes[1], 0);  // "1 " is not "1"
  EXPECT_EQ(g->catalogue.AnimalEscapes[2], 0);
  EXPECT_EQ(g->catalogue.AnimalDangerous[1], 1);
  EXPECT_EQ(g->catalogue.AnimalDangerous[2], 0);
}

TEST_F(Definitions, InfoErrorKeepsWhatWasRead) {
  g->catalogue.AnimalDangerous[0] = 1;
  g->catalogue.CampaignMapCount = 9;
  PutFile(dir.path / "info.dat", "#\r\n2\r\n#\r\nfive\r\n#\r\n1\r\n1\r\n");
  EXPECT_FALSE(LoadInfo(g->catalogue, dir.path).ok());
  EXPECT_EQ(g->catalogue.AnimalTypeCount, 2);
  EXPECT_EQ(g->catalogue.CampaignMapCount, 9);
  EXPECT_EQ(g->catalogue.AnimalDangerous[0], 1);
}

TEST_F(Definitions, InfoWithMoreThan51SpeciesKeeps51) {
  std::string text = "#\r\n60\r\n#\r\n4\r\n#\r\n";
  for (int i = 0; i < 60; ++i) text += "1\r\n";
  text += "#\r\n";
  for (int i = 0; i < 60; ++i) text += i == 50 ? "1\r\n" : "0\r\n";
  PutFile(dir.path / "info.dat", text);
  EXPECT_FALSE(LoadInfo(g->catalogue, dir.path).ok());  // reported, not fatal
  EXPECT_EQ(g->catalogue.AnimalTypeCount, 51);
  EXPECT_EQ(g->catalogue.CampaignMapCount, 4);
  EXPECT_EQ(g->catalogue.AnimalEscapes[50], 1);
  EXPECT_EQ(g->catalogue.AnimalEscapes[51], 0);
  EXPECT_EQ(g->catalogue.AnimalDangerous[50], 1);
  EXPECT_EQ(g->catalogue.AnimalDangerous[49], 0);
}

// A whole folder read without fault is the generated content's test.
TEST_F(Definitions, LoadDefinitionsReportsAMissingSpeciesFile) {
  PutFile(dir.path / "Animal0.dat", AnimalFile("a"));
  g->catalogue.AnimalTypeCount = 2;  // Animal1.dat is missing
  EXPECT_FALSE(LoadDefinitions(g->catalogue, dir.path).ok());
}

}  // namespace
