#include "catalogue_table.h"

#include <stdexcept>

namespace {

const char* const kShapeKeywords[] = {"non",     "7to1",    "9to3",    "7to9",  "1to3",  "7to3", "1to9",
                                      "bench73", "bench91", "jihanki", "toile", "kanban", "water"};
enum Shape { kNon, k7to1, k9to3, k7to9, k1to3, k7to3, k1to9, kBench73, kBench91, kJihanki, kToile, kKanban, kWater };

// Species in the order a zoo usually grows: cheap, hardy animals first.
std::vector<SpeciesEntry> MakeSpecies() {
  struct Row {
    const char* name;
    const char* motif;
    Silhouette silhouette;
    int fw, fh, speed, bodySize, price, feed, appeal;
    bool escapes, dangerous;
    uint32_t body, accent, detail;
    Ground ground;
    bool swims, climbs, trees;
    int smallSize, smallMax, largeSize, largeMax;
    bool secondAction;
    const char* description;
  };
  using S = Silhouette;
  using G = Ground;
  const Row rows[] = {
      {"兔子", "rabbit", S::Rabbit, 32, 28, 2, 12, 300, 15, 25, true, false, 0xC0A07A, 0xE0A0A8, 0x3A2A20, G::Grass, false, false, false, 2, 4, 3, 5, false,
       "溫馴又受小朋友歡迎的兔子。便宜好養，很適合剛開幕的動物園。"},
      {"山羊", "goat", S::Goat, 36, 36, 3, 35, 800, 30, 28, true, false, 0xE8E2D4, 0x8A7A60, 0x505050, G::Rock, false, true, false, 2, 3, 3, 5, true,
       "喜歡爬上高處的山羊。飼料費低，是熱鬧園區的好幫手。"},
      {"企鵝", "penguin", S::Penguin, 24, 32, 4, 20, 1500, 60, 45, false, false, 0x1E2430, 0xF4F4F4, 0xF0A020, G::Snow, true, false, false, 2, 3, 3, 5, true,
       "搖搖擺擺走路的企鵝。喜歡寒冷的地方和水池。"},
      {"日本獼猴", "macaque", S::Monkey, 32, 32, 3, 25, 2500, 60, 42, true, false, 0x9C8A74, 0xE06060, 0x5A4A3A, G::Rock, false, true, true, 3, 4, 4, 5, true,
       "紅臉的獼猴。在猴山上跑跳嬉戲，百看不厭。"},
      {"紅鶴", "flamingo", S::WadingBird, 32, 48, 4, 30, 2500, 70, 40, false, false, 0xF08CA0, 0xC05070, 0x202020, G::Swamp, true, false, false, 3, 4, 4, 5, false,
       "單腳站立的粉紅色紅鶴。淺水池邊的優雅身影。"},
      {"袋鼠", "kangaroo", S::Kangaroo, 40, 48, 3, 45, 4500, 120, 55, true, false, 0xB07A4A, 0xE8C8A0, 0x403020, G::Sand, false, false, false, 3, 4, 4, 5, true,
       "用強壯的後腿跳躍的袋鼠。媽媽的育兒袋是一大看點。"},
      {"斑馬", "zebra", S::Horse, 56, 48, 3, 55, 5000, 150, 60, true, false, 0xF0F0F0, 0x202020, 0x404040, G::Savanna, false, false, false, 3, 3, 4, 5, false,
       "黑白條紋的斑馬。成群奔跑的樣子十分壯觀。"},
      {"鴕鳥", "ostrich", S::Ostrich, 40, 64, 2, 50, 3500, 100, 50, true, false, 0x2A2420, 0xF0ECE4, 0xE0B0A0, G::Sand, false, false, false, 3, 3, 4, 5, false,
       "世界上最大的鳥。不會飛，但跑得非常快。"},
      {"小熊貓", "redpanda", S::SmallCarnivore, 32, 28, 4, 26, 8000, 150, 75, true, false, 0xB8501E, 0x2A1A10, 0xF0E8E0, G::Forest, false, false, true, 2, 3, 3, 5, true,
       "毛茸茸的小熊貓。站起來的模樣可愛極了。"},
      {"狼", "wolf", S::Canine, 48, 40, 3, 40, 6000, 180, 65, true, true, 0x8A8A90, 0xD8D8D8, 0x303030, G::Forest, false, false, true, 3, 4, 4, 5, true,
       "成群生活的狼。遠吠聲響徹園區。逃出柵欄會很危險。"},
      {"海獅", "sealion", S::SeaLion, 56, 36, 5, 55, 7000, 250, 70, false, false, 0x5A4A3A, 0x2A221A, 0x181818, G::Rock, true, true, false, 3, 3, 4, 5, true,
       "在岩石和水池間來去自如的海獅。叫聲很響亮。"},
      {"駱駝", "camel", S::Camel, 64, 64, 5, 80, 7000, 200, 70, true, false, 0xC8A060, 0x8A6A3A, 0x403020, G::Sand, false, false, false, 4, 4, 5, 5, false,
       "背上有駝峰的駱駝。耐得住沙漠的炎熱。"},
      {"獅子", "lion", S::BigCat, 64, 48, 4, 60, 9000, 300, 85, true, true, 0xC8963C, 0x7A4A1E, 0x302010, G::Savanna, false, true, false, 3, 3, 4, 5, true,
       "萬獸之王獅子。威風的鬃毛吸引眾多遊客。逃出柵欄會很危險。"},
      {"老虎", "tiger", S::BigCat, 64, 48, 4, 62, 10000, 300, 90, true, true, 0xE07F1E, 0x2A1A10, 0xF4F0E8, G::Forest, true, false, true, 3, 3, 4, 5, true,
       "身上有美麗條紋的老虎。喜歡泡水。逃出柵欄會很危險。"},
      {"獵豹", "cheetah", S::BigCat, 56, 40, 2, 50, 11000, 280, 85, true, true, 0xE0B060, 0x2A2010, 0xF4F0E0, G::Savanna, false, false, false, 3, 3, 4, 5, false,
       "陸地上跑得最快的動物。逃出柵欄會很危險。"},
      {"棕熊", "brownbear", S::Bear, 64, 52, 5, 70, 9000, 280, 85, true, true, 0x6A4428, 0x3A2414, 0x201008, G::Forest, true, true, true, 3, 3, 4, 5, true,
       "力氣很大的棕熊。會站起來討食物。逃出柵欄會很危險。"},
      {"鱷魚", "crocodile", S::Crocodile, 80, 32, 9, 70, 8000, 200, 80, true, true, 0x4A6A30, 0x2A3A1A, 0xE8E0A0, G::Swamp, true, false, false, 3, 3, 4, 5, false,
       "一動也不動地等待獵物的鱷魚。逃出柵欄會很危險。"},
      {"大猩猩", "gorilla", S::Ape, 56, 56, 5, 65, 12000, 300, 100, true, false, 0x3A3A3A, 0x6A6A70, 0x202020, G::Forest, false, true, true, 3, 3, 4, 5, true,
       "森林中的巨人大猩猩。捶胸的動作很有魄力。"},
      {"長頸鹿", "giraffe", S::Giraffe, 64, 96, 6, 100, 15000, 400, 120, true, false, 0xE8B850, 0x8A5020, 0x403020, G::Savanna, false, false, true, 4, 3, 5, 5, false,
       "脖子長長的長頸鹿。在高高的樹上吃葉子。"},
      {"河馬", "hippo", S::Hippo, 80, 52, 8, 90, 14000, 450, 115, true, false, 0x8A7A8C, 0xD09AA0, 0x403840, G::Swamp, true, false, false, 4, 3, 5, 5, true,
       "大嘴巴的河馬。一天大部分的時間都泡在水裡。"},
      {"犀牛", "rhino", S::Rhino, 80, 56, 7, 95, 16000, 450, 120, true, false, 0x9A968C, 0x6A665C, 0xE8E0D0, G::Savanna, false, false, false, 4, 3, 5, 5, false,
       "頭上長著大角的犀牛。身體像穿了盔甲一樣。"},
      {"北極熊", "polarbear", S::Bear, 72, 52, 5, 75, 13000, 350, 125, true, true, 0xF0F0E8, 0xC8C8C0, 0x202020, G::Snow, true, true, false, 4, 3, 5, 5, true,
       "來自北極的白熊。游泳技術一流。逃出柵欄會很危險。"},
      {"無尾熊", "koala", S::Koala, 32, 32, 10, 28, 18000, 500, 140, false, false, 0x9A9AA0, 0xF0F0F0, 0x202020, G::Forest, false, false, true, 2, 3, 3, 4, false,
       "抱著尤加利樹睡覺的無尾熊。只吃尤加利葉，飼料費很高。"},
      {"大象", "elephant", S::Elephant, 96, 80, 8, 120, 20000, 600, 170, true, false, 0x8C8C94, 0xD8D0C0, 0x505058, G::Savanna, true, false, false, 5, 3, 6, 5, true,
       "陸地上最大的動物大象。長長的鼻子會噴水。"},
      {"熊貓", "panda", S::Bear, 56, 48, 7, 60, 30000, 800, 220, true, false, 0xF4F4F0, 0x1A1A1A, 0x303030, G::Bamboo, false, true, true, 3, 2, 4, 4, true,
       "人見人愛的大熊貓。是動物園的超級明星，價格和飼料費都很高。"},
  };
  std::vector<SpeciesEntry> list;
  for (const Row& r : rows) {
    SpeciesEntry s;
    s.index = static_cast<int>(list.size());
    s.name = r.name;
    s.motif = r.motif;
    s.file = std::string(r.motif) + ".bmp";
    s.silhouette = r.silhouette;
    s.frameWidth = r.fw;
    s.frameHeight = r.fh;
    s.speed = r.speed;
    s.bodySize = r.bodySize;
    s.price = r.price;
    s.feed = r.feed;
    s.appeal = r.appeal;
    s.escapes = r.escapes;
    s.dangerous = r.dangerous;
    s.body = r.body;
    s.accent = r.accent;
    s.detail = r.detail;
    s.ground = r.ground;
    s.swims = r.swims;
    s.climbs = r.climbs;
    s.trees = r.trees;
    s.smallSize = r.smallSize;
    s.smallMax = r.smallMax;
    s.largeSize = r.largeSize;
    s.largeMax = r.largeMax;
    s.secondAction = r.secondAction;
    s.call1 = std::string(r.motif) + "1.wav";
    s.call2 = r.secondAction ? std::string(r.motif) + "2.wav" : "non";
    s.description = r.description;
    list.push_back(std::move(s));
  }
  return list;
}

// Appends entries and checks that each lands at the index the fixed groups expect.
class Builder {
 public:
  BuildingEntry& Add(std::string name, std::string file, const char* motif, Look look, int size) {
    BuildingEntry e;
    e.index = static_cast<int>(list_.size());
    e.name = std::move(name);
    e.file = std::move(file);
    e.motif = motif;
    e.look = look;
    e.size = size;
    list_.push_back(std::move(e));
    return list_.back();
  }
  void ExpectNext(int index) const {
    if (static_cast<int>(list_.size()) != index) throw std::logic_error("catalogue group out of place");
  }
  std::vector<BuildingEntry> Take() { return std::move(list_); }

 private:
  std::vector<BuildingEntry> list_;
};

// Roads and footpaths. The asphalt road and the brick path come in all seven shapes;
// the other surfaces are plain (junction) pieces only.
void AddPaths(Builder& b) {
  struct Surface {
    const char* name;
    const char* stem;
    Look look;
    int surface;
    int price;
    uint32_t colour, accent;
    bool shaped;
  };
  const Surface surfaces[] = {
      {"道路", "road", Look::Road, 0, 50, 0x7A7A80, 0xE8E8E0, true},
      {"紅磚步道", "brick", Look::Path, 1, 80, 0xB0583A, 0xD8C8B0, true},
      {"石板步道", "stone", Look::Path, 2, 100, 0xA8A498, 0x707068, false},
      {"木棧步道", "wood", Look::Path, 3, 120, 0xA07040, 0x604020, false},
      {"碎石小徑", "gravel", Look::Path, 4, 30, 0xC8BCA0, 0x8A806C, false},
  };
  const char* shapeSuffix[] = {"", "(彎1-7)", "(彎3-9)", "(彎7-9)", "(彎1-3)", "(直7-3)", "(直1-9)"};
  for (const Surface& s : surfaces) {
    for (int shape = 0; shape < (s.shaped ? 7 : 1); ++shape) {
      BuildingEntry& e = b.Add(std::string(s.name) + shapeSuffix[shape],
                               std::string(s.stem) + "_" + kShapeKeywords[shape] + ".bmp", s.stem, s.look, 1);
      e.shape = shape;
      e.surface = s.surface;
      e.colour = s.colour;
      e.accent = s.accent;
      e.price = s.price;
      e.upkeep = 1;
      e.description = shape == 0 ? "遊客行走的道路。可以和四周的道路相連，在路口遊客會自由轉彎。"
                                 : "只能朝固定方向前進的道路。可以引導遊客的動線。";
    }
  }
}

struct Decor {
  const char* name;
  const char* stem;
  Look look;
  int size, frames, price, upkeep, attraction;
  uint32_t colour, accent;
  const char* description;
};

BuildingEntry& AddDecor(Builder& b, const Decor& d) {
  BuildingEntry& e = b.Add(d.name, std::string(d.stem) + ".bmp", d.stem, d.look, d.size);
  e.frames = d.frames;
  e.price = d.price;
  e.upkeep = d.upkeep;
  e.attraction = d.attraction;
  e.colour = d.colour;
  e.accent = d.accent;
  e.description = d.description;
  return e;
}

void AddPlanting(Builder& b) {
  const Decor rows[] = {
      {"紅色花圃", "flower_red", Look::FlowerBed, 1, 1, 150, 3, 3, 0xD83040, 0x3A7A30, "種滿紅花的花圃。"},
      {"黃色花圃", "flower_yellow", Look::FlowerBed, 1, 1, 150, 3, 3, 0xF0C830, 0x3A7A30, "種滿黃花的花圃。"},
      {"紫色花圃", "flower_purple", Look::FlowerBed, 1, 1, 150, 3, 3, 0x8A50B0, 0x3A7A30, "種滿紫花的花圃。"},
      {"白色花圃", "flower_white", Look::FlowerBed, 1, 1, 150, 3, 3, 0xF4F0E8, 0x3A7A30, "種滿白花的花圃。"},
      {"鬱金香花圃", "tulip", Look::FlowerBed, 1, 1, 250, 4, 5, 0xE85070, 0xF0D040, "色彩繽紛的鬱金香。"},
      {"向日葵花圃", "sunflower", Look::FlowerBed, 1, 1, 250, 4, 5, 0xF0C020, 0x6A4020, "高高的向日葵。"},
      {"大花壇", "flower_big", Look::FlowerBed, 2, 1, 900, 10, 18, 0xD83040, 0xF0C830, "四種花組成的大花壇。"},
      {"矮樹叢", "bush", Look::Bush, 1, 1, 100, 2, 2, 0x3A7A30, 0x2A5A20, "修剪整齊的矮樹叢。"},
      {"杜鵑花叢", "azalea", Look::Bush, 1, 1, 200, 3, 4, 0xE070A0, 0x3A7A30, "開滿粉紅花朵的杜鵑花叢。"},
      {"竹叢", "bamboo", Look::Bush, 1, 1, 200, 2, 3, 0x6AA040, 0x3A6A20, "清爽的竹叢。"},
      {"造型樹籬", "topiary", Look::Bush, 1, 1, 400, 5, 6, 0x3A8A3A, 0x2A5A20, "修剪成動物形狀的樹籬。"},
      {"松樹", "pine", Look::Tree, 1, 1, 250, 3, 4, 0x2A6A3A, 0x6A4428, "四季常青的松樹。"},
      {"楓樹", "maple", Look::Tree, 1, 1, 300, 3, 5, 0xD05A2A, 0x6A4428, "葉子火紅的楓樹。"},
      {"櫻花樹", "cherry", Look::Tree, 1, 1, 400, 4, 6, 0xF4B0C0, 0x6A4428, "開滿粉紅花朵的櫻花樹。"},
      {"椰子樹", "palm", Look::Tree, 1, 1, 350, 3, 5, 0x4A9A3A, 0x8A6A3A, "充滿南國風情的椰子樹。"},
      {"銀杏樹", "ginkgo", Look::Tree, 1, 1, 300, 3, 5, 0xE8C830, 0x6A4428, "扇形葉子的銀杏樹。"},
      {"柳樹", "willow", Look::Tree, 1, 1, 300, 3, 5, 0x7AAA50, 0x6A4428, "枝條垂下的柳樹。"},
      {"大榕樹", "banyan", Look::Tree, 2, 1, 1500, 8, 20, 0x3A7A30, 0x5A3A20, "枝葉茂密的大榕樹。"},
      {"杉木林", "cedar", Look::Tree, 2, 1, 1200, 6, 16, 0x2A5A30, 0x5A3A20, "幾棵高大的杉樹。"},
      {"草坪", "lawn", Look::Lawn, 1, 1, 60, 1, 1, 0x5AA040, 0x4A8A30, "綠油油的草坪。"},
      {"小花草坪", "lawn_daisy", Look::Lawn, 1, 1, 100, 1, 2, 0x5AA040, 0xF4F0E8, "開著小白花的草坪。"},
      {"大草坪", "lawn_big", Look::Lawn, 2, 1, 240, 3, 5, 0x5AA040, 0x4A8A30, "寬廣的大草坪。"},
      {"踏石草坪", "lawn_stones", Look::Lawn, 1, 1, 150, 1, 2, 0x5AA040, 0xA8A498, "鋪著踏腳石的草坪。"},
  };
  for (const Decor& d : rows) AddDecor(b, d);
}

struct ShopRow {
  const char* name;
  const char* stem;
  Look look;
  int size, price, upkeep, attraction, staffSlots, salePrice, unitCost, stock;
  uint32_t colour, accent;
  const char* description;
};

void AddShops(Builder& b) {
  const ShopRow rows[] = {
      {"熱狗店", "hotdog", Look::FoodShop, 1, 2000, 40, 8, 1, 40, 10, 20, 0xD83A2A, 0xF0D040, "賣熱狗的小店。"},
      {"漢堡店", "burger", Look::FoodShop, 1, 2500, 50, 9, 1, 60, 15, 20, 0xE07A20, 0xF4F0E8, "賣漢堡的小店。"},
      {"爆米花店", "popcorn", Look::FoodShop, 1, 1800, 35, 8, 1, 30, 6, 25, 0xF0D040, 0xD83A2A, "香噴噴的爆米花。"},
      {"可麗餅店", "crepe", Look::FoodShop, 1, 2200, 40, 9, 1, 50, 12, 20, 0xF08CA0, 0xF4F0E8, "甜甜的可麗餅。"},
      {"拉麵店", "ramen", Look::FoodShop, 2, 6000, 90, 20, 2, 90, 25, 25, 0xB03A2A, 0x402A20, "可以坐下來吃拉麵的店。"},
      {"餐廳", "restaurant", Look::FoodShop, 3, 15000, 200, 45, 2, 150, 45, 30, 0x3A6AA0, 0xF4F0E8, "大型的家庭餐廳。"},
      {"果汁店", "juice", Look::DrinkShop, 1, 1800, 35, 7, 1, 35, 8, 25, 0xF0A020, 0x5AA040, "新鮮的果汁。"},
      {"咖啡店", "coffee", Look::DrinkShop, 1, 2500, 45, 9, 1, 50, 12, 20, 0x6A4428, 0xF4F0E8, "香濃的咖啡。"},
      {"汽水攤", "soda", Look::DrinkShop, 1, 1500, 30, 6, 1, 30, 6, 25, 0x3A8AD0, 0xF4F4F4, "冰涼的汽水。"},
      {"冰淇淋店", "icecream", Look::SummerShop, 1, 2500, 45, 10, 1, 45, 10, 25, 0xF4B0C0, 0x8AD0E8, "夏天最受歡迎的冰淇淋。冬天就賣不太出去了。"},
      {"刨冰店", "shavedice", Look::SummerShop, 1, 2000, 40, 9, 1, 40, 8, 25, 0x8AD0E8, 0xD83A2A, "消暑的刨冰。冬天就賣不太出去了。"},
      {"熱飲店", "hotdrink", Look::WinterShop, 1, 2200, 40, 9, 1, 40, 8, 25, 0xA05030, 0xF4E8C8, "冬天暖呼呼的熱飲。夏天就賣不太出去了。"},
      {"烤地瓜攤", "sweetpotato", Look::WinterShop, 1, 1800, 35, 8, 1, 35, 7, 25, 0x8A4A2A, 0xF0C040, "冬天香甜的烤地瓜。夏天就賣不太出去了。"},
      {"紀念品店", "souvenir", Look::SouvenirShop, 1, 3000, 50, 12, 1, 120, 40, 15, 0x8A50B0, 0xF0D040, "賣動物園紀念品的商店。"},
      {"玩偶店", "plush", Look::SouvenirShop, 1, 3500, 55, 14, 1, 150, 50, 15, 0xF08CA0, 0x8AD0E8, "賣可愛動物玩偶的商店。"},
      {"氣球攤", "balloon", Look::SouvenirShop, 1, 1200, 25, 10, 1, 30, 6, 25, 0xD83A2A, 0x3A8AD0, "小朋友最愛的動物氣球。"},
      {"相片館", "photo", Look::SouvenirShop, 1, 4000, 60, 15, 1, 200, 60, 10, 0x404858, 0xF0D040, "和動物合照的相片館。"},
      {"禮品百貨", "giftshop", Look::SouvenirShop, 2, 9000, 120, 30, 2, 250, 80, 20, 0x3A8A5A, 0xF0D040, "各種禮品應有盡有的大型商店。"},
      {"果汁販賣機", "vend_juice", Look::VendingMachine, 1, 1500, 20, 3, 0, 30, 8, 15, 0xD83A2A, 0xF4F4F4, "不需要店員的果汁販賣機。"},
      {"零食販賣機", "vend_snack", Look::VendingMachine, 1, 1500, 20, 3, 0, 30, 8, 15, 0x3A8AD0, 0xF4F4F4, "不需要店員的零食販賣機。"},
      {"咖啡販賣機", "vend_coffee", Look::VendingMachine, 1, 1600, 20, 3, 0, 35, 9, 15, 0x6A4428, 0xF4F4F4, "不需要店員的咖啡販賣機。冬天賣得特別好。"},
      {"冰品販賣機", "vend_ice", Look::VendingMachine, 1, 1600, 20, 3, 0, 35, 9, 15, 0x8AD0E8, 0xF4F4F4, "不需要店員的冰品販賣機。夏天賣得特別好。"},
  };
  for (const ShopRow& r : rows) {
    BuildingEntry& e = b.Add(r.name, std::string(r.stem) + ".bmp", r.stem, r.look, r.size);
    e.price = r.price;
    e.upkeep = r.upkeep;
    e.attraction = r.attraction;
    e.staffSlots = r.staffSlots;
    e.initialPrice = r.salePrice;
    e.initialStock = r.stock;
    e.unitCost = r.unitCost;
    e.colour = r.colour;
    e.accent = r.accent;
    e.description = r.description;
    if (r.look == Look::VendingMachine) e.shape = kJihanki;
    if (r.look == Look::SummerShop || r.stem == std::string("vend_ice")) e.season = 2;
    if (r.look == Look::WinterShop || r.stem == std::string("vend_coffee")) e.season = 1;
  }
}

void AddFacilities(Builder& b) {
  struct Row {
    Decor d;
    int shape;
  };
  const Row rows[] = {
      {{"廁所", "toilet", Look::Toilet, 1, 1, 1500, 30, 5, 0x8AB0D0, 0xF4F4F4, "遊客一定需要的廁所。"}, kToile},
      {{"大型廁所", "toilet_big", Look::Toilet, 2, 1, 4000, 60, 10, 0x8AB0D0, 0xB0583A, "可以同時容納很多人的大型廁所。"}, kToile},
      {{"長椅(7-3)", "bench73", Look::Bench73, 1, 1, 200, 5, 2, 0xA07040, 0x404040, "讓走累的遊客休息的長椅。"}, kBench73},
      {{"長椅(9-1)", "bench91", Look::Bench91, 1, 1, 200, 5, 2, 0xA07040, 0x404040, "讓走累的遊客休息的長椅。"}, kBench91},
      {{"木頭長椅(7-3)", "logbench73", Look::Bench73, 1, 1, 300, 5, 3, 0x8A5A30, 0x6A4428, "原木做成的長椅。"}, kBench73},
      {{"木頭長椅(9-1)", "logbench91", Look::Bench91, 1, 1, 300, 5, 3, 0x8A5A30, 0x6A4428, "原木做成的長椅。"}, kBench91},
      {{"指示牌", "sign", Look::Signboard, 1, 1, 300, 5, 1, 0xF4F0E8, 0x3A6A3A, "告訴遊客方向的指示牌。"}, kKanban},
      {{"園區地圖看板", "mapboard", Look::Signboard, 1, 1, 800, 8, 3, 0x3A8A5A, 0xF4F0E8, "畫著園區地圖的大看板。"}, kKanban},
      {{"飲水台", "drinkwater", Look::Water, 1, 1, 600, 10, 3, 0xA8A498, 0x8AD0E8, "讓遊客解渴的飲水台。"}, kWater},
      {{"企鵝雕像", "statue_penguin", Look::Statue, 1, 1, 3000, 15, 30, 0xA8A498, 0x707068, "企鵝造型的石雕像。"}, kNon},
      {{"大象雕像", "statue_elephant", Look::Statue, 2, 1, 6000, 25, 55, 0xA8A498, 0x707068, "大象造型的石雕像。"}, kNon},
      {{"獅子銅像", "statue_lion", Look::Statue, 1, 1, 4500, 20, 42, 0xB08A3A, 0x6A5020, "獅子造型的銅像。"}, kNon},
      {{"鐘塔", "clocktower", Look::Statue, 2, 1, 10000, 60, 95, 0xB0583A, 0xF4F0E8, "動物園的地標鐘塔。"}, kNon},
      {{"小噴水池", "fountain", Look::Fountain, 1, 4, 4000, 40, 40, 0xA8A498, 0x8AD0E8, "水花四濺的小噴水池。"}, kNon},
      {{"大噴水池", "fountain_big", Look::Fountain, 2, 4, 12000, 100, 130, 0xA8A498, 0x8AD0E8, "氣勢磅礡的大噴水池。"}, kNon},
      {{"小池塘", "pond", Look::Pond, 1, 1, 1500, 10, 15, 0x4A8AC0, 0x5AA040, "清澈的小池塘。"}, kNon},
      {{"荷花池", "pond_lotus", Look::Pond, 2, 1, 5000, 30, 55, 0x4A8AC0, 0xF4B0C0, "開滿荷花的池塘。"}, kNon},
      {{"鯉魚池", "pond_carp", Look::Pond, 2, 2, 8000, 50, 80, 0x4A8AC0, 0xE07A20, "游著錦鯉的池塘。"}, kNon},
  };
  for (const Row& r : rows) AddDecor(b, r.d).shape = r.shape;
}

// Two enclosures per species: the smaller one first, then the larger one, whose
// animals draw a little more (more room, more to see).
void AddEnclosures(Builder& b) {
  for (const SpeciesEntry& s : Species()) {
    for (int large = 0; large < 2; ++large) {
      const int size = large ? s.largeSize : s.smallSize;
      std::string name = std::string(s.name) + (large ? "園" : "");
      BuildingEntry& e =
          b.Add(std::move(name), "cage_" + std::string(s.motif) + (large ? "2" : "1") + ".bmp", s.motif, Look::Enclosure, size);
      e.species = s.index;
      e.ground = s.ground;
      e.maxAnimals = large ? s.largeMax : s.smallMax;
      e.staffSlots = large ? 2 : 1;
      e.attraction = large ? s.appeal + s.appeal / 5 : s.appeal;
      const int features = (s.swims ? 1 : 0) + (s.climbs ? 1 : 0);
      e.price = 750 * size * size + 400 * size * features;
      e.upkeep = 15 * size * size + 10 * size * features;
      e.description = s.description;
    }
  }
}

void AddManagement(Builder& b) {
  struct Row {
    const char* name;
    const char* stem;
    Look look;
    int size, price, upkeep, attraction, staffSlots;
    uint32_t colour, accent;
    const char* description;
  };
  const Row rows[] = {
      {"管理處", "jyugyo1", Look::Office, 1, 2500, 40, 0, 6, 0x6A8A5A, 0xF4F0E8, "工作人員的休息室。可以增加６名工作人員。"},
      {"管理所", "jyugyo2", Look::Office, 2, 6000, 90, 0, 14, 0x5A7AA0, 0xF4F0E8, "工作人員的辦公室。可以增加１４名工作人員。"},
      {"管理大樓", "jyugyo3", Look::Office, 3, 12000, 160, 0, 25, 0x8A6A5A, 0xF4F0E8, "工作人員的大樓。可以增加２５名工作人員。"},
      {"管理中心", "jyugyo4", Look::Office, 4, 20000, 250, 0, 40, 0x7A7A8A, 0xF4F0E8, "大型的管理中心。可以增加４０名工作人員。"},
      {"園長室", "encyo", Look::DirectorOffice, 3, 25000, 200, 300, 15, 0xB03A2A, 0xF0D040,
       "園長的辦公室。只能建一棟，大幅提升動物園的魅力，也可以增加１５名工作人員。"},
  };
  for (const Row& r : rows) {
    BuildingEntry& e = b.Add(r.name, std::string(r.stem) + ".bmp", r.stem, r.look, r.size);
    e.price = r.price;
    e.upkeep = r.upkeep;
    e.attraction = r.attraction;
    e.staffSlots = r.staffSlots;
    e.colour = r.colour;
    e.accent = r.accent;
    e.description = r.description;
  }
}

std::vector<BuildingEntry> MakeBuildings() {
  Builder b;
  AddPaths(b);
  AddPlanting(b);
  b.ExpectNext(kGroupStart[1]);
  AddShops(b);
  AddFacilities(b);
  b.ExpectNext(kGroupStart[2]);
  AddEnclosures(b);
  b.ExpectNext(kGroupStart[3]);
  AddManagement(b);
  b.ExpectNext(kBuildTypes);
  return b.Take();
}

}  // namespace

const char* BuildingEntry::KindKeyword() const {
  switch (look) {
    case Look::Road:
    case Look::Path: return "road";
    case Look::FoodShop:
    case Look::DrinkShop:
    case Look::SouvenirShop:
    case Look::SummerShop:
    case Look::WinterShop:
    case Look::VendingMachine: return "shop";
    case Look::Enclosure: return "cage";
    case Look::Office: return "jyugyo";
    case Look::DirectorOffice: return "encyo";
    default: return "obje";
  }
}

const char* BuildingEntry::ShapeKeyword() const { return kShapeKeywords[shape]; }

const char* BuildingEntry::SeasonKeyword() const { return season == 1 ? "win" : season == 2 ? "sum" : "non"; }

std::string SpeciesEntry::YoungFile() const { return file.substr(0, file.rfind('.')) + "2.BMP"; }

const std::vector<SpeciesEntry>& Species() {
  static const std::vector<SpeciesEntry> table = MakeSpecies();
  return table;
}

const std::vector<BuildingEntry>& Buildings() {
  static const std::vector<BuildingEntry> table = MakeBuildings();
  return table;
}
