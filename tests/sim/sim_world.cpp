#include "sim/sim_world.h"

namespace simtest {

using test_world::Define;

SimGame::SimGame(int width, int height) {
  g.ui = &recorder;
  g.clock.GameMode = Mode::Playing;
  test_world::ClearMap(g.world, g.zoo, width, height);
  g.settings.Difficulty = 1;
  g.random.Seed(7);

  Catalogue& cat = g.catalogue;
  for (int t = 0; t <= 6; ++t) Define(cat, t, BuildKind::Road, 1, 0, static_cast<int16_t>(t));
  BuildTypeRecord& shop = Define(cat, kShop, BuildKind::Shop, 1);
  shop.Name.Assign("冰淇淋店");
  shop.InitialPrice = 50;
  shop.InitialStock = 20;
  shop.ShopUnitCost = 5;
  shop.StaffSlots = 2;
  shop.Upkeep = 10;
  shop.AttractionPoints = 5;
  shop.PixelHeight = 100;
  Define(cat, kBench73, BuildKind::Object, 1, 0, Shape::Bench73);
  Define(cat, kBench91, BuildKind::Object, 1, 0, Shape::Bench91);
  Define(cat, kToilet, BuildKind::Object, 1, 0, Shape::Toilet);
  Define(cat, kSign, BuildKind::Object, 1, 0, Shape::Signboard);
  Define(cat, kStatue, BuildKind::Object, 1).AttractionPoints = 40;
  Define(cat, kVending, BuildKind::Shop, 1, 0, Shape::VendingMachine).InitialPrice = 50;

  BuildTypeRecord& pen = Define(cat, kPen, BuildKind::Enclosure, 2);
  pen.Name.Assign("獅子園");
  pen.MaxAnimals = 4;
  pen.StaffSlots = 2;
  pen.AnimalKind = kSpecies;
  pen.AttractionPoints = 30;
  pen.Upkeep = 20;
  pen.PixelHeight = 136;
  for (int c = 0; c < kMaskColumns; ++c)
    for (int r = 0; r < kMaskRows; ++r) g.catalogue.EnclosurePattern[kPen - kFirstEnclosureType].Cells[c][r] = 1;

  Define(cat, kOffice, BuildKind::ManagementOffice, 2).StaffSlots = 10;

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
