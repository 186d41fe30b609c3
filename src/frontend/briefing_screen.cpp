#include "frontend/briefing_screen.h"

#include "data/map_file.h"
#include "frontend/briefing_text.h"
#include "frontend/status_strip.h"

namespace {
constexpr Rect kList{35, 35, 216, 376};  // (35, 35) to (250, 410), inclusive
constexpr Rect kStart{580, 425, 37, 37}, kBack{530, 425, 37, 37}, kName{428, 392, 190, 24};
constexpr int kInfoX = 320;

bool Inside(const Rect& r, int x, int y) { return r.Contains(x, y); }
TextStyle Ming(int px) { return TextStyle{"新細明體", px, 0, false}; }
}  // namespace

BriefingScreen::BriefingScreen(FrontHost& host, const std::filesystem::path& mapsDir, CampaignKind kind, int campNo)
    : host_(host), mapsDir_(mapsDir), kind_(kind), campNo_(kind == CampaignKind::kNew ? 1 : campNo) {
  if (kind_ == CampaignKind::kFree) {
    for (const std::string& f : FreeMapFiles(mapsDir_)) {
      if (!ReadHeader(f)) continue;  // a map that cannot be read is not offered
      files_.push_back(f);
      titles_.push_back(zoo_.MapCaption);
    }
  }
  Draw();
}

bool BriefingScreen::ReadHeader(const std::string& file) { return LoadMap(mapsDir_ / file, *world_, zoo_).ok(); }

std::string BriefingScreen::MapFile() const {
  if (kind_ != CampaignKind::kFree) return CampaignMapFile(campNo_);
  return selected_ >= 0 ? files_[static_cast<size_t>(selected_)] : std::string();
}

std::string BriefingScreen::ZooName() const { return ZooNameOrDefault(name_.Text()); }

void BriefingScreen::Draw() {
  Surface& s = host_.Screen();
  s.Draw(0, 0, host_.Picture(kind_ == CampaignKind::kFree ? "breaf_w1.bmp" : "breaf_w2.bmp"), false);
  TextRenderer& text = host_.Text();
  if (kind_ == CampaignKind::kFree) {
    if (selected_ >= 0)
      s.FillRect({kList.x + 5, kList.y + 20 * selected_, kList.w - 10, 20}, Rgb565(90, 150, 230));
    for (size_t i = 0; i < titles_.size() && i < 18; ++i)
      text.Draw(s, kList.x + 5, kList.y + 20 * static_cast<int>(i), titles_[i], Ming(15));
    if (selected_ >= 0) DrawInfo();
  } else {
    DrawInfo();
    text.Draw(s, kList.x + 5, kList.y - 3 + 6, "存檔紀錄No." + std::to_string(campNo_), Ming(15));
  }
  name_.Draw(text, s, Rect{kName.x + 4, kName.y + 3, kName.w - 4, 19}, TextStyle{"ＭＳ Ｐゴシック", 17, 0, false});
  DrawStatus(status_);
}

void BriefingScreen::DrawInfo() {
  if (!ReadHeader(MapFile())) return;
  Surface& s = host_.Screen();
  TextRenderer& text = host_.Text();
  text.Draw(s, kInfoX, 40, zoo_.MapCaption, Ming(13));
  int y = 68;
  auto line = [&](const std::string& words, int step = 18) {
    text.Draw(s, kInfoX, y, words, Ming(12));
    y += step;
  };
  line("資金" + std::to_string(zoo_.Money));
  line(EconomyText(zoo_.Economy));
  line(PopulationText(zoo_.Population));
  line("地圖大小" + std::to_string(world_->MapWidth) + "X" + std::to_string(world_->MapHeight));
  for (const std::string& l : MapTextLines(zoo_.MapText)) line(l);
  line("-過關條件-", 20);
  for (const std::string& g : GoalLines(zoo_)) line(g);
}

void BriefingScreen::DrawStatus(std::string_view words) {
  WriteStatus(host_, host_.Picture(kind_ == CampaignKind::kFree ? "breaf_w1.bmp" : "breaf_w2.bmp"), words, 50,
              TextStyle{"新細明體", 12, 0, false});
}

BriefingScreen::Answer BriefingScreen::Press(int x, int y) {
  if (kind_ == CampaignKind::kFree && Inside(kList, x, y)) {
    host_.Click("Click2.wav");
    const int row = (y - kList.y) / 20;
    if (row < static_cast<int>(files_.size()) && row < 18) {
      selected_ = row;
      Draw();
    }
    return Answer::kNone;
  }
  if (Inside(kStart, x, y)) {
    host_.Click("Click.wav");
    if (kind_ == CampaignKind::kFree && selected_ < 0) return Answer::kNone;
    return Answer::kStart;
  }
  if (Inside(kBack, x, y)) {
    host_.Click("Click.wav");
    return Answer::kBack;
  }
  return Answer::kNone;
}

void BriefingScreen::Move(int x, int y) {
  std::string_view words;
  if (kind_ == CampaignKind::kFree && Inside(kList, x, y)) words = "請選擇地圖";
  else if (Inside(kStart, x, y)) words = "遊戲開始";
  else if (Inside(kBack, x, y)) words = "回主畫面";
  else if (Inside(kName, x, y)) words = "幫你的動物園取一個名字〈半形十四個字、全形七個字〉";
  if (words == status_) return;
  status_ = words;
  DrawStatus(words);
}

void BriefingScreen::Type(const std::string& utf8) {
  name_.Commit(utf8);
  Draw();
}

void BriefingScreen::Compose(const std::string& utf8) {
  name_.Compose(utf8);
  Draw();
}

Rect BriefingScreen::NameArea() const { return kName; }

void BriefingScreen::Backspace() {
  if (name_.Backspace()) Draw();
}

void BriefingScreen::Refused(const std::string& why) {
  refusal_ = why;
  status_ = refusal_;
  DrawStatus(status_);
}
