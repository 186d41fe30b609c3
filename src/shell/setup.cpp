#include "shell/setup.h"

#include <cctype>
#include <memory>

#include "data/definitions.h"
#include "data/map_file.h"
#include "sim/saved_games.h"
#include "game/surface_set.h"
#include "platform/file_names.h"
#include "game/game.h"
#include "shell/tick.h"
#include "shell/setup_parts.h"
#include "shell/sound.h"

namespace {

constexpr const char* kMapReadError = "地圖讀取時發生錯誤";

ScreenSize GameScreen(const Game& game) { return {game.settings.ScreenResW, game.settings.ScreenResH}; }

int StartInterval(int gameSpeed) { return gameSpeed == 2 ? 30 : gameSpeed == 3 ? 60 : 0; }

// The campaign map number of "Camp<n>.mdt" (any letter case), or 0.
int CampaignNumber(const std::string& file) {
  if (file.size() < 9) return 0;
  std::string lower = Lower(file);
  if (lower.rfind("camp", 0) != 0 || lower.substr(lower.size() - 4) != ".mdt") return 0;
  std::string digits = lower.substr(4, lower.size() - 8);
  if (digits.empty() || digits.size() > 4) return 0;
  for (char ch : digits)
    if (!std::isdigit(static_cast<unsigned char>(ch))) return 0;
  return std::stoi(digits);
}

}  // namespace

std::string StartGame(Game& game, const GameStart& start, std::string* cause) {
  auto fail = [cause](const char* message, const std::string& why) {
    if (cause) *cause = why;
    return std::string(message);
  };
  Presentation& ui = *game.ui;
  game.view.CursorKind = 6;
  ui.StopAllEffects();
  ui.PumpMessages(4);
  ui.StopMusic();
  ui.PumpMessages(4);
  ui.EnterGameScreen(game);
  ui.PumpMessages(4);
  LoadingScreen loading(game);
  loading.Caption("Initialize MainData");

  // Read and check everything before the running game is touched.
  if (IoResult r = LoadDefinitions(game.catalogue, game.folders.DataDir); !r.ok())
    return fail(kDataReadErrorMessage, r.error);
  std::filesystem::path mapPath = FilePath(game.folders.MapsDir, game.zoo.MapFileName);
  std::unique_ptr<SavedState> saved;
  if (start.LoadSavedGame) {
    saved = ScratchOf(game);
    if (IoResult r = ReadSavedGame(*saved, game.folders, start.SavedGameName, false, GameScreen(game)); !r.ok())
      return fail(kMapReadError, r.error);
  } else {
    auto probe = ScratchOf(game);
    if (IoResult r = LoadMap(mapPath, probe->world, probe->zoo, GameScreen(game)); !r.ok())
      return fail(kMapReadError, r.error);
  }

  ResetWorld(game);
  ui.PumpMessages(1);
  loading.Caption("Loading MapData");
  bool startingSave = false;
  if (saved) {
    PutSavedGame(game, *saved);
  } else {
    if (IoResult r = LoadMap(mapPath, game.world, game.zoo, GameScreen(game)); !r.ok())
      return fail(kMapReadError, r.error);
  }
  ui.PumpMessages(1);
  loading.Caption("Initialize SubData");
  ui.PumpMessages(1);
  int32_t mapMoney = game.zoo.Money;
  if (!saved && !game.world.MapStartSave.empty()) {
    // A starting save that cannot be read leaves the bare map. The zoo is still the
    // player's: its name and the map it was started from are not the save's.
    Zoo chosen = game.zoo;
    startingSave = LoadSavedGame(game, game.world.MapStartSave.str(), true, GameScreen(game)).ok();
    if (startingSave) {
      FreshFromStartingSave(game);
      game.zoo.Money = mapMoney;
      game.zoo.ZooName = chosen.ZooName;
      game.zoo.MapFileName = chosen.MapFileName;
      game.zoo.CampaignMode = chosen.CampaignMode;
      game.zoo.CampaignMap = chosen.CampaignMap;
    }
  }
  AfterMapLoad(game);

  loading.Caption("Createing Surface");
  ui.PumpMessages(1);
  if (!LoadSurfaces(game)) return fail(kSurfaceErrorMessage, "the game's pictures cannot be loaded");
  if (saved || startingSave) LoadPlacedSprites(game);

  game.clock.GameSpeed = game.settings.GameSpeedSetting;
  game.clock.TimerInterval = StartInterval(game.settings.GameSpeedSetting);
  ChooseMapMusic(game);
  game.view.CursorKind = 1;
  game.clock.GameMode = Mode::Playing;
  game.clock.TimerEnabled = true;
  game.clock.GameRunning = true;
  return {};
}

std::string StartMapDirectly(Game& game, const std::string& mapFile, const std::string& zooName, std::string* cause) {
  game.zoo.MapFileName = mapFile;
  game.zoo.ZooName = zooName;
  int number = CampaignNumber(mapFile);
  game.zoo.CampaignMode = number > 0 ? 1 : 0;
  game.zoo.CampaignMap = number;
  return StartGame(game, GameStart{}, cause);
}
