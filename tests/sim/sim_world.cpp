#include "sim/sim_world.h"

namespace simtest {

namespace {

void Define(Game& g, int type, int kind, int shape, int size) {
  BuildTypeRecord& t = g.catalogue.BuildType[type];
  t.Kind = static_cast<int16_t>(kind);
  t.Shape = static_cast<int16_t>(shape);
  t.Size = static_cast<int16_t>(size);
  t.Name.Assign("設施" + std::to_string(type));
}

}  // namespace

SimGame::SimGame(int width, int height) {
  g.ui = &recorder;
  g.clock.GameMode = Mode::Playing;
  g.world.MapWidth = width;
  g.world.MapHeight = height;
  for (auto& row : g.world.LandMap) row.fill(Land::Clear);
  g.zoo.Economy = 3;
  g.zoo.Population = 3;
  g.settings.Difficulty = 1;
  g.random.Seed(7);

  for (int t = 0; t <= 6; ++t) Define(g, t, BuildKind::Road, t, 1);
  Define(g, kShop, BuildKind::Shop, Shape::None, 1);
  g.catalogue.BuildType[kShop].Name.Assign("冰淇淋店");
  g.catalogue.BuildType[kShop].InitialPrice = 50;
  g.catalogue.BuildType[kShop].InitialStock = 20;
  g.catalogue.BuildType[kShop].ShopUnitCost = 5;
  g.catalogue.BuildType[kShop].StaffSlots = 2;
  g.catalogue.BuildType[kShop].Upkeep = 10;
  g.catalogue.BuildType[kShop].AttractionPoints = 5;
  g.catalogue.BuildType[kShop].PixelHeight = 100;
  Define(g, kBench73, BuildKind::Object, Shape::Bench73, 1);
  Define(g, kBench91, BuildKind::Object, Shape::Bench91, 1);
  Define(g, kToilet, BuildKind::Object, Shape::Toilet, 1);
  Define(g, kSign, BuildKind::Object, Shape::Signboard, 1);
  Define(g, kStatue, BuildKind::Object, Shape::None, 1);
  g.catalogue.BuildType[kStatue].AttractionPoints = 40;
  Define(g, kVending, BuildKind::Shop, Shape::VendingMachine, 1);
  g.catalogue.BuildType[kVending].InitialPrice = 50;

  Define(g, kPen, BuildKind::Enclosure, Shape::None, 2);
  BuildTypeRecord& pen = g.catalogue.BuildType[kPen];
  pen.Name.Assign("獅子園");
  pen.MaxAnimals = 4;
  pen.StaffSlots = 2;
  pen.AnimalKind = kSpecies;
  pen.AttractionPoints = 30;
  pen.Upkeep = 20;
  pen.PixelHeight = 136;
  for (int c = 0; c < kMaskColumns; ++c)
    for (int r = 0; r < kMaskRows; ++r) g.catalogue.EnclosurePattern[kPen - kFirstEnclosureType].Cells[c][r] = 1;

  Define(g, kOffice, BuildKind::ManagementOffice, Shape::None, 2);
  g.catalogue.BuildType[kOffice].StaffSlots = 10;

  AnimalTypeRecord& lion = g.catalogue.AnimalType[kSpecies];
  lion.Name.Assign("獅子");
  lion.FrameWidth = 20;
  lion.FrameHeight = 20;
  lion.AnimalValue3 = 4;
  lion.AnimalValue4 = 50;
  lion.PricePerAnimal = 1000;
  lion.FeedCost = 30;
  lion.TextsA.fill("n");
  lion.TextsB.fill("non");
  g.catalogue.AnimalTypeCount = 1;
  AnimalTypeRecord& keeper = g.catalogue.AnimalType[kKeeperFigure];
  keeper.FrameWidth = 10;
  keeper.FrameHeight = 16;
}

Facility& Place(Game& g, int type, int x, int y) {
  Facility& f = g.world.Cells[y][x];
  f = Facility{};
  f.Type = static_cast<int16_t>(type);
  f.Durability = 100;
  const BuildTypeRecord& t = g.catalogue.BuildType[type];
  f.SalePrice = t.InitialPrice;
  f.PurchaseQty = f.Stock = t.InitialStock;
  g.sim.CoverValid = false;
  return f;
}

void Road(Game& g, int x, int y, int type) { Place(g, type, x, y); }

Person& PutWalker(Game& g, int slot, int kind, int x, int y, int dir) {
  Person& p = g.world.Walkers[slot];
  p = Person{};
  p.Used = 1;
  p.Kind = static_cast<PersonKind>(kind);
  p.Activity = Activity::Walking;
  p.CellX = static_cast<int16_t>(x);
  p.CellY = static_cast<int16_t>(y);
  p.Dir = static_cast<int16_t>(dir);
  p.Visible = 1;
  p.Mood = 3;
  p.MoodPoints = 1;
  p.TurnMemo = 12;
  for (auto& c : p.Comments) c.Assign("-");
  return p;
}

}  // namespace simtest
