#pragma once
#include <cstdint>

// Building types, enclosure walk masks and animal species read from the data folder.
struct Catalogue {
  int32_t CampaignMapCount = 0;  // campaign maps named in info.dat
};
