#include <gtest/gtest.h>

#include "content/content_folder.h"
#include "frontend/fake_front_host.h"
#include "frontend/front_end.h"
#include "test_folder.h"

namespace {

struct FakeGame : FrontGame {
  std::filesystem::path MapsDir() override { return ContentFolder() / "Maps"; }
  std::filesystem::path SaveDir() override { return saves.path; }
  std::filesystem::path MovieDir() override { return movies; }
  int CampNo() override { return campNo; }
  std::string StartMap(const std::string& mapFile, const std::string& zooName, CampaignKind kind) override {
    started = mapFile + "|" + zooName + "|" + std::to_string(static_cast<int>(kind));
    return refuse;
  }
  std::string LoadSave(const std::string& name) override { return loaded = name, std::string(); }
  std::string SaveRunning(const std::string&) override { return {}; }
  void ResumePlay() override { resumed = true; }
  OptionValues Options() override { return options; }
  void ApplyOptions(const OptionValues& v, bool) override { options = v; }
  DebriefFigures Figures() override { return {}; }
  bool LastMapWasCampaign() override { return true; }
  void Quit() override { quit = true; }

  TestFolder saves;
  std::filesystem::path movies = ContentFolder() / "Movie";
  int campNo = 3;
  std::string started, loaded, refuse;
  OptionValues options;
  bool resumed = false, quit = false;
};

// Runs the front end's timers for `ms` milliseconds of the fake clock.
void RunFor(FrontEnd& fe, FakeFrontHost& host, int ms) {
  for (int64_t end = host.now + ms; host.now < end; host.now += 10) fe.Tick();
}

TEST(FrontEnd, FromTheOpeningFilmThroughTheMenuToAFreeMap) {
  FakeFrontHost host;
  host.openFilm = [](const std::filesystem::path& f, int w, int h) { return FilmReader::Open(f, w, h); };
  FakeGame game;
  FrontEnd fe(host, game);
  fe.ShowFilm(2);
  ASSERT_EQ(fe.Showing(), FrontScreen::kMovie);
  RunFor(fe, host, 500);
  fe.Press(100, 100);  // skip the film
  RunFor(fe, host, 50);
  ASSERT_EQ(fe.Showing(), FrontScreen::kMenu);
  RunFor(fe, host, 1000);
  fe.Press(60, 100);  // skips the intro only
  RunFor(fe, host, 500);
  fe.Press(60, 100);  // free challenge
  ASSERT_EQ(fe.Showing(), FrontScreen::kBriefing);
  fe.Press(598, 440);  // start without a map: nothing
  EXPECT_TRUE(game.started.empty());
  fe.Press(100, 40);  // the first map of the list
  fe.Press(598, 440);
  EXPECT_NE(game.started.find("single"), std::string::npos);
  EXPECT_NE(game.started.find("|ZOOVANA|0"), std::string::npos);
  EXPECT_FALSE(fe.Active());
}

TEST(FrontEnd, AMissingFilmGoesOnToItsScreen) {
  FakeFrontHost host;
  FakeGame game;
  game.movies = game.saves.path;
  FrontEnd fe(host, game);
  fe.ShowFilm(3);
  RunFor(fe, host, 50);
  EXPECT_EQ(fe.Showing(), FrontScreen::kDebrief);
  RunFor(fe, host, 4000);
  fe.Press(598, 440);  // continue on to the campaign's next map
  ASSERT_EQ(fe.Showing(), FrontScreen::kBriefing);
  fe.Press(598, 440);
  EXPECT_EQ(game.started, "Camp3.mdt|ZOOVANA|2");
}

TEST(FrontEnd, ARefusedStartKeepsTheBriefing) {
  FakeFrontHost host;
  FakeGame game;
  game.refuse = "資料讀取時發生錯誤。結束作業";
  FrontEnd fe(host, game);
  fe.ShowMenu(true);
  RunFor(fe, host, 300);
  fe.Press(450, 150);  // new campaign
  fe.Press(598, 440);
  EXPECT_EQ(game.started, "Camp1.mdt|ZOOVANA|1");  // a new campaign always starts at map 1
  EXPECT_EQ(fe.Showing(), FrontScreen::kBriefing);
}

TEST(FrontEnd, AClickLeavesTheCreditsAndSilencesThePageSound) {
  FakeFrontHost host;
  FakeGame game;
  FrontEnd fe(host, game);
  fe.ShowMenu(true);
  RunFor(fe, host, 2000);
  fe.Press(60, 180);  // credits
  ASSERT_EQ(fe.Showing(), FrontScreen::kCredits);
  RunFor(fe, host, 7500);
  EXPECT_EQ(host.clicks.back(), "stuff1.wav");
  EXPECT_EQ(host.clicksStopped, 0);
  fe.Press(300, 300);
  EXPECT_EQ(fe.Showing(), FrontScreen::kMenu);
  EXPECT_EQ(host.clicksStopped, 1);
}

TEST(FrontEnd, OptionsFromTheGameResumePlay) {
  FakeFrontHost host;
  FakeGame game;
  FrontEnd fe(host, game);
  fe.ShowOptionsFromGame(800);
  fe.Press(80 + 121 + 5, 60 + 302 + 5);  // disasters off
  fe.Press(80 + 189 + 5, 60 + 422 + 5);  // the resolution row is not there in play
  fe.Press(80 + 65 + 5, 60 + 15 + 5);    // OK
  EXPECT_FALSE(game.options.disasters);
  EXPECT_EQ(game.options.width, 640);
  EXPECT_TRUE(game.resumed);
  EXPECT_FALSE(fe.Active());
}

}  // namespace
