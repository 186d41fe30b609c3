#include "scratch_output.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

void WriteThroughScratch(Output& out, const std::string& folder,
                         const std::function<IoResult(const fs::path& scratch)>& write) {
  const fs::path scratch = fs::temp_directory_path() / ("zoovana-content-" + std::to_string(getpid()));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  IoResult result = write(scratch);
  if (result.ok()) {
    for (const auto& entry : fs::directory_iterator(scratch)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      out.Write(folder + "/" + entry.path().filename().string(), bytes);
    }
  }
  fs::remove_all(scratch);
  if (!result.ok()) throw std::runtime_error(result.error);
}
