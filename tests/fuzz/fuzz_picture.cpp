// Pictures: the input is read both as a BMP and as a .cur file.
#include <vector>

#include "platform/cursor_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Surface picture;
  (void)DecodeBmp(data, size, picture);
  CursorImage cursor;
  (void)DecodeCursor(std::vector<uint8_t>(data, data + size), cursor);
  return 0;
}
