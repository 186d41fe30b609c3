// zoovana-sim as a user runs it: the same seed gives the same saved state, a save
// loads back to the same state, and a demonstration zoo on every shipped map runs
// with its invariants checked (the soak: ZOOVANA_SOAK_DAYS=3650 runs the full ten
// years per map; the suite runs a shorter stretch).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "content/content_folder.h"

namespace fs = std::filesystem;

namespace {

struct SimRun {
  int status = -1;
  std::map<std::string, std::string> values;
};

SimRun RunSim(const std::string& arguments) {
  SimRun run;
  const std::string command = "\"" + (ContentFolder() / "zoovana-sim").string() + "\" " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char line[512];
  std::string text;
  while (std::fgets(line, sizeof line, pipe)) {
    std::string s(line);
    if (!s.empty() && s.back() == '\n') s.pop_back();
    auto eq = s.find('=');
    if (eq != std::string::npos) run.values[s.substr(0, eq)] = s.substr(eq + 1);
    else run.values["message"] += s;
  }
  run.status = pclose(pipe);
  return run;
}

int SoakDays() {
  if (const char* days = std::getenv("ZOOVANA_SOAK_DAYS"); days && *days) return std::atoi(days);
#if defined(__SANITIZE_ADDRESS__)
  return 10;
#else
  return 60;
#endif
}

}  // namespace

TEST(SimRunner, SameSeedSameStateOtherSeedOther) {
  SimRun a = RunSim("--map Camp1.mdt --layout demo --days 12 --seed 5");
  SimRun b = RunSim("--map Camp1.mdt --layout demo --days 12 --seed 5");
  SimRun c = RunSim("--map Camp1.mdt --layout demo --days 12 --seed 6");
  ASSERT_EQ(a.status, 0) << a.values["message"];
  ASSERT_EQ(a.values.count("state_hash"), 1u);
  EXPECT_EQ(a.values["state_hash"], b.values["state_hash"]);
  EXPECT_NE(a.values["state_hash"], c.values["state_hash"]);
  EXPECT_EQ(a.values["ticks"], "9600");
  EXPECT_EQ(a.values["Day"], "13");
  for (const char* key : {"Year", "Month", "Money", "Attraction", "Rank", "VisitorsInZoo", "TotalVisitors", "Animals",
                          "Births", "Deaths", "ResearchPoints", "Mails", "seconds", "ticks_per_second"})
    EXPECT_EQ(a.values.count(key), 1u) << key;
  EXPECT_GT(std::stoi(a.values["TotalVisitors"]), 0);
  EXPECT_GT(std::stoi(a.values["Animals"]), 0);
}

TEST(SimRunner, ASaveLoadsBackToTheSameState) {
  const std::string name = "SimRunnerTest";
  SimRun saved = RunSim("--map Camp2.mdt --layout demo --days 3 --seed 9 --save " + name);
  ASSERT_EQ(saved.status, 0) << saved.values["message"];
  SimRun loaded = RunSim("--load " + name + " --ticks 0");
  ASSERT_EQ(loaded.status, 0) << loaded.values["message"];
  EXPECT_EQ(saved.values["state_hash"], loaded.values["state_hash"]);
  EXPECT_EQ(saved.values["Money"], loaded.values["Money"]);
  EXPECT_EQ(saved.values["Day"], loaded.values["Day"]);
  for (const char* ext : {".aps", ".apm", ".app"}) fs::remove(ContentFolder() / "SaveGame" / (name + ext));
}

TEST(SimRunner, BadArgumentsAreRefused) {
  EXPECT_NE(RunSim("--map Camp1.mdt --speed 9").status, 0);
  EXPECT_NE(RunSim("--days 3").status, 0);
  EXPECT_NE(RunSim("--map NoSuchMap.mdt").status, 0);
  EXPECT_NE(RunSim("--map Camp1.mdt --layout castle").status, 0);
}

TEST(SimRunner, SoakEveryShippedMapWithInvariants) {
  int maps = 0;
  for (const auto& entry : fs::directory_iterator(ContentFolder() / "Maps")) {
    if (entry.path().extension() != ".mdt") continue;
    ++maps;
    const std::string map = entry.path().filename().string();
    SimRun run = RunSim("--map " + map + " --layout demo --fast 2 --check --days " + std::to_string(SoakDays()));
    EXPECT_EQ(run.status, 0) << map << ": " << run.values["message"];
    EXPECT_EQ(run.values["ticks"], std::to_string(SoakDays() * 800)) << map;
  }
  EXPECT_GE(maps, 5);
}
