#include <gtest/gtest.h>

#include <fstream>

#include "data/fixed_string.h"
#include "platform/big5.h"
#include "platform/file_names.h"
#include "test_folder.h"

TEST(Big5, RoundTripAndReplacement) {
  std::string zoo = "動物園的獅子ABC";
  std::string big5 = Utf8ToBig5(zoo);
  EXPECT_EQ(big5.size(), 6u * 2 + 3);
  EXPECT_EQ(Big5ToUtf8(big5), zoo);
  // A character Big5 cannot hold becomes "?", never garbage.
  EXPECT_EQ(Utf8ToBig5("a😀b"), "a?b");
  EXPECT_EQ(Big5ToUtf8(std::string("x\xFF", 2)), "x?");
}

TEST(Big5, CuttingCountsBig5BytesAndNeverSplitsACharacter) {
  EXPECT_EQ(CutToBig5Bytes("動物園", 5), "動物");
  EXPECT_EQ(CutToBig5Bytes("動物園", 6), "動物園");
  EXPECT_EQ(CutToBig5Bytes("a動物", 2), "a");
  EXPECT_EQ(CutToBig5Bytes("abcdefghijkl", 10), "abcdefghij");
  FixedString<10> name("王小明王小明");
  EXPECT_EQ(name.str(), "王小明王小");
  EXPECT_EQ(Utf8ToBig5(name.str()).size(), 10u);
}

TEST(FileNames, ResolveWithoutRegardToCaseOrSeparator) {
  TestFolder dir;
  std::filesystem::create_directories(dir.path / "Graphics" / "Sub");
  std::ofstream(dir.path / "Graphics" / "mail.BMp") << "x";
  std::ofstream(dir.path / "Graphics" / "Sub" / "HEri.Bmp") << "x";
  auto mail = ResolveFile(dir.path, "graphics/MAIL.bmp");
  ASSERT_TRUE(mail);
  EXPECT_EQ(mail->filename(), "mail.BMp");
  auto heli = ResolveFile(dir.path / "graphics", "sub\\heri.bmp");
  ASSERT_FALSE(heli.has_value());  // the folder itself must be given as it exists
  heli = ResolveFile(dir.path, "GRAPHICS\\sub\\heri.BMP");
  ASSERT_TRUE(heli);
  EXPECT_EQ(heli->filename(), "HEri.Bmp");
  EXPECT_FALSE(ResolveFile(dir.path, "Graphics/none.bmp"));
  EXPECT_FALSE(ResolveFile(dir.path / "Graphics", "../Graphics/mail.bmp"));
  // A file created after the folder was listed is found too.
  std::ofstream(dir.path / "Graphics" / "New.BMP") << "x";
  EXPECT_TRUE(ResolveFile(dir.path, "graphics/new.bmp"));
  EXPECT_EQ(FilePath(dir.path / "Graphics", "Fresh.bmp"), dir.path / "Graphics" / "Fresh.bmp");
}
