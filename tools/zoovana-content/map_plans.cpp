#include "map_plans.h"

namespace {

// Catalogue index ranges (see docs/content.md for the whole table).
constexpr TypeRange kRoads{0, 6}, kBrick{7, 13}, kOtherPaths{14, 16}, kSmallPlanting{17, 33}, kBigPlanting{34, 35},
    kLawns{36, 39}, kSnackShops{40, 43}, kRamen{44, 44}, kRestaurant{45, 45}, kDrinks{46, 48}, kSummer{49, 50},
    kWinter{51, 52}, kSouvenirs{53, 55}, kPhoto{56, 56}, kGiftShop{57, 57}, kVending{58, 61}, kToilets{62, 63},
    kBenches{64, 67}, kSigns{68, 69}, kDrinkingWater{70, 70}, kSmallStatues{71, 71}, kBigStatues{72, 74},
    kFountain{75, 75}, kBigFountain{76, 76}, kPonds{77, 79};

// One species' enclosures: small (80 + 2k) and large (81 + 2k).
constexpr TypeRange Small(int species) { return {80 + 2 * species, 80 + 2 * species}; }
constexpr TypeRange Large(int species) { return {81 + 2 * species, 81 + 2 * species}; }
constexpr TypeRange Both(int species) { return {80 + 2 * species, 81 + 2 * species}; }
enum Sp {
  kRabbit, kGoat, kPenguin, kMacaque, kFlamingo, kKangaroo, kZebra, kOstrich, kRedPanda, kWolf, kSeaLion, kCamel, kLion,
  kTiger, kCheetah, kBrownBear, kCrocodile, kGorilla, kGiraffe, kHippo, kRhino, kPolarBear, kKoala, kElephant, kPanda
};

// The basics every campaign map offers.
std::vector<TypeRange> Basics(std::vector<TypeRange> more) {
  std::vector<TypeRange> r = {kRoads, kOtherPaths, kSmallPlanting, kLawns, kSnackShops, kDrinks,
                              kVending, kToilets, kBenches, kSigns, kDrinkingWater};
  r.insert(r.end(), more.begin(), more.end());
  return r;
}

std::vector<MapPlan> MakePlans() {
  std::vector<MapPlan> plans;
  // Campaign: each map larger, poorer and with fewer visitors than the one before,
  // and with a harder goal; together they ask for every kind of goal.
  {
    MapPlan p;
    p.file = "Camp1.mdt";
    p.caption = "第一關　小鎮的動物園";
    p.text = "在人口眾多的小鎮郊外，開一家小小的動物園吧。先鋪好從大門出發的道路，蓋柵欄、買動物，"
             "再設置廁所和長椅。三年之內讓動物園的魅力達到１０００。";
    p.pattern = "map_pat1.bmp";
    p.width = p.height = 26;
    p.money = 60000, p.levelCost = 30, p.economy = 4, p.population = 4;
    p.goalYears = 3, p.goalAttraction = 1000;
    p.available = Basics({kSummer, kWinter, kSouvenirs, kSmallStatues, kPonds, Both(kRabbit), Both(kGoat),
                          Small(kPenguin), Small(kKangaroo), Small(kZebra)});
    p.research = {kBrick, kFountain, Large(kPenguin), Small(kFlamingo)};
    p.timber = 4, p.stones = 3, p.seed = 11;
    plans.push_back(p);
  }
  {
    MapPlan p;
    p.file = "Camp2.mdt";
    p.caption = "第二關　草原的綠洲";
    p.text = "乾燥的草原上有一片綠洲。這裡景氣普通，要好好經營商店，"
             "四年之內把資產增加到１５００００以上。";
    p.pattern = "map_pat2.bmp";
    p.width = p.height = 32;
    p.money = 50000, p.levelCost = 40, p.economy = 3, p.population = 3;
    p.goalYears = 4, p.goalAssets = 150000;
    p.available = Basics({kSummer, kSouvenirs, kSmallStatues, kPonds, Both(kRabbit), Both(kGoat), Both(kKangaroo),
                          Both(kZebra), Both(kOstrich), Small(kCamel)});
    p.research = {kBrick, kRamen, kPhoto, kFountain, Small(kFlamingo), Large(kFlamingo), Small(kLion), Small(kCheetah)};
    p.timber = 5, p.stones = 8, p.seed = 23;
    plans.push_back(p);
  }
  {
    MapPlan p;
    p.file = "Camp3.mdt";
    p.caption = "第三關　雪國的動物園";
    p.text = "冬天很長的北國。找來耐寒的動物，做出讓遊客願意遠道而來的動物園，"
             "五年之內讓動物園的排名進入前三名。";
    p.pattern = "map_pat3.bmp";
    p.width = p.height = 38;
    p.money = 60000, p.levelCost = 50, p.economy = 3, p.population = 3;
    p.goalYears = 5, p.goalRank = 3;
    p.available = Basics({kWinter, kSouvenirs, kSmallStatues, kFountain, kPonds, Both(kRabbit), Both(kGoat),
                          Both(kPenguin), Both(kMacaque), Both(kRedPanda), Small(kWolf), Small(kSeaLion)});
    p.research = {kBrick, kBigPlanting, kGiftShop, kBigStatues, Large(kWolf), Large(kSeaLion), Small(kBrownBear),
                  Large(kBrownBear), Small(kPolarBear), Large(kPolarBear)};
    p.timber = 8, p.stones = 6, p.seed = 37;
    plans.push_back(p);
  }
  {
    MapPlan p;
    p.file = "Camp4.mdt";
    p.caption = "第四關　叢林的王者";
    p.text = "人煙稀少、景氣也不好的南方叢林。以猛獸和大型動物吸引遊客，"
             "六年之內讓魅力達到４０００，資產增加到３０００００以上。";
    p.pattern = "map_pat2.bmp";
    p.width = p.height = 44;
    p.money = 50000, p.levelCost = 60, p.economy = 2, p.population = 3;
    p.goalYears = 6, p.goalAssets = 300000, p.goalAttraction = 4000;
    p.available = Basics({kBrick, kSummer, kSouvenirs, kPhoto, kSmallStatues, kFountain, kPonds, Both(kRabbit),
                          Both(kGoat), Both(kMacaque), Both(kFlamingo), Both(kKangaroo), Both(kZebra), Both(kOstrich),
                          Small(kLion), Small(kTiger), Small(kCheetah), Small(kCrocodile), Small(kGorilla)});
    p.research = {kBigPlanting, kRamen, kRestaurant, kGiftShop, kBigStatues, kBigFountain, Large(kLion),
                  Large(kTiger),  Large(kCheetah), Large(kCrocodile), Large(kGorilla), Both(kGiraffe),
                  Both(kHippo),  Both(kRhino),   Both(kElephant)};
    p.timber = 14, p.stones = 8, p.seed = 41;
    plans.push_back(p);
  }
  {
    MapPlan p;
    p.file = "Camp5.mdt";
    p.caption = "第五關　夢想中的動物園";
    p.text = "最後的舞台是一大片荒地。從零開始，蒐集世界各地的動物，"
             "十年之內成為排行榜第一名的動物園，並把資產增加到１００００００以上。";
    p.pattern = "map_pat1.bmp";
    p.width = p.height = 51;
    p.money = 40000, p.levelCost = 80, p.economy = 2, p.population = 2;
    p.goalYears = 10, p.goalAssets = 1000000, p.goalRank = 1;
    p.available = Basics({kSummer, kWinter, kSouvenirs, kSmallStatues, kPonds, Both(kRabbit), Both(kGoat),
                          Both(kPenguin), Both(kKangaroo), Both(kZebra), Small(kMacaque), Small(kFlamingo)});
    p.research = {kBrick,         kBigPlanting,    kRamen,          kRestaurant,   kPhoto,         kGiftShop,
                  kBigStatues,    kFountain,       kBigFountain,    Large(kMacaque), Large(kFlamingo), Both(kOstrich),
                  Both(kRedPanda), Both(kWolf),    Both(kSeaLion),  Both(kCamel),  Both(kLion),    Both(kTiger),
                  Both(kCheetah), Both(kBrownBear), Both(kCrocodile), Both(kGorilla), Both(kGiraffe), Both(kHippo),
                  Both(kRhino),   Both(kPolarBear), Both(kKoala),    Both(kElephant), Both(kPanda)};
    p.timber = 24, p.stones = 16, p.seed = 53;
    plans.push_back(p);
  }
  // Free maps: everything may be built, no goals; they differ in size, ground and region.
  struct Free {
    const char* file;
    const char* caption;
    const char* text;
    const char* pattern;
    int size, money, levelCost, economy, population, timber, stones;
    unsigned seed;
    const char* startSave;
  };
  const Free frees[] = {
      {"single_hill.mdt", "自由模式　山丘上的小動物園", "小小的山丘。景氣和人口都普通，適合慢慢經營。", "map_pat1.bmp", 18,
       50000, 30, 3, 3, 2, 2, 61, "single_hill"},
      {"single_savanna.mdt", "自由模式　大草原", "廣闊的大草原。景氣非常好，但附近幾乎沒有人住。", "map_pat2.bmp", 36,
       80000, 40, 5, 1, 6, 10, 67, ""},
      {"single_snow.mdt", "自由模式　雪原都市", "人口很密集的北方都市旁的雪原。只是景氣非常蕭條。", "map_pat3.bmp", 30,
       60000, 50, 1, 5, 6, 4, 71, ""},
      {"single_forest.mdt", "自由模式　森林的邊緣", "樹木和岩石很多的森林邊緣。要先整地才能建設。", "map_pat1.bmp", 42,
       70000, 40, 4, 2, 30, 14, 73, ""},
      {"single_grand.mdt", "自由模式　大地", "最大的一塊土地。景氣不太好，但人口很多，盡情蓋一座大動物園吧。", "map_pat2.bmp", 51,
       100000, 60, 2, 4, 18, 18, 79, ""},
  };
  for (const Free& f : frees) {
    MapPlan p;
    p.file = f.file;
    p.caption = f.caption;
    p.text = f.text;
    p.pattern = f.pattern;
    p.width = p.height = f.size;
    p.money = f.money, p.levelCost = f.levelCost, p.economy = f.economy, p.population = f.population;
    p.available = {{0, 129}};
    p.timber = f.timber, p.stones = f.stones, p.seed = f.seed;
    p.startSave = f.startSave;
    plans.push_back(p);
  }
  return plans;
}

}  // namespace

const std::vector<MapPlan>& MapPlans() {
  static const std::vector<MapPlan> plans = MakePlans();
  return plans;
}
