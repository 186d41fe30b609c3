// The file screen ("File_W16L/S.BMP" 640 x 480, "File_W18L/S.BMP" 800 x 600 for
// loading and saving, the list "File_W2.BMP", the overwrite question "File_W3.BMP",
// the buttons "File_Wb1.BMP" (load) and "File_Wb2.BMP" (save)), the ending
// ("Ending00.bmp" .. "Ending05.bmp", the staff lists "Stuff_list.bmp" and
// "Stuff_list0.bmp") and the credits pages ("stuff0.bmp" .. "stuff5.bmp").
#include <string>
#include <vector>

#include "content.h"
#include "film_zoo.h"
#include "frontend_kit.h"

namespace {
// File screen: the list (38, 45) shows 14 rows of 20 pixels, 280 x 290; the name
// box below it; up, down and close (326, 102 / 134 / 166) and delete (326, 262),
// 65 x 27; the save button at (410, 198), the load button at (410, 224).
Canvas FileScreen(int w, int h, bool saving) {
  Canvas c = ScreenBase(w, h);
  Heading(c, 38, 12, 353, saving ? "儲存記錄" : "讀取記錄");
  c.Rect(34, 41, 288, 298, Shade(Hue::kWood, 2));
  Paper(c, 36, 43, 284, 294);
  if (saving) {
    Label(c, 38, 342, "記錄名稱");
    c.Rect(36, 360, 284, 26, Shade(Hue::kWood, 2));
    c.Rect(38, 362, 280, 22, kBlack);
  }
  MarkButton(c, 326, 102, 65, 27, Mark::kUp);
  MarkButton(c, 326, 134, 65, 27, Mark::kDown);
  WordButton(c, 326, 166, 65, 27, "關閉");
  WordButton(c, 326, 262, 65, 27, "刪除");
  DrawIcon(c, w - 90, h - 90, saving ? Icon::kSave : Icon::kLoad, 4.0);
  return c;
}

// The list ground: 400 x 300, dark, with faint lines between the 14 rows.
Canvas ListGround() {
  Canvas c(400, 300, Shade(Hue::kLeaf, 0));
  for (int i = 1; i < 14; ++i) c.Rect(4, 10 + 20 * i, 392, 1, Shade(Hue::kLeaf, 1));
  return c;
}

Canvas FileButton(const char* word) {
  Canvas c(100, 24);
  WordButton(c, 0, 0, 99, 23, word);
  c.Rect(0, 23, 100, 1, Shade(Hue::kLeaf, 1));
  c.Rect(99, 0, 1, 24, Shade(Hue::kLeaf, 1));
  return c;
}

// The overwrite question, 260 x 110: overwrite (20, 64) and cancel (140, 64), 100 x 30.
Canvas Overwrite() {
  Canvas c = ScreenBase(260, 110);
  DrawTextCentred(c, 0, 14, 260, 20, "已有同名的記錄，", TextStyle{14, kWhite, Face::kSharp, true});
  DrawTextCentred(c, 0, 34, 260, 20, "要覆蓋它嗎？", TextStyle{14, kWhite, Face::kSharp, true});
  WordButton(c, 20, 64, 100, 30, "覆蓋");
  WordButton(c, 140, 64, 100, 30, "取消");
  return c;
}

struct Credit {
  const char* role;
  std::vector<const char*> names;
};
const std::vector<Credit>& Credits() {
  static const std::vector<Credit> credits{
      {"遊戲設計", {"Zoovana 開發團隊"}},
      {"程式設計", {"遊戲核心與存檔", "模擬：遊客、員工、動物", "地圖畫面與建造", "遊戲視窗", "標題、選單與影片"}},
      {"美術", {"地面、道路與建築", "人物與動物", "畫面、圖示與影片"}},
      {"音樂與音效", {"配樂", "音效與動物叫聲"}},
      {"測試", {"全體開發成員"}},
      {"特別感謝", {"每一位來到動物園的玩家"}},
  };
  return credits;
}

// A strip 904 wide: white text on the key at x 0..451, its mask (black under the
// text, white elsewhere) at x 452.
Canvas WithMask(const Canvas& text) {
  Canvas c(904, text.Height(), kWhite);
  c.Blit(text, 0, 0, Rgb{1, 2, 3});
  for (int y = 0; y < text.Height(); ++y)
    for (int x = 0; x < 452; ++x) c.Set(452 + x, y, text.Get(x, y) == kKey ? kWhite : kBlack);
  return c;
}

Canvas StaffList() {
  std::vector<std::pair<std::string, bool>> lines{{"Zoovana", true}, {"", false}};
  for (const Credit& cr : Credits()) {
    lines.push_back({cr.role, true});
    for (const char* n : cr.names) lines.push_back({n, false});
    lines.push_back({"", false});
  }
  Canvas text(452, static_cast<int>(lines.size()) * 34 + 40);
  int y = 20;
  for (const auto& [words, heading] : lines) {
    TextStyle style{heading ? 22 : 18, heading ? Shade(Hue::kYellow, 4) : kWhite, Face::kSharp, true};
    DrawTextCentred(text, 0, y, 452, 30, words, style);
    y += 34;
  }
  text.OutlineWith(Shade(Hue::kLeaf, 0));
  return WithMask(text);
}

Canvas ClosingList() {
  Canvas text(452, 160);
  DrawTextCentred(text, 0, 10, 452, 60, "Zoovana", TextStyle{52, Shade(Hue::kYellow, 4), Face::kSharp, true});
  DrawTextCentred(text, 0, 90, 452, 30, "感謝您的遊玩", TextStyle{24, kWhite, Face::kSharp, true});
  text.OutlineWith(Shade(Hue::kLeaf, 0));
  return WithMask(text);
}

// The ending's six pictures: the film zoo from morning to night, the middle where
// the staff list scrolls a little darker.
std::vector<Canvas> EndingPictures(PictureShelf& shelf, const FilmZoo& zoo) {
  const Light night{{8, 10, 36}, {36, 38, 88}, 0.45, 0.48, 0.7, 1.0};
  const Light sunset{{58, 50, 118}, {250, 142, 72}, 1.0, 0.8, 0.64, 0.0};
  const Light lights[6] = {kDay, kDay, Mix(kDay, sunset, 0.5), sunset, Mix(sunset, night, 0.5), night};
  const double spots[6][2] = {{6.5, 8}, {5.5, 5}, {7.5, 5}, {5.5, 7}, {7.5, 7}, {6.5, 6}};
  std::vector<Canvas> pictures;
  for (int k = 0; k < 6; ++k) {
    std::vector<Walker> w;
    AddAnimals(zoo, shelf, k * 1.7, k == 5, w);
    AddCrowd(zoo, shelf, 36 + k, 30, 14 - 2 * k, k >= 3, w);
    Canvas c = Shoot(zoo, {zoo.stage.Ground(spots[k][0], spots[k][1]), 1}, w, lights[k], k * 7, k % 3, k == 5 ? 1 : 0);
    Canvas middle = c.Crop(94, 60, 452, 360);
    Grade(middle, 0.55, 0.55, 0.6);
    c.Blit(middle, 94, 60, Rgb{1, 2, 3});
    pictures.push_back(c);
  }
  return pictures;
}

// Credits pages: the title over the zoo, then one page for each role.
Canvas CreditPage(PictureShelf& shelf, const FilmZoo& zoo, int page) {
  if (page == 0) {
    std::vector<Walker> w;
    AddCrowd(zoo, shelf, 40, 30, 12, false, w);
    Canvas c = Shoot(zoo, {zoo.stage.Ground(6.5, 6), 1}, w, kDay, 0, 0, 0);
    Heading(c, 170, 200, 300, "Zoovana 製作群");
    return c;
  }
  Canvas c = ScreenBase(640, 480);
  const Credit& cr = Credits()[static_cast<size_t>(page - 1)];
  Heading(c, 120, 60, 400, cr.role);
  Paper(c, 120, 100, 400, 300);
  int y = 130;
  for (const char* n : cr.names) {
    DrawTextCentred(c, 120, y, 400, 30, n, TextStyle{18, Shade(Hue::kSoil, 0), Face::kSharp, true});
    y += 40;
  }
  const char* animals[5] = {"T_lion.bmp", "T_giraffe.bmp", "T_panda.bmp", "T_penguin.bmp", "T_elephant.bmp"};
  c.Blit(shelf.Get(animals[page - 1]), 280, 410);
  return c;
}

void GenerateFrontEndPages(Output& out) {
  WriteBmp(out, "File_W16L.BMP", FileScreen(640, 480, false));
  WriteBmp(out, "File_W16S.BMP", FileScreen(640, 480, true));
  WriteBmp(out, "File_W18L.BMP", FileScreen(800, 600, false));
  WriteBmp(out, "File_W18S.BMP", FileScreen(800, 600, true));
  WriteBmp(out, "File_W2.BMP", ListGround());
  WriteBmp(out, "File_W3.BMP", Overwrite());
  WriteBmp(out, "File_Wb1.BMP", FileButton("讀取"));
  WriteBmp(out, "File_Wb2.BMP", FileButton("儲存"));
  PictureShelf shelf(out.Root() / "Graphics");
  const FilmZoo zoo = BuildFilmZoo(shelf);
  std::vector<Canvas> ending = EndingPictures(shelf, zoo);
  for (int k = 0; k < 6; ++k) WriteBmp(out, "Ending0" + std::to_string(k) + ".bmp", ending[static_cast<size_t>(k)]);
  WriteBmp(out, "Stuff_list.bmp", StaffList());
  WriteBmp(out, "Stuff_list0.bmp", ClosingList());
  for (int page = 0; page <= 5; ++page) WriteBmp(out, "stuff" + std::to_string(page) + ".bmp", CreditPage(shelf, zoo, page));
}

RegisterGenerator reg("51-art-frontend-pages", &GenerateFrontEndPages);
}  // namespace
