#include <gtest/gtest.h>

#include "frontend/briefing_screen.h"
#include "frontend/fake_front_host.h"
#include "frontend/file_screen.h"
#include "test_folder.h"
#include "windows/text_field.h"

namespace {

TEST(TextField, CommitsWholeCharactersWhileTheyFitAndEndsTheComposition) {
  TextField field(ZooNameFits, "ZOO");
  field.Compose("ㄉㄨㄥˋ");
  EXPECT_TRUE(field.Composing());
  field.Commit("動物園長頸鹿");  // 14 bytes of Big5: the sixth full-width character does not fit
  EXPECT_EQ(field.Text(), "ZOO動物園長頸");
  EXPECT_FALSE(field.Composing());
  field.Commit("a\tb\x7f");  // control characters are dropped, "a" still fits, "b" does not
  EXPECT_EQ(field.Text(), "ZOO動物園長頸a");
}

TEST(TextField, BackspaceWaitsWhileTheInputMethodComposes) {
  TextField field(nullptr, "象");
  field.Compose("ㄒ");
  EXPECT_FALSE(field.Backspace());
  EXPECT_EQ(field.Text(), "象");
  field.Compose("");  // the input method dropped it
  EXPECT_TRUE(field.Backspace());
  EXPECT_EQ(field.Text(), "");
  EXPECT_FALSE(field.Backspace());
}

// The columns of row y that changed between two pictures, as [first, last].
std::pair<int, int> ChangedColumns(const Surface& before, const Surface& after, int y) {
  int first = -1, last = -1;
  for (int x = 0; x < after.Width(); ++x)
    if (before.Pixel(x, y) != after.Pixel(x, y)) (first < 0 ? first : last) = x, last = x;
  return {first, last};
}

TEST(TextField, TheBriefingUnderlinesTheCompositionAfterTheName) {
  FakeFrontHost host;
  host.pictures["breaf_w2.bmp"] = Surface(640, 480);
  host.pictures["breaf_w2.bmp"].Fill(Rgb565(255, 255, 255));
  TestFolder maps;
  BriefingScreen briefing(host, maps.path, CampaignKind::kNew, 1);
  const Rect area = briefing.NameArea();
  const TextStyle style{"ＭＳ Ｐゴシック", 17, 0, false};
  const int textEnd = area.x + 4 + host.text.Width("ZOOVANA", style);
  const int underline = area.y + 3 + 19 - 1;
  const Surface plain = host.screen;
  briefing.Compose("ㄉㄨㄥ");
  EXPECT_EQ(ChangedColumns(plain, host.screen, underline),
            std::make_pair(textEnd, textEnd + host.text.Width("ㄉㄨㄥ", style) - 1));
  briefing.Backspace();  // the input method's key: the name stays
  briefing.Type("動");
  EXPECT_EQ(briefing.NameField().Text(), "ZOOVANA動");
  EXPECT_EQ(ChangedColumns(plain, host.screen, underline).first, -1);  // committed text is not underlined
  EXPECT_EQ(briefing.ZooName(), "ZOOVANA動");
}

TEST(TextField, TheFileScreenTakesTextOnlyWhileSaving) {
  FakeFrontHost host;
  TestFolder saves;
  FileScreen loading(host, saves.path, false, 640);
  loading.Compose("ㄅ");
  loading.Type("x");
  EXPECT_EQ(loading.Name(), "");
  EXPECT_EQ(loading.NameArea().w, 0);
  FileScreen saving(host, saves.path, true, 640);
  while (!saving.Name().empty()) saving.Backspace();
  saving.Type(std::string(60, 'a'));
  EXPECT_EQ(saving.Name(), std::string(50, 'a'));
}

}  // namespace
