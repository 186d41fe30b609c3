// zoovana-sim as a user runs it: the same seed gives the same saved state, a save
// loads back to the same state, and a demonstration zoo on every shipped map runs
// with its invariants checked (the soak: ZOOVANA_SOAK_DAYS=3650 runs the full ten
// years per map; the suite runs a shorter stretch).
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "content/content_folder.h"
#include "support/file_bytes.h"
#include "test_folder.h"

namespace fs = std::filesystem;

namespace {

struct SimRun {
  int status = -1;  // the exit status, or -1 when it did not exit normally
  std::map<std::string, std::string> values;
  int messageLines = 0;
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
    if (eq != std::string::npos)
      run.values[s.substr(0, eq)] = s.substr(eq + 1);
    else {
      run.values["message"] += s;
      ++run.messageLines;
    }
  }
  int wait = pclose(pipe);
  run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : -1;
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
  TestFolder saves;
  const std::string in = " --saves \"" + saves.path.string() + "\"";
  SimRun saved = RunSim("--map Camp2.mdt --layout demo --days 3 --seed 9 --save Test" + in);
  ASSERT_EQ(saved.status, 0) << saved.values["message"];
  SimRun loaded = RunSim("--load Test --ticks 0" + in);
  ASSERT_EQ(loaded.status, 0) << loaded.values["message"];
  EXPECT_EQ(saved.values["state_hash"], loaded.values["state_hash"]);
  EXPECT_EQ(saved.values["Money"], loaded.values["Money"]);
  EXPECT_EQ(saved.values["Day"], loaded.values["Day"]);
}

TEST(SimRunner, BadArgumentsAreRefused) {
  EXPECT_NE(RunSim("--map Camp1.mdt --speed 9").status, 0);
  EXPECT_NE(RunSim("--days 3").status, 0);
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

TEST(SimRunner, AMapFileAnywhereRunsAsTheSameMapByName) {
  TestFolder elsewhere;
  for (const char* file : {"Camp1.mdt", "Camp1.mds"})
    fs::copy_file(ContentFolder() / "Maps" / file, elsewhere.path / file);
  const std::string run = " --layout demo --days 2 --seed 4";
  SimRun byName = RunSim("--map Camp1.mdt" + run);
  SimRun copied = RunSim("--map \"" + (elsewhere.path / "Camp1.mdt").string() + "\"" + run);
  SimRun inMaps = RunSim("--map \"" + (ContentFolder() / "Maps" / "Camp1.mdt").string() + "\"" + run);
  ASSERT_EQ(byName.status, 0) << byName.values["message"];
  ASSERT_EQ(copied.status, 0) << copied.values["message"];
  ASSERT_EQ(inMaps.status, 0) << inMaps.values["message"];
  EXPECT_EQ(copied.values["state_hash"], byName.values["state_hash"]);
  EXPECT_EQ(inMaps.values["state_hash"], byName.values["state_hash"]);
}

TEST(SimRunner, MissingOrBrokenMapsAndSavesFailWithOneLine) {
  TestFolder scratch;
  const fs::path maps = ContentFolder() / "Maps";
  // A map cut short, one whose text file is missing, and a folder in place of a map.
  const std::string bytes = FileBytes(maps / "Camp1.mdt");
  PutFile(scratch.path / "Short.mdt", bytes.substr(0, bytes.size() / 2));
  PutFile(scratch.path / "NoText.mdt", bytes);
  fs::copy_file(maps / "Camp1.mds", scratch.path / "Short.mds");
  fs::create_directories(scratch.path / "Folder.mdt");
  // A save with its binary part cut short: the values a save may not hold are the
  // save reader's own refusals, pinned with it.
  const fs::path saves = scratch.path / "saves";
  const std::string in = " --saves \"" + saves.string() + "\"";
  ASSERT_EQ(RunSim("--map Camp1.mdt --ticks 10 --save Good" + in).status, 0);
  fs::resize_file(saves / "Good.aps", fs::file_size(saves / "Good.aps") / 2);

  // Appended, not "literal" + string: GCC 12 warns falsely (-Wrestrict) on that at -O3.
  auto quoted = [](const fs::path& p) { return std::string("\"").append(p.string()).append("\""); };
  const std::string failing[] = {"--map NoSuchMap.mdt",
                                 "--map " + quoted(scratch.path / "Nowhere.mdt"),
                                 "--map " + quoted(scratch.path / "Short.mdt"),
                                 "--map " + quoted(scratch.path / "NoText.mdt"),
                                 "--map " + quoted(scratch.path / "Folder.mdt"),
                                 "--map " + quoted(scratch.path / ""),
                                 "--load NoSuchSave" + in,
                                 "--load Good" + in,
                                 "--load ../outside" + in};
  for (const std::string& args : failing) {
    SimRun run = RunSim(args + " --ticks 10");
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.messageLines, 1) << args << ": " << run.values["message"];
    EXPECT_EQ(run.values["message"].rfind("zoovana-sim: ", 0), 0u) << args;
    EXPECT_EQ(run.values.count("state_hash"), 0u) << args;
  }
}

TEST(SimRunner, AMapsStartingSaveIsUsedAsInTheGame) {
  // single_hill comes with a prepared zoo: the game starts from it, and so does the tool.
  SimRun run = RunSim("--map single_hill.mdt --ticks 0");
  ASSERT_EQ(run.status, 0) << run.values["message"];
  EXPECT_GT(std::stoi(run.values["Animals"]), 0);
  EXPECT_EQ(run.values["Day"], "1");
}
