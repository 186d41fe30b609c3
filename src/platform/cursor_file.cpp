#include "platform/cursor_file.h"

#include "platform/little_endian.h"
#include "platform/whole_file.h"

namespace {

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

}  // namespace

bool DecodeCursor(const std::vector<uint8_t>& bytes, CursorImage& out, std::string* error) {
  const size_t size = bytes.size();
  const uint8_t* d = bytes.data();
  if (size < 6 + 16 || U16(d) != 0 || (U16(d + 2) != 1 && U16(d + 2) != 2) || U16(d + 4) == 0)
    return Fail(error, "not a cursor file");
  const uint8_t* entry = d + 6;
  int hotX = U16(entry + 4), hotY = U16(entry + 6);
  uint32_t length = U32(entry + 8), offset = U32(entry + 12);
  if (offset >= size || length > size - offset || length < 40)
    return Fail(error, "cursor picture runs past the end of the file");
  const uint8_t* dib = d + offset;
  uint32_t headerSize = U32(dib);
  if (headerSize < 40 || headerSize > length) return Fail(error, "damaged cursor picture header");
  int32_t width = static_cast<int32_t>(U32(dib + 4));
  int32_t doubled = static_cast<int32_t>(U32(dib + 8));
  int bpp = U16(dib + 14);
  if (width <= 0 || width > 256 || doubled <= 0 || doubled > 512) return Fail(error, "bad cursor size");
  int height = doubled / 2;
  uint32_t colours = U32(dib + 32);
  if (bpp <= 8 && colours == 0) colours = 1u << bpp;
  if (bpp > 8) colours = 0;
  if (colours > 256) return Fail(error, "cursor palette of more than 256 colours");
  // Bit-field masks follow a short header the way a palette does.
  bool bitFields = U32(dib + 16) == 3 && headerSize < 108;
  size_t paletteBytes = static_cast<size_t>(colours) * 4 + (bitFields ? 12 : 0);
  size_t xorStride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
  size_t andStride = ((static_cast<size_t>(width) + 31) / 32) * 4;
  size_t xorBytes = xorStride * height, andBytes = andStride * height;
  if (headerSize + paletteBytes + xorBytes > length) return Fail(error, "cursor picture is cut short");

  // The picture part is an ordinary bitmap of half the stored height: give it a file
  // header and decode it as one.
  std::vector<uint8_t> bmp(14 + headerSize + paletteBytes + xorBytes);
  bmp[0] = 'B';
  bmp[1] = 'M';
  uint32_t pixelOffset = static_cast<uint32_t>(14 + headerSize + paletteBytes);
  for (int i = 0; i < 4; ++i) bmp[10 + i] = static_cast<uint8_t>(pixelOffset >> (8 * i));
  std::copy(dib, dib + headerSize + paletteBytes + xorBytes, bmp.begin() + 14);
  for (int i = 0; i < 4; ++i) bmp[14 + 8 + i] = static_cast<uint8_t>(static_cast<uint32_t>(height) >> (8 * i));
  if (!DecodeBmp(bmp.data(), bmp.size(), out.picture, error)) return false;
  out.depth = bpp;

  out.visible.assign(static_cast<size_t>(width) * height, 1);
  const uint8_t* pixels = dib + headerSize + paletteBytes;
  const uint8_t* mask = pixels + xorBytes;
  bool haveMask = headerSize + paletteBytes + xorBytes + andBytes <= length;
  // 32-bit pictures carry alpha, unless their writer left it all zero.
  bool useAlpha = false;
  for (size_t i = 3; bpp == 32 && i < xorBytes; i += 4) useAlpha = useAlpha || pixels[i] != 0;
  for (int row = 0; row < height; ++row) {
    int y = height - 1 - row;  // stored bottom-up
    for (int x = 0; x < width; ++x) {
      bool transparent = haveMask && ((mask[row * andStride + x / 8] >> (7 - x % 8)) & 1);
      if (useAlpha) transparent = transparent || pixels[row * xorStride + x * 4 + 3] == 0;
      out.visible[static_cast<size_t>(y) * width + x] = transparent ? 0 : 1;
    }
  }
  out.hotX = std::min(hotX, width - 1);
  out.hotY = std::min(hotY, height - 1);
  return true;
}

bool LoadCursorFile(const std::filesystem::path& file, CursorImage& out, std::string* error) {
  auto bytes = ReadWholeFile(file);
  if (!bytes) return Fail(error, "cannot read cursor file");
  return DecodeCursor(std::vector<uint8_t>(bytes->begin(), bytes->end()), out, error);
}
