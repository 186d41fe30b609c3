#include "data/save_game.h"

#include "data/field_stream.h"
#include "data/file_io.h"
#include "data/map_layout.h"
#include "data/save_layout.h"
#include "platform/file_names.h"
#include "platform/whole_file.h"

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
                        const SaveClock& clock) {
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

