#include "data/save_game.h"

#include "data/field_stream.h"
#include "data/file_io.h"
#include "data/map_layout.h"
#include "data/save_layout.h"
#include "platform/file_names.h"
#include "shell/game.h"

namespace fs = std::filesystem;

namespace {

std::string FileOf(std::string_view name, const char* extension) { return std::string(name) + extension; }

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::string AsString(const std::vector<uint8_t>& bytes) { return std::string(bytes.begin(), bytes.end()); }

// The file's bytes, or a failure naming it.
IoResult Read(const fs::path& folder, const std::string& file, std::string& out) {
  auto path = ResolveFile(folder, file);
  auto bytes = path ? ReadWholeFile(*path) : std::nullopt;
  if (!bytes) return IoResult::Fail("cannot open " + (folder / file).string());
  out = std::move(*bytes);
  return IoResult::Ok();
}

template <typename Reader>
IoResult Outcome(const Reader& reader, const std::string& file) {
  return reader.ok() ? IoResult::Ok() : IoResult::Fail(file + ": " + reader.error());
}

}  // namespace

bool IsSafeSaveName(std::string_view name) {
  if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
  for (unsigned char c : name)
    if (c < 0x20 || c == 0x7F || c == '/' || c == '\\') return false;
  return true;
}

IoResult WriteSavedGame(const fs::path& folder, std::string_view name, const World& world, const Zoo& zoo,
                        const Clock& clock) {
  if (!IsSafeSaveName(name)) return IoResult::Fail("unusable save name \"" + std::string(name) + "\"");
  if (!IsOnMap(world, world.MapWidth - 1, world.MapHeight - 1) || world.MapWidth > kGridSize ||
      world.MapHeight > kGridSize)
    return IoResult::Fail("map size outside 1..51");
  BinaryWriter aps;
  ApsLayout(aps, world, zoo, clock);
  TextWriter apm;
  ApmLayout(apm, world, zoo);
  BinaryWriter app;
  AppLayout(app, world, zoo, false);
  std::error_code ec;
  fs::create_directories(folder, ec);
  return WriteFilesTogether({{FilePath(folder, FileOf(name, ".aps")), AsString(aps.bytes)},
                             {FilePath(folder, FileOf(name, ".apm")), apm.text},
                             {FilePath(folder, FileOf(name, ".app")), AsString(app.bytes)}});
}

IoResult SaveGame(const Game& game, std::string_view name) {
  return WriteSavedGame(game.folders.SaveDir, name, game.world, game.zoo, game.clock);
}

std::unique_ptr<SavedState> ScratchOf(const Game& game) {
  auto state = std::make_unique<SavedState>();
  state->world = game.world;
  state->zoo = game.zoo;
  state->clock = game.clock;
  return state;
}

IoResult LoadGame(SavedState& state, const fs::path& folder, std::string_view name) {
  if (!IsSafeSaveName(name)) return IoResult::Fail("unusable save name \"" + std::string(name) + "\"");
  std::string aps, apm;
  if (IoResult r = Read(folder, FileOf(name, ".aps"), aps); !r.ok()) return r;
  if (IoResult r = Read(folder, FileOf(name, ".apm"), apm); !r.ok()) return r;
  BinaryReader binary(Bytes(aps));
  ApsLayout(binary, state.world, state.zoo, state.clock);
  if (!binary.ok()) return Outcome(binary, FileOf(name, ".aps"));
  TextReader text(apm);
  ApmLayout(text, state.world, state.zoo);
  return Outcome(text, FileOf(name, ".apm"));
}

IoResult LoadGameApp(SavedState& state, const fs::path& folder, std::string_view name, bool fromMapSave) {
  if (!IsSafeSaveName(name)) return IoResult::Fail("unusable save name \"" + std::string(name) + "\"");
  std::string app;
  if (IoResult r = Read(folder, FileOf(name, ".app"), app); !r.ok()) return r;
  BinaryReader binary(Bytes(app));
  AppLayout(binary, state.world, state.zoo, fromMapSave);
  return Outcome(binary, FileOf(name, ".app"));
}

IoResult ReadSavedGame(SavedState& state, const Folders& folders, std::string_view name, bool fromMapSave,
                       ScreenSize screen) {
  const fs::path& folder = fromMapSave ? folders.MapSaveDir : folders.SaveDir;
  // A starting save applies to the map already loaded; any other save names its map.
  int mapWidth = state.world.MapWidth, mapHeight = state.world.MapHeight;
  if (IoResult r = LoadGame(state, folder, name); !r.ok()) return r;
  int savedWidth = state.world.MapWidth, savedHeight = state.world.MapHeight;
  if (!fromMapSave) {
    auto map = ResolveFile(folders.MapsDir, state.zoo.MapFileName);
    if (!map) return IoResult::Fail("the save's map \"" + state.zoo.MapFileName + "\" is missing");
    if (IoResult r = LoadMap(*map, state.world, state.zoo, screen); !r.ok()) return r;
    mapWidth = state.world.MapWidth;
    mapHeight = state.world.MapHeight;
  }
  if (mapWidth != savedWidth || mapHeight != savedHeight)
    return IoResult::Fail("the save is of a " + std::to_string(savedWidth) + "x" + std::to_string(savedHeight) +
                          " map, its map is " + std::to_string(mapWidth) + "x" + std::to_string(mapHeight));
  if (IoResult r = LoadGameApp(state, folder, name, fromMapSave); !r.ok()) return r;
  // The .app keeps the palette flags but not the research flags: a type on the
  // palette is no longer research to do.
  if (!fromMapSave) {
    for (int t = 0; t < kBuildTypes; ++t)
      if (state.zoo.TypeAvailable[t] == 1) state.zoo.TypeResearchPending[t] = 0;
  }
  return IoResult::Ok();
}

void PutSavedGame(Game& game, const SavedState& state) {
  // Exactly the fields the map and the three files hold go across, through the
  // same layouts: whatever they do not hold keeps the game's value.
  BinaryWriter binary;
  MapLayout(binary, state.world, state.zoo);
  ApsLayout(binary, state.world, state.zoo, state.clock);
  AppLayout(binary, state.world, state.zoo, false);
  TextWriter text;
  ApmLayout(text, state.world, state.zoo);

  BinaryReader binaryIn(binary.bytes);
  MapLayout(binaryIn, game.world, game.zoo);
  ApsLayout(binaryIn, game.world, game.zoo, game.clock);
  AppLayout(binaryIn, game.world, game.zoo, false);
  TextReader textIn(text.text);
  ApmLayout(textIn, game.world, game.zoo);

  // What the map brings beside its file, and the research flags as fixed on reading.
  game.zoo.MapCaption = state.zoo.MapCaption;
  game.zoo.MapText = state.zoo.MapText;
  game.zoo.MapPixelWidth = state.zoo.MapPixelWidth;
  game.zoo.MapPixelHeight = state.zoo.MapPixelHeight;
  game.zoo.OverviewFrameWidth = state.zoo.OverviewFrameWidth;
  game.zoo.OverviewFrameHeight = state.zoo.OverviewFrameHeight;
  game.zoo.TypeResearchPending = state.zoo.TypeResearchPending;
}

IoResult LoadSavedGame(Game& game, std::string_view name, bool fromMapSave, ScreenSize screen) {
  auto state = ScratchOf(game);
  if (IoResult r = ReadSavedGame(*state, game.folders, name, fromMapSave, screen); !r.ok()) return r;
  PutSavedGame(game, *state);
  return IoResult::Ok();
}
