#include "support/test_world.h"

#include "data/definitions.h"

namespace test_world {

void ClearMap(World& w, Zoo& z, int width, int height) {
  w.MapWidth = width;
  w.MapHeight = height;
  for (auto& row : w.LandMap) row.fill(Land::Clear);
  for (auto& row : w.TileMap) row.fill(0);
  z.MapPattern = "map_pat1.bmp";
  z.Economy = z.Population = 3;
  z.MapCaption = "Test";
}

namespace {

// A building type of the given kind and size, named after its number.
BuildTypeRecord& Define(Catalogue& c, int type, int16_t kind, int size, int price = 0,
                        int16_t shape = Shape::None) {
  BuildTypeRecord& t = c.BuildType[type];
  t.Kind = kind;
  t.Shape = shape;
  t.Size = static_cast<int16_t>(size);
  t.Price = static_cast<int16_t>(price);
  t.Name.Assign("設施" + std::to_string(type));
  return t;
}

void DefineTypes(Catalogue& cat) {
  for (int t = 0; t <= 6; ++t) Define(cat, t, BuildKind::Road, 1, 10, static_cast<int16_t>(t));
  BuildTypeRecord& shop = Define(cat, kShop, BuildKind::Shop, 1);
  shop.Name.Assign("冰淇淋店");
  shop.InitialPrice = 50;
  shop.InitialStock = 20;
  shop.ShopUnitCost = 5;
  shop.StaffSlots = 2;
  shop.Upkeep = 10;
  shop.AttractionPoints = 5;
  shop.PixelHeight = 100;
  Define(cat, kBench73, BuildKind::Object, 1, 50, Shape::Bench73);
  Define(cat, kBench91, BuildKind::Object, 1, 0, Shape::Bench91);
  Define(cat, kToilet, BuildKind::Object, 1, 0, Shape::Toilet);
  Define(cat, kSign, BuildKind::Object, 1, 0, Shape::Signboard);
  Define(cat, kStatue, BuildKind::Object, 1).AttractionPoints = 40;
  Define(cat, kVending, BuildKind::Shop, 1, 80, Shape::VendingMachine).InitialPrice = 50;
  BuildTypeRecord& bigShop = Define(cat, kBigShop, BuildKind::Shop, 2, 300);
  bigShop.InitialStock = 120;
  bigShop.InitialPrice = 15;

  BuildTypeRecord& pen = Define(cat, kPen, BuildKind::Enclosure, 2);
  pen.Name.Assign("獅子園");
  pen.MaxAnimals = 4;
  pen.StaffSlots = 2;
  pen.AnimalKind = kSpecies;
  pen.AttractionPoints = 30;
  pen.Upkeep = 20;
  pen.PixelHeight = 136;
  for (int c = 0; c < kMaskColumns; ++c)
    for (int r = 0; r < kMaskRows; ++r) cat.EnclosurePattern[kPen - kFirstEnclosureType].Cells[c][r] = 1;
  Define(cat, kMidPen, BuildKind::Enclosure, 3, 1000);
  Define(cat, kBigPen, BuildKind::Enclosure, 4, 2000);
  Define(cat, kOffice, BuildKind::ManagementOffice, 2, 500).StaffSlots = 10;
  Define(cat, kDirector, BuildKind::DirectorOffice, 2, 5000);

  AnimalTypeRecord& lion = cat.AnimalType[kSpecies];
  lion.Name.Assign("獅子");
  lion.FrameWidth = 20;
  lion.FrameHeight = 20;
  lion.AnimalValue3 = 4;
  lion.AnimalValue4 = 50;
  lion.PricePerAnimal = 1000;
  lion.FeedCost = 30;
  lion.TextsA.fill("n");
  lion.TextsB.fill("non");
  cat.AnimalTypeCount = 1;
  FillStaffFigures(cat);
}

// The test world on a width x height map, in play: difficulty 1, random seed 7.
void SetUpWorld(Game& g, int width, int height) {
  g.clock.GameMode = Mode::Playing;
  ClearMap(g.world, g.zoo, width, height);
  g.settings.Difficulty = 1;
  g.random.Seed(7);
  DefineTypes(g.catalogue);
}

}  // namespace

void Recorder::RunWindow(Game& game, int mode) {
  windows.push_back(mode);
  if (mode == Mode::Event) events.push_back(game.sim.Event);
  HeadlessPresentation::RunWindow(game, mode);
}

SimGame::SimGame(int width, int height) {
  g.ui = &recorder;
  SetUpWorld(g, width, height);
}

std::unique_ptr<Game> MakePark(int width, int height) {
  auto g = MakeHeadlessGame();
  SetUpWorld(*g, width, height);
  g->zoo.Money = 100000;
  g->zoo.LevelCostPerCell = 30;
  g->settings.ScreenResW = 800;
  g->settings.ScreenResH = 600;
  return g;
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

}  // namespace test_world
