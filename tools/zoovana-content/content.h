#pragma once
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The content generator writes the whole game folder. Each part of the content is
// a generator function registered under a name; they run in name order, and each
// writes its files through the Output so that unchanged files are left untouched.
class Output {
 public:
  explicit Output(std::filesystem::path root) : root_(std::move(root)) {}
  // Writes bytes to a path relative to the game folder ("Graphics/Bus.bmp").
  void Write(const std::string& relative, const std::vector<uint8_t>& bytes);
  void Write(const std::string& relative, std::string_view text);
  const std::filesystem::path& Root() const { return root_; }
  int FilesWritten() const { return written_; }

 private:
  std::filesystem::path root_;
  int written_ = 0;
};

using Generator = void (*)(Output&);

// Registers a generator at static-initialisation time:
//   static RegisterGenerator reg("20-graphics-ground", &GenerateGround);
struct RegisterGenerator {
  RegisterGenerator(const char* name, Generator generator);
};
