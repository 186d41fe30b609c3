#include "data/map_file.h"

#include <cmath>
#include <memory>

#include "data/field_stream.h"
#include "data/file_io.h"
#include "data/map_layout.h"
#include "platform/file_names.h"
#include "platform/whole_file.h"

namespace fs = std::filesystem;

namespace {

// What a map file holds of the world, read aside so that a refused file changes nothing.
struct MapGrids {
  Grid<int32_t> TileMap{};
  Grid<Land> LandMap{};
  int32_t MapWidth = 0;
  int32_t MapHeight = 0;
  FixedString<50> MapStartSave;
};

// A file name inside its folder, in whatever letter case it exists.
fs::path Resolved(const fs::path& path) { return FilePath(path.parent_path(), path.filename().string()); }

std::span<const uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

}  // namespace

fs::path MdsPathFor(const fs::path& mdtPath) {
  fs::path mds = mdtPath;
  mds.replace_extension(".mds");
  return mds;
}

IoResult LoadMap(const fs::path& mdtPath, World& world, Zoo& zoo, ScreenSize screen, TileGeometry tiles) {
  fs::path mdt = Resolved(mdtPath);
  auto bytes = ReadWholeFile(mdt);
  if (!bytes) return IoResult::Fail("cannot open " + mdt.string());
  auto grids = std::make_unique<MapGrids>();
  Zoo read = zoo;
  BinaryReader reader(Bytes(*bytes));
  MapLayout(reader, *grids, read);
  if (!reader.ok()) return IoResult::Fail(mdt.string() + ": " + reader.error());

  fs::path mds = Resolved(MdsPathFor(mdt));
  auto text = ReadWholeFile(mds);
  if (!text) return IoResult::Fail("cannot open " + mds.string());
  TextReader lines(*text);
  read.MapCaption.clear();
  read.MapText.clear();
  if (!lines.AtEnd()) lines.Line(read.MapCaption);
  std::string line;
  while (!lines.AtEnd() && lines.Next(line)) read.MapText += line;

  zoo = std::move(read);
  for (int y = 0; y < grids->MapHeight; ++y) {
    for (int x = 0; x < grids->MapWidth; ++x) {
      world.TileMap[y][x] = grids->TileMap[y][x];
      world.LandMap[y][x] = grids->LandMap[y][x];
    }
  }
  world.MapWidth = grids->MapWidth;
  world.MapHeight = grids->MapHeight;
  world.MapStartSave = grids->MapStartSave;
  DeriveMapGeometry(zoo, world, screen, tiles);
  return IoResult::Ok();
}

IoResult WriteMap(const fs::path& mdtPath, const World& world, const Zoo& zoo) {
  if (!IsOnMap(world, world.MapWidth - 1, world.MapHeight - 1) || world.MapWidth > kGridSize ||
      world.MapHeight > kGridSize) {
    return IoResult::Fail("map size " + std::to_string(world.MapWidth) + "x" + std::to_string(world.MapHeight) +
                          " outside 1..51");
  }
  BinaryWriter writer;
  MapLayout(writer, world, zoo);
  TextWriter mds;
  mds.Line(zoo.MapCaption);
  mds.Line(zoo.MapText);
  fs::path mdt = Resolved(mdtPath);
  return WriteFilesTogether({{mdt, std::string(writer.bytes.begin(), writer.bytes.end())},
                             {Resolved(MdsPathFor(mdt)), mds.text}});
}

void DeriveMapGeometry(Zoo& zoo, const World& world, ScreenSize screen, TileGeometry tiles) {
  int hw = tiles.HalfWidth(), hh = tiles.HalfHeight();
  zoo.MapPixelWidth = world.MapWidth * 2 * hw + 2;
  zoo.MapPixelHeight = world.MapHeight * 2 * hh + tiles.TileBase + 2;
  // Each cell is 2 x 2 pixels on the overview; the frame shows the share of the
  // map that fits the map area beside the panel and under the top bar.
  double w = double(screen.Width - 120) / zoo.MapPixelWidth * 2 * world.MapWidth;
  double h = double(screen.Height - 30) / zoo.MapPixelHeight * 2 * world.MapHeight;
  zoo.OverviewFrameWidth = static_cast<int32_t>(std::nearbyint(w));
  zoo.OverviewFrameHeight = static_cast<int32_t>(std::nearbyint(h));
}

std::optional<std::pair<int, int>> FindGate(const World& world) {
  for (int x = 0; x < world.MapWidth && x < kGridSize; ++x)
    for (int y = 0; y < world.MapHeight && y < kGridSize; ++y)
      if (world.LandMap[y][x] == Land::Gate) return std::make_pair(x, y);
  return std::nullopt;
}
