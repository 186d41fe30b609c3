#pragma once
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

// The readers take files: each fuzz input is written into one private folder,
// made on first use, reused for every run and removed at exit.
inline const std::filesystem::path& FuzzFolder() {
  static const std::filesystem::path* folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "zoovana-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) abort();
    atexit([] {
      std::error_code ec;
      std::filesystem::remove_all(FuzzFolder(), ec);
    });
    return new std::filesystem::path(pattern);  // outlives every exit handler
  }();
  return *folder;
}

inline void WriteFuzzFile(const std::string& name, const uint8_t* data, size_t size) {
  std::ofstream(FuzzFolder() / name, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}
