// The content generator makes the same bytes on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

#include "content/content_folder.h"
#include "test_folder.h"

namespace {

std::map<std::string, std::string> FilesUnder(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    std::ifstream in(entry.path(), std::ios::binary);
    files[std::filesystem::relative(entry.path(), root).string()] =
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  return files;
}

TEST(ContentGenerator, TwoRunsWriteIdenticalFolders) {
  const auto generator = ContentFolder() / "zoovana-content";
  ASSERT_TRUE(std::filesystem::exists(generator));
  TestFolder first, second;
  for (const TestFolder* f : {&first, &second}) {
    const std::string command = "\"" + generator.string() + "\" \"" + f->path.string() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
  }
  const auto a = FilesUnder(first.path), b = FilesUnder(second.path);
  EXPECT_GT(a.size(), 200u);
  ASSERT_EQ(a.size(), b.size());
  for (const auto& [name, bytes] : a) {
    auto other = b.find(name);
    ASSERT_NE(other, b.end()) << name;
    EXPECT_TRUE(bytes == other->second) << name;
  }
}

}  // namespace
