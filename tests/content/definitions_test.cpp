// The generated definition files, read by the game's own loaders.
#include <gtest/gtest.h>

#include <set>

#include "catalogue_table.h"
#include "content/content_folder.h"

namespace {

const Catalogue& Loaded() {
  const LoadedCatalogue& l = GeneratedCatalogue();
  EXPECT_TRUE(l.info.ok()) << l.info.error;
  EXPECT_TRUE(l.definitions.ok()) << l.definitions.error;
  return l.catalogue;
}

TEST(ContentDefinitions, InfoAnnouncesEverySpeciesAndTheCampaign) {
  const Catalogue& c = Loaded();
  EXPECT_GE(c.AnimalTypeCount, 24);
  EXPECT_EQ(c.AnimalTypeCount, static_cast<int>(Species().size()));
  EXPECT_GE(c.CampaignMapCount, 5);
  for (int n = 1; n <= c.CampaignMapCount; ++n)
    EXPECT_TRUE(std::filesystem::exists(ContentFolder() / "Maps" / ("Camp" + std::to_string(n) + ".mdt"))) << n;
  EXPECT_FALSE(std::filesystem::exists(ContentFolder() / "Maps" / ("Camp" + std::to_string(c.CampaignMapCount + 1) + ".mdt")));
}

TEST(ContentDefinitions, EveryBuildingTypeReadsBackAsTheTableWroteIt) {
  const Catalogue& c = Loaded();
  const char* kindNames[] = {"cage", "shop", "obje", "road", "encyo", "jyugyo"};
  ASSERT_EQ(Buildings().size(), static_cast<size_t>(kBuildTypes));
  for (const BuildingEntry& e : Buildings()) {
    const BuildTypeRecord& t = c.BuildType[e.index];
    SCOPED_TRACE(e.index);
    EXPECT_EQ(t.Name.str(), e.name);
    EXPECT_EQ(t.Size, e.size);
    EXPECT_EQ(t.Price, e.price);
    EXPECT_EQ(t.Upkeep, e.upkeep);
    EXPECT_EQ(t.AttractionPoints, e.attraction);
    EXPECT_EQ(t.PixelHeight, (36 * e.size + 64) * e.frames);
    EXPECT_EQ(t.FrameCount, e.frames);
    EXPECT_EQ(t.BitmapFile, e.file);
    EXPECT_STREQ(kindNames[t.Kind], e.KindKeyword());
    EXPECT_EQ(t.Shape, e.shape);
    EXPECT_EQ(t.Season, e.season);
    EXPECT_EQ(t.StaffSlots, e.staffSlots);
    EXPECT_EQ(t.MaxAnimals, e.maxAnimals);
    EXPECT_EQ(t.InitialPrice, e.initialPrice);
    EXPECT_EQ(t.InitialStock, e.initialStock);
    EXPECT_EQ(t.ShopUnitCost, e.unitCost);
    EXPECT_FALSE(t.Description.empty());
  }
}

TEST(ContentDefinitions, GroupsHoldWhatTheirToolsBuild) {
  const Catalogue& c = Loaded();
  std::set<int> roadShapes, groupTwoShapes, seasons;
  for (int n = 0; n < kBuildTypes; ++n) {
    const BuildTypeRecord& t = c.BuildType[n];
    SCOPED_TRACE(n);
    EXPECT_GT(t.Price, 0);
    EXPECT_GE(t.Upkeep, 0);
    if (n < kGroupEnd[0]) {
      EXPECT_TRUE(t.Kind == BuildKind::Road || t.Kind == BuildKind::Object);
      if (t.Kind == BuildKind::Road) {
        EXPECT_EQ(t.Size, 1);
        roadShapes.insert(t.Shape);
      }
    } else if (n < kGroupEnd[1]) {
      EXPECT_TRUE(t.Kind == BuildKind::Shop || t.Kind == BuildKind::Object);
      groupTwoShapes.insert(t.Shape);
      if (t.Kind == BuildKind::Shop) {
        seasons.insert(t.Season);
        // Goods cost less than they sell for, and a vending machine takes no clerk.
        EXPECT_GT(t.InitialStock, 0);
        EXPECT_LT(t.ShopUnitCost, t.InitialPrice);
        EXPECT_EQ(t.StaffSlots == 0, t.Shape == Shape::VendingMachine);
      }
    } else if (n < kGroupEnd[2]) {
      EXPECT_EQ(t.Kind, BuildKind::Enclosure);
      EXPECT_GE(t.Size, 2);
      EXPECT_LT(t.AnimalKind, c.AnimalTypeCount);
      EXPECT_GE(t.MaxAnimals, 1);
      EXPECT_GE(t.StaffSlots, 1);
      EXPECT_EQ(t.FrameCount, 1);  // the walk mask is laid over one picture
    } else if (n < kDirectorOffice) {
      EXPECT_EQ(t.Kind, BuildKind::ManagementOffice);
      if (n > kGroupStart[3]) {
        EXPECT_GT(t.Size, c.BuildType[n - 1].Size);
        EXPECT_GT(t.StaffSlots, c.BuildType[n - 1].StaffSlots);
      }
    } else {
      EXPECT_EQ(t.Kind, BuildKind::DirectorOffice);
    }
  }
  EXPECT_EQ(roadShapes, (std::set<int>{0, 1, 2, 3, 4, 5, 6}));
  for (int shape : {Shape::Bench73, Shape::Bench91, Shape::VendingMachine, Shape::Toilet, Shape::Signboard, Shape::Water})
    EXPECT_TRUE(groupTwoShapes.count(shape)) << shape;
  EXPECT_EQ(seasons, (std::set<int>{Season::AllYear, Season::Winter, Season::Summer}));
}

TEST(ContentDefinitions, EverySpeciesHasAnEnclosureAndSensibleSheets) {
  const Catalogue& c = Loaded();
  std::set<int> kept;
  for (int n = kGroupStart[2]; n < kGroupEnd[2]; ++n) kept.insert(c.BuildType[n].AnimalKind);
  const std::set<std::string> scriptWords = {"n", "b", "rneb", "kneb", "rseb", "exit", "non"};
  for (int s = 0; s < c.AnimalTypeCount; ++s) {
    const AnimalTypeRecord& a = c.AnimalType[s];
    SCOPED_TRACE(s);
    EXPECT_TRUE(kept.count(s));
    EXPECT_FALSE(a.Name.empty());
    EXPECT_GE(a.FrameWidth, 16);
    EXPECT_LE(a.FrameWidth, 128);
    EXPECT_GE(a.FrameHeight, 16);
    EXPECT_LE(a.FrameHeight, 128);
    EXPECT_GE(a.AnimalValue3, 2);  // an escaped animal steps every AnimalValue3 / 2 ticks
    EXPECT_GT(a.AnimalValue4, 0);
    EXPECT_GT(a.PricePerAnimal, 0);
    EXPECT_GT(a.FeedCost, 0);
    EXPECT_NE(a.TextsA[0], "non");  // every species has its first action
    for (const std::string& step : a.TextsA) EXPECT_TRUE(scriptWords.count(step)) << step;
    for (const std::string& step : a.TextsB) EXPECT_TRUE(scriptWords.count(step)) << step;
    EXPECT_NE(a.Sound1, "non");
  }
}

}  // namespace
