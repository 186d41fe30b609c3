// Data/: info.dat, Build<N>.dat, BuildP<N>.dat and Animal<N>.dat, written from the
// catalogue table in the text layout the game's loaders read (Big5, CRLF).
#include <string>

#include "catalogue_table.h"
#include "content.h"
#include "data/field_stream.h"
#include "enclosure_layout.h"
#include "map_plans.h"

namespace {

class DefinitionText {
 public:
  void Comment(const std::string& text) { out_.Line(text); }
  void Value(const std::string& text) { out_.Line(text); }
  void Value(int number) { out_.Line(std::to_string(number)); }
  template <typename T>
  void Field(const std::string& comment, const T& value) {
    Comment(comment);
    Value(value);
  }
  const std::string& Bytes() const { return out_.text; }

 private:
  TextWriter out_;
};

std::string BuildFile(const BuildingEntry& e) {
  DefinitionText t;
  t.Field("名稱", e.name);
  t.Field("建設費用", e.price);
  t.Field("商品售價", e.initialPrice);
  t.Field("維持費(每月)", e.upkeep);
  t.Field("商品採購數量(每月)", e.initialStock);
  t.Field("商品採購價格", e.unitCost);
  t.Field("魅力", e.attraction);
  t.Field("大小(格)", e.size);
  t.Field("圖片高度", e.PixelHeight());
  t.Field("圖片檔名", e.file);
  t.Field("動物種類", e.species < 0 ? 0 : e.species);
  t.Field("種類 cage/shop/obje/road/encyo/jyugyo", std::string(e.KindKeyword()));
  t.Field("工作人員數", e.staffSlots);
  t.Field("動物數上限", e.maxAnimals);
  t.Field("動畫格數", e.frames);
  t.Field("形狀", std::string(e.ShapeKeyword()));
  t.Field("說明", std::string(e.description));
  t.Value(std::string(e.SeasonKeyword()));
  return t.Bytes();
}

std::string PatternFile(int type) {
  const auto mask = WalkMask(LayoutOf(type));
  TextWriter out;
  for (uint8_t v : mask) out.Line(std::to_string(v));
  return out.text;
}

// The two action scripts, one keyword a step (see the animal behaviour): the first
// plays its frames, holds on the fourth for a while and ends; the second (a call or
// a trick) lingers a moment on its third frame. Unused lines end the script.
const char* const kFirstScript[10] = {"n", "n", "n", "rneb", "n", "n", "exit", "exit", "exit", "exit"};
const char* const kSecondScript[10] = {"n", "n", "rseb", "n", "n", "n", "n", "exit", "exit", "exit"};
const char* const kNoScript[10] = {"non", "non", "non", "non", "non", "non", "non", "non", "non", "non"};

std::string AnimalFile(const SpeciesEntry& s) {
  DefinitionText t;
  t.Field("名稱", std::string(s.name));
  t.Field("圖框寬度", s.frameWidth);
  t.Field("圖框高度", s.frameHeight);
  t.Field("速度(動作間隔)", s.speed);
  t.Field("體型", s.bodySize);
  t.Field("圖片檔名", s.file);
  t.Field("價格", s.price);
  t.Field("飼育費(每月)", s.feed);
  t.Comment("動作一");
  for (const char* step : kFirstScript) t.Value(std::string(step));
  t.Comment("動作二");
  for (const char* step : s.secondAction ? kSecondScript : kNoScript) t.Value(std::string(step));
  t.Field("叫聲一", s.call1);
  t.Field("叫聲二", s.call2);
  return t.Bytes();
}

std::string InfoFile() {
  DefinitionText t;
  const auto& species = Species();
  t.Field("動物種類數", static_cast<int>(species.size()));
  t.Field("關卡數", kCampaignMapCount);
  t.Comment("柵欄損壞時會逃走的動物 (1=會)");
  for (const SpeciesEntry& s : species) t.Value(s.escapes ? 1 : 0);
  t.Comment("逃走後會攻擊遊客的動物 (1=會)");
  for (const SpeciesEntry& s : species) t.Value(s.dangerous ? 1 : 0);
  return t.Bytes();
}

void GenerateData(Output& out) {
  out.Write("Data/info.dat", InfoFile());
  for (const BuildingEntry& e : Buildings()) {
    out.Write("Data/Build" + std::to_string(e.index) + ".dat", BuildFile(e));
    if (e.look == Look::Enclosure) out.Write("Data/BuildP" + std::to_string(e.index) + ".dat", PatternFile(e.index));
  }
  for (const SpeciesEntry& s : Species()) out.Write("Data/Animal" + std::to_string(s.index) + ".dat", AnimalFile(s));
}

RegisterGenerator reg("10-data", &GenerateData);

}  // namespace
