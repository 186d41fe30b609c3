#pragma once
#include <filesystem>

#include "data/catalogue.h"
#include "data/io_result.h"

// Readers of the definition files in the data folder. Each reads one file into its
// catalogue entry; a failed read leaves the entry as it was.

// Build<n>.dat into BuildType[n]. A missing file is not an error (the entry keeps
// what it held).
IoResult LoadBuildType(Catalogue& catalogue, const std::filesystem::path& dataDir, int n);

// BuildP<n>.dat into the walk mask of enclosure type n (80..129). A missing file is
// not an error.
IoResult LoadBuildPattern(Catalogue& catalogue, const std::filesystem::path& dataDir, int n);

// Animal<n>.dat into AnimalType[n]; the file must exist.
IoResult LoadAnimalType(Catalogue& catalogue, const std::filesystem::path& dataDir, int n);

// info.dat: species count, campaign map count and the two flags per species. On an
// error the values read so far stay and the rest keep their previous values; the
// result still tells what went wrong. More than 51 species are cut to 51.
IoResult LoadInfo(Catalogue& catalogue, const std::filesystem::path& dataDir);

// The keeper and clerk records after the species table, from the staff figure
// constants.
void FillStaffFigures(Catalogue& catalogue);

// What the start of every game reads: all building types (with the enclosures'
// walk masks) in order, then the AnimalTypeCount species, and fills the staff
// figures' records. Stops at the first error; the caller shows
// kDataReadErrorMessage and ends the program.
IoResult LoadDefinitions(Catalogue& catalogue, const std::filesystem::path& dataDir);
