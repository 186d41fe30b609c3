#pragma once
// Definition files written line by line, as a data author writes them: the loaders'
// tests and the fuzzers' seeds start from them.
#include <string>

#include "platform/big5.h"

// The 18 values of a Build file, in file order.
struct BuildValues {
  std::string name = "Bear house", price = "1200", initialPrice = "0", upkeep = "30", initialStock = "0",
              unitCost = "0", attraction = "40", size = "3", pixelHeight = "150", bitmap = "Cage_Bear.bmp",
              animalKind = "2", kind = "cage", staffSlots = "2", maxAnimals = "4", frames = "1", shape = "non",
              description = "A bear's den", season = "";
};

inline std::string BuildFile(const BuildValues& v) {
  const std::string values[] = {v.name,       v.price,      v.initialPrice, v.upkeep,    v.initialStock, v.unitCost,
                                v.attraction, v.size,       v.pixelHeight,  v.bitmap,    v.animalKind,   v.kind,
                                v.staffSlots, v.maxAnimals, v.frames,       v.shape,     v.description};
  std::string out;
  for (const auto& value : values) out += "// comment\r\n" + Utf8ToBig5(value) + "\r\n";
  return out + v.season + "\r\n";
}

// An Animal file: name, frame size, the two values, picture, price and feed cost,
// ten A and ten B script steps (the first B step "non"), and two calls.
inline std::string AnimalFile(const std::string& name) {
  std::string out;
  auto pair = [&](const std::string& v) { out += "#\r\n" + Utf8ToBig5(v) + "\r\n"; };
  pair(name);
  for (const char* v : {"64", "48", "3", "7", "Bear.bmp", "900", "25"}) pair(v);
  out += "#texts A\r\n";
  for (int i = 0; i < 10; ++i) out.append("a").append(std::to_string(i)).append("\r\n");
  out += "#texts B\r\nnon\r\n";
  for (int i = 1; i < 10; ++i) out.append("b").append(std::to_string(i)).append("\r\n");
  pair("bear1.wav");
  pair("non");
  return out;
}
