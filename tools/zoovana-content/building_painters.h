#pragma once
// Painters of the building pictures of tool groups 2 and 4 (shops, decorations,
// offices). Each paints one animation frame of one catalogue entry onto a canvas of
// one frame's size; gen_art_buildings.cpp stacks the frames and writes the files.
#include "building_kit.h"
#include "catalogue_table.h"

using BuildingPainter = void (*)(const Iso& iso, const BuildingEntry& e, int frame);

void PaintShop(const Iso& iso, const BuildingEntry& e, int frame);       // every kind of shop and the toilets
void PaintBench(const Iso& iso, const BuildingEntry& e, int frame);      // both benches, both styles
void PaintSignboard(const Iso& iso, const BuildingEntry& e, int frame);  // signpost and map board
void PaintStatue(const Iso& iso, const BuildingEntry& e, int frame);     // statues and the clock tower
void PaintWater(const Iso& iso, const BuildingEntry& e, int frame);      // drinking water, fountains, ponds
void PaintOffice(const Iso& iso, const BuildingEntry& e, int frame);     // management and director's offices

// Text on a shop's sign: the type's name without the word for shop or stall.
std::string SignText(const BuildingEntry& e);
