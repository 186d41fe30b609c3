#include <gtest/gtest.h>

#include "frontend/credits_screen.h"
#include "frontend/debrief_screen.h"
#include "frontend/ending_screen.h"
#include "frontend/fake_front_host.h"

namespace {

// Runs the ending's timer at its pace until `until` ms of the fake clock; false
// once the ending has closed.
bool RunEnding(EndingScreen& ending, FakeFrontHost& host, int64_t until) {
  for (; host.now < until; host.now += EndingScreen::kIntervalMs)
    if (!ending.Timer()) return false;
  return true;
}

TEST(Ending, SixSectionsPacedByTheMusicThenTheLastListRestsAndTheBlindCloses) {
  FakeFrontHost host;
  host.musicLength = 60001;  // sections at 0, 10000, 20000, ... 50000 ms
  EndingScreen ending(host);
  EXPECT_EQ(host.music, "end_BG.wav");
  RunEnding(ending, host, 9990);
  EXPECT_EQ(ending.SectionsShown(), 0);
  RunEnding(ending, host, 10100);
  EXPECT_EQ(ending.SectionsShown(), 1);
  RunEnding(ending, host, 49990);
  EXPECT_EQ(ending.SectionsShown(), 4);
  while (ending.SectionsShown() < 5) RunEnding(ending, host, host.now + 1);
  EXPECT_LE(host.now - EndingScreen::kIntervalMs, 50000 + EndingScreen::kIntervalMs);
  EXPECT_EQ(ending.ListY(), -418);  // the last list starts again from -420
  // 2 rows a tick: the list comes to rest at -205 after 108 ticks (12.5 s), while
  // the music still plays; five seconds later the blind closes in 20 steps.
  RunEnding(ending, host, host.now + 106 * EndingScreen::kIntervalMs - 1);
  EXPECT_EQ(ending.ListY(), -206);
  RunEnding(ending, host, host.now + 1);
  EXPECT_EQ(ending.ListY(), -205);
  const int64_t rest = host.now - EndingScreen::kIntervalMs;
  EXPECT_TRUE(RunEnding(ending, host, rest + 5000));
  EXPECT_FALSE(host.music.empty());
  EXPECT_TRUE(RunEnding(ending, host, rest + 5000 + EndingScreen::kIntervalMs));
  EXPECT_TRUE(host.music.empty());
  EXPECT_TRUE(RunEnding(ending, host, rest + 5000 + 21 * EndingScreen::kIntervalMs));
  EXPECT_FALSE(RunEnding(ending, host, rest + 5000 + 22 * EndingScreen::kIntervalMs));
}

TEST(Ending, MusicEndingEarlyStopsTheListAndClosesFiveSecondsLater) {
  FakeFrontHost host;
  EndingScreen ending(host);
  RunEnding(ending, host, 1000);
  host.music.clear();  // the music ended (or could not play)
  RunEnding(ending, host, 1200);
  const int listY = ending.ListY();
  EXPECT_TRUE(RunEnding(ending, host, 6100));
  EXPECT_EQ(ending.ListY(), listY);  // nothing moves while it waits
  EXPECT_EQ(ending.SectionsShown(), 0);
  EXPECT_FALSE(RunEnding(ending, host, 6300 + 21 * EndingScreen::kIntervalMs));
}

TEST(Credits, APageEverySevenSecondsEachWithItsSoundThenClose) {
  FakeFrontHost host;
  CreditsScreen credits(host);
  std::vector<std::pair<int64_t, std::string>> sounds{{0, host.clicks.back()}};
  for (int64_t next = credits.IntervalMs(); host.now < 60000; host.now = next) {
    if (host.now < next) continue;
    const size_t heard = host.clicks.size();
    if (!credits.Timer()) break;
    if (host.clicks.size() > heard) sounds.emplace_back(host.now, host.clicks.back());
    next = host.now + credits.IntervalMs();
  }
  const std::vector<std::pair<int64_t, std::string>> expected{
      {0, "stuff0.wav"},     {7000, "stuff1.wav"},  {14000, "stuff2.wav"},
      {21000, "stuff3.wav"}, {28000, "stuff4.wav"}, {35000, "stuff5.wav"}};
  EXPECT_EQ(sounds, expected);
  EXPECT_EQ(host.now, 42000);  // the sixth event closes
}

TEST(Debriefing, SevenLinesOneEveryEventEachWithItsSound) {
  DebriefFigures f;
  f.year = 3, f.month = 12, f.day = 31, f.money = -5, f.attraction = 1200, f.rankLevel = 5;
  f.visitors = 40000, f.buildings = 7, f.animals = 12;
  EXPECT_EQ(DebriefLines(f), (std::vector<std::string>{"過關日期:3年12月31日", "資產:-5", "魅力:1200", "排名:1",
                                                       "遊客總數:40000", "建築物總數:7", "動物總數:12"}));
  f.rankLevel = 0;
  EXPECT_EQ(DebriefLines(f)[3], "排名:6");
  FakeFrontHost host;
  DebriefScreen debrief(host, f, true);
  for (int i = 0; i < 9; ++i) debrief.Timer();
  EXPECT_EQ(host.clicks, std::vector<std::string>(7, "Deb1.wav"));
}

}  // namespace
