#pragma once
// What every test world is made of: a map of clear land and building types defined
// straight into the catalogue.
#include <string>

#include "data/catalogue.h"
#include "data/world.h"
#include "data/zoo.h"

namespace test_world {

// A width x height map of clear land on bare ground (tile 0), with the map fields
// a map file needs to read back.
inline void ClearMap(World& w, Zoo& z, int width, int height) {
  w.MapWidth = width;
  w.MapHeight = height;
  for (auto& row : w.LandMap) row.fill(Land::Clear);
  for (auto& row : w.TileMap) row.fill(0);
  z.MapPattern = "map_pat1.bmp";
  z.Economy = z.Population = 3;
  z.MapCaption = "Test";
}

// A building type of the given kind and size, named after its number.
inline BuildTypeRecord& Define(Catalogue& c, int type, int16_t kind, int size, int price = 0,
                               int16_t shape = Shape::None) {
  BuildTypeRecord& t = c.BuildType[type];
  t.Kind = kind;
  t.Shape = shape;
  t.Size = static_cast<int16_t>(size);
  t.Price = static_cast<int16_t>(price);
  t.Name.Assign("設施" + std::to_string(type));
  return t;
}

}  // namespace test_world
