#pragma once
// Who the people are: the 13 visitor looks and the staff uniforms.
#include <vector>

#include "person_model.h"

// Visitor looks in the order of "parsons1.bmp".."parsons13.bmp".
const std::vector<PersonLook>& VisitorLooks();

enum class StaffRole : uint8_t { kCleaner, kMaintenance, kResearcher, kKeeper, kKeeper2, kClerk };
PersonLook StaffLook(StaffRole role);
