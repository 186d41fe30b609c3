#pragma once
#include <cstdint>
#include <cstring>
#include <string>

// A fuzz input for the save reader: one flag byte (bit 0: map-save form), the
// .aps and .apm lengths as 32-bit values, then the .aps, .apm and .app bytes.
struct SaveParts {
  bool fromMapSave = false;
  std::string aps, apm, app;
};

inline bool UnpackSave(const uint8_t* data, size_t size, SaveParts& out) {
  if (size < 9) return false;
  uint32_t apsSize, apmSize;
  std::memcpy(&apsSize, data + 1, 4);
  std::memcpy(&apmSize, data + 5, 4);
  size_t rest = size - 9;
  if (apsSize > rest || apmSize > rest - apsSize) return false;
  const char* p = reinterpret_cast<const char*>(data + 9);
  out.fromMapSave = data[0] & 1;
  out.aps.assign(p, apsSize);
  out.apm.assign(p + apsSize, apmSize);
  out.app.assign(p + apsSize + apmSize, rest - apsSize - apmSize);
  return true;
}

inline std::string PackSave(const SaveParts& in) {
  std::string out(1, in.fromMapSave ? '\1' : '\0');
  uint32_t sizes[2] = {static_cast<uint32_t>(in.aps.size()), static_cast<uint32_t>(in.apm.size())};
  out.append(reinterpret_cast<const char*>(sizes), sizeof sizes);
  return out + in.aps + in.apm + in.app;
}
