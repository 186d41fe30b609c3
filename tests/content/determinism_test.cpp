// The content generator makes the same bytes on every run.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include "content/content_folder.h"
#include "support/file_bytes.h"
#include "test_folder.h"

namespace {

std::map<std::string, std::string> FilesUnder(const std::filesystem::path& root) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    files[std::filesystem::relative(entry.path(), root).string()] = FileBytes(entry.path());
  }
  return files;
}

TEST(ContentGenerator, TwoRunsWriteIdenticalFolders) {
  const auto generator = ContentFolder() / "zoovana-content";
  ASSERT_TRUE(std::filesystem::exists(generator));
  TestFolder first, second;
  for (const TestFolder* f : {&first, &second}) {
    // Appended, not "literal" + string: GCC 12 warns falsely (-Wrestrict) on that at -O3.
    const std::string command =
        std::string("\"").append(generator.string()).append("\" \"").append(f->path.string()).append("\" > /dev/null");
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
