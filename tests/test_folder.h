#pragma once
#include <filesystem>
#include <random>
#include <string>

// A fresh folder under the system's temporary folder, removed with its contents.
struct TestFolder {
  std::filesystem::path path;
  TestFolder() {
    std::random_device rd;
    path = std::filesystem::temp_directory_path() / ("zoovana-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(path);
  }
  ~TestFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;
};
