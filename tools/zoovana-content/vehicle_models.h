#pragma once
// Vehicles shared by the sprite sheets and the event pictures, so the bus in a
// picture is the bus on the map.
#include "figure_model.h"

// The zoo's bus facing +x: frames 0..2 wheels turning, 3 standing with its door open.
Model BusModel(int frame);
