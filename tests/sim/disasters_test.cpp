#include <gtest/gtest.h>

#include "sim/disasters.h"
#include "sim/sim_steps.h"
#include "support/test_world.h"

using namespace test_world;

namespace {

constexpr int kDangerous = 1;

// A game whose map size in pixels is known to the flying things, with a second,
// dangerous species in the catalogue.
struct DisasterGame : SimGame {
  DisasterGame() : SimGame(16, 16) {
    g.zoo.MapPixelWidth = 16 * 72 + 2;
    g.zoo.MapPixelHeight = 16 * 36 + 65;
    g.catalogue.AnimalType[kDangerous] = g.catalogue.AnimalType[kSpecies];
    g.catalogue.AnimalDangerous[kDangerous] = 1;
  }
  int MailCount() const {
    int n = 0;
    for (const Mail& m : g.sim.Mails) n += m.Text.empty() ? 0 : 1;
    return n;
  }
  const Mail& LastMail() const { return g.sim.Mails.back(); }
};

Person& Escapee(Game& g, int slot, int species, int x, int y) {
  Person& p = g.world.Escapees[slot];
  p = Person{};
  p.Used = 1;
  p.Activity = Activity::Walking;
  p.Look = static_cast<int16_t>(species);
  p.CellX = static_cast<int16_t>(x);
  p.CellY = static_cast<int16_t>(y);
  p.Dir = 3;
  return p;
}

int UsedEscapees(const Game& g) {
  int n = 0;
  for (const Person& p : g.world.Escapees) n += p.Used == 1;
  return n;
}

}  // namespace

TEST(Meteorite, OverEmptyLandFallsOffTheMapSilently) {
  DisasterGame s;
  for (int x = 0; x < 16; ++x) Road(s.g, x, 8);
  Zoo& z = s.g.zoo;
  z.SkyActive = 1, z.SkyKind = 10, z.SkyLook = 1, z.SkyState = 0, z.SkyX = 500, z.SkyY = 0;
  int ticks = 0;
  while (z.SkyActive && ticks++ < 2000) SkyStep(s.g);
  EXPECT_EQ(z.SkyActive, 0);
  EXPECT_GE(z.SkyY, z.MapPixelHeight);  // it fell all the way
  EXPECT_EQ(s.MailCount(), 0);
  EXPECT_EQ(s.g.sim.counts.BuildingsDestroyed, 0);
  for (int x = 0; x < 16; ++x) EXPECT_EQ(s.g.world.Cells[8][x].Type, kRoad);
}

TEST(Meteorite, StrikesTheBuildingUnderItWithItsMail) {
  DisasterGame s;
  for (int y = 0; y < 16; y += 2)
    for (int x = 0; x < 16; x += 2) Place(s.g, kPen, x, y);
  Zoo& z = s.g.zoo;
  z.SkyActive = 1, z.SkyKind = 12, z.SkyLook = 2, z.SkyX = 500, z.SkyY = 100;
  int ticks = 0;
  while (z.SkyActive && ticks++ < 2000) SkyStep(s.g);
  EXPECT_EQ(s.g.sim.counts.BuildingsDestroyed, 1);
  EXPECT_EQ(z.SkyBlastFrame, 0);
  EXPECT_NE(s.LastMail().Text.find("遭受不明來歷的飛彈攻擊建築物被破壞了！"), std::string::npos);
  EXPECT_EQ(s.g.world.LandMap[z.SkyTargetY][z.SkyTargetX], Land::Stones);  // rubble to clear
}

TEST(Quake, EmptyEpicentrePostsTheNoDamageMailWithoutAPlace) {
  DisasterGame s;
  for (auto& row : s.g.world.LandMap) row.fill(Land::Stones);  // stones are not a building
  s.g.sim.QuakeTicks = 100;
  QuakeStep(s.g);
  EXPECT_EQ(s.g.sim.QuakeTicks, -1);
  ASSERT_EQ(s.MailCount(), 1);
  EXPECT_NE(s.LastMail().Text.find("這裡發生了震度七級的地震，所幸沒有任何損失"), std::string::npos);
  EXPECT_EQ(s.LastMail().X, -1);
  EXPECT_EQ(s.LastMail().Y, -1);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(s.g.world.LandMap[y][x], Land::Stones);
}

TEST(Quake, BringsDownTheEnclosureAtTheEpicentre) {
  DisasterGame s;
  for (int y = 0; y < 16; y += 2)
    for (int x = 0; x < 16; x += 2) Place(s.g, kPen, x, y);
  s.g.sim.QuakeTicks = 100;
  QuakeStep(s.g);
  ASSERT_EQ(s.MailCount(), 1);
  EXPECT_NE(s.LastMail().Text.find("這裡發生了震度七級的地震獅子園的柵欄被地震震塌了"), std::string::npos);
  int x = s.LastMail().X, y = s.LastMail().Y;
  ASSERT_GE(x, 1);
  EXPECT_EQ(s.g.world.LandMap[y][x], Land::Stones);
  EXPECT_EQ(s.g.sim.counts.BuildingsDestroyed, 1);
}

TEST(EscapedAnimal, DangerousOneKillsAVisitorHalfTheTimeAHarmlessOneNever) {
  for (int species : {kDangerous, kSpecies}) {
    DisasterGame s;
    int kills = 0;
    for (int trial = 0; trial < 2000; ++trial) {
      PutWalker(s.g, 0, 1, 5, 5, 3);
      Escapee(s.g, 0, species, 5, 5);
      EscapedAnimalsStep(s.g);
      kills += s.g.world.Walkers[0].Activity == Activity::Killed;
    }
    if (species == kDangerous) {
      EXPECT_NEAR(kills, 1000, 100);
      EXPECT_EQ(s.g.sim.counts.VisitorsKilled, kills);
    } else {
      EXPECT_EQ(kills, 0);
    }
  }
}

TEST(EscapedAnimal, NoFreeSlotMeansTheAnimalIsLost) {
  DisasterGame s;
  s.g.catalogue.AnimalEscapes[kSpecies] = 1;
  Place(s.g, kPen, 4, 4);
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(AddAnimal(s.g, 4, 4, 1));
  for (int slot = 0; slot < kEscapeeSlots - 1; ++slot) Escapee(s.g, slot, kSpecies, 1, 1);
  ReleaseAnimals(s.g, 4, 4);
  EXPECT_EQ(UsedEscapees(s.g), kEscapeeSlots);
  EXPECT_EQ(s.g.sim.counts.Escapes, 1);
  const Person& last = s.g.world.Escapees[kEscapeeSlots - 1];
  EXPECT_TRUE(last.CellX >= 4 && last.CellX <= 5 && last.CellY >= 4 && last.CellY <= 5);
}

TEST(Saucer, ReleaseOverAFullEnclosureIsAbandonedWithoutMail) {
  DisasterGame s;
  Place(s.g, kPen, 4, 4);
  for (int i = 0; i < 4; ++i) ASSERT_TRUE(AddAnimal(s.g, 4, 4, 1));
  Zoo& z = s.g.zoo;
  z.SkyActive = 1, z.SkyKind = 11, z.SkyState = 4, z.SkyTicks = 10, z.SkyTargetX = 4, z.SkyTargetY = 4;
  SkyStep(s.g);
  EXPECT_EQ(z.SkyState, 1);
  EXPECT_EQ(s.g.world.Cells[4][4].AnimalCount, 4);
  EXPECT_EQ(s.MailCount(), 0);
}

TEST(Saucer, StrikesWhatStandsAtTheCellWhenTheAttackEnds) {
  DisasterGame s;
  Place(s.g, kPen, 4, 4);
  Zoo& z = s.g.zoo;
  z.SkyActive = 1, z.SkyKind = 11, z.SkyState = 2, z.SkyTicks = 0, z.SkyTargetX = 5, z.SkyTargetY = 5;
  s.g.world.Cells[4][4] = Facility{};  // sold while the saucer hovered
  Place(s.g, kShop, 5, 5);             // and a shop built in its place
  for (int t = 0; t < 50; ++t) SkyStep(s.g);
  EXPECT_EQ(z.SkyState, 1);
  EXPECT_EQ(s.g.world.Cells[5][5].Type, -1);
  EXPECT_EQ(s.g.world.LandMap[4][4], Land::Clear);  // the old footprint's other cells untouched
  EXPECT_NE(s.LastMail().Text.find("遭飛碟攻擊冰淇淋店被破壞了"), std::string::npos);
}

TEST(Helicopter, TargetFreedInFlightTurnsToAnotherOrHome) {
  DisasterGame s;
  Escapee(s.g, 3, kSpecies, 8, 8);
  HeliCheck(s.g, 3);
  Zoo& z = s.g.zoo;
  ASSERT_EQ(z.HeliActive, 1);
  Escapee(s.g, 7, kSpecies, 2, 2);
  s.g.world.Escapees[3].Used = 0;
  HelicopterStep(s.g);
  EXPECT_EQ(z.HeliTarget, 7);
  EXPECT_EQ(z.HeliState, 0);
  s.g.world.Escapees[7].Used = 0;
  HelicopterStep(s.g);
  EXPECT_EQ(z.HeliState, 2);
}

TEST(Disasters, NothingStartsWithDisastersOff) {
  for (bool on : {false, true}) {
    DisasterGame s;
    s.g.settings.Saigai = on;
    s.g.sim.QuakeOdds = s.g.sim.SkyOdds = 1;  // every tick, when allowed
    for (int t = 0; t < 300; ++t) SpecialObjects(s.g);
    const auto& c = s.g.sim.counts;
    if (on) {
      EXPECT_GE(c.Quakes, 1);
      EXPECT_GE(c.Meteorites + c.Missiles + c.SkyVisits, 1);
    } else {
      EXPECT_EQ(c.Quakes + c.Meteorites + c.Missiles + c.SkyVisits + c.BuildingsDestroyed, 0);
      EXPECT_EQ(s.g.zoo.SkyActive, 0);
      EXPECT_EQ(s.g.sim.QuakeTicks, -1);
    }
  }
}

TEST(EscapedAnimal, AFenceFallenFromWearLetsTheAnimalsOut) {
  DisasterGame s;
  s.g.catalogue.AnimalEscapes[kSpecies] = 1;
  Facility& pen = Place(s.g, kPen, 4, 4);
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(AddAnimal(s.g, 4, 4, 1));
  pen.Durability = 0;
  s.g.clock.NewDay = 1;
  for (int pass = 0; pass < 200 && s.g.world.Cells[4][4].Type >= 0; ++pass) CellPass(s.g);
  ASSERT_EQ(s.g.world.Cells[4][4].Type, -1);
  EXPECT_EQ(UsedEscapees(s.g), 2);
  EXPECT_EQ(s.g.sim.counts.Escapes, 2);
}
