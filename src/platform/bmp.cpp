#include <fstream>
#include <iterator>

#include "platform/surface.h"

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}

// Expands a channel taken out of a bit mask to 8 bits.
int Channel(uint32_t value, uint32_t mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!(mask & 1u)) { mask >>= 1; ++shift; }
  int bits = 0;
  while (mask & (1u << bits)) ++bits;
  uint32_t v = (value >> shift) & mask;
  return bits >= 8 ? static_cast<int>(v >> (bits - 8)) : static_cast<int>((v * 255u) / mask);
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Surface& out, std::string* error) {
  if (size < 26 || data[0] != 'B' || data[1] != 'M') return Fail(error, "not a BMP file");
  uint32_t pixelOffset = U32(data + 10);
  uint32_t headerSize = U32(data + 14);
  if (headerSize < 12 || 14ull + headerSize > size) return Fail(error, "damaged BMP header");
  int64_t width, height;
  int bpp;
  uint32_t compression = 0, paletteCount = 0;
  if (headerSize == 12) {
    width = U16(data + 18);
    height = static_cast<int16_t>(U16(data + 20));
    bpp = U16(data + 24);
  } else {
    if (size < 54) return Fail(error, "damaged BMP header");
    width = static_cast<int32_t>(U32(data + 18));
    height = static_cast<int32_t>(U32(data + 22));
    bpp = U16(data + 28);
    compression = U32(data + 30);
    paletteCount = U32(data + 46);
  }
  bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0 || width > 16384 || height > 16384) return Fail(error, "bad BMP size");
  if (compression != 0 && compression != 3) return Fail(error, "compressed BMP not supported");

  uint32_t masks[3] = {0, 0, 0};
  if (bpp == 16) { masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F; }
  if (bpp == 32) { masks[0] = 0xFF0000; masks[1] = 0xFF00; masks[2] = 0xFF; }
  if (compression == 3) {
    if (bpp != 16 && bpp != 32) return Fail(error, "bad BMP bit fields");
    // Masks follow a 40-byte header, or sit inside a larger one.
    if (14ull + 40 + 12 > size) return Fail(error, "damaged BMP header");
    for (int i = 0; i < 3; ++i) masks[i] = U32(data + 54 + 4 * i);
  }

  std::vector<Color16> palette;
  if (bpp <= 8) {
    size_t entries = paletteCount ? paletteCount : (1u << bpp);
    if (entries > 256) return Fail(error, "bad BMP palette");
    size_t entrySize = headerSize == 12 ? 3 : 4;
    size_t at = 14 + headerSize;
    if (at + entries * entrySize > size) return Fail(error, "damaged BMP palette");
    for (size_t i = 0; i < entries; ++i) {
      const uint8_t* e = data + at + i * entrySize;
      palette.push_back(Rgb565(e[2], e[1], e[0]));
    }
    palette.resize(256, 0);
  } else if (bpp != 16 && bpp != 24 && bpp != 32) {
    return Fail(error, "unsupported BMP depth");
  }

  size_t stride = ((static_cast<size_t>(width) * bpp + 31) / 32) * 4;
  if (pixelOffset > size || stride * static_cast<size_t>(height) > size - pixelOffset)
    return Fail(error, "BMP ends early");

  Surface s(static_cast<int>(width), static_cast<int>(height));
  for (int64_t row = 0; row < height; ++row) {
    const uint8_t* src = data + pixelOffset + stride * static_cast<size_t>(row);
    int y = static_cast<int>(topDown ? row : height - 1 - row);
    Color16* dst = s.Row(y);
    for (int64_t x = 0; x < width; ++x) {
      switch (bpp) {
        case 1: dst[x] = palette[(src[x / 8] >> (7 - x % 8)) & 1]; break;
        case 4: dst[x] = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 15]; break;
        case 8: dst[x] = palette[src[x]]; break;
        case 16: {
          uint32_t v = U16(src + 2 * x);
          dst[x] = Rgb565(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]));
          break;
        }
        case 24: dst[x] = Rgb565(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
        default: {
          uint32_t v = U32(src + 4 * x);
          dst[x] = Rgb565(Channel(v, masks[0]), Channel(v, masks[1]), Channel(v, masks[2]));
          break;
        }
      }
    }
  }
  out = std::move(s);
  return true;
}

bool LoadBmp(const std::filesystem::path& file, Surface& out, std::string* error) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return Fail(error, "no such picture");
  std::ifstream in(file, std::ios::binary);
  if (!in) return Fail(error, "cannot open picture");
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return DecodeBmp(bytes.data(), bytes.size(), out, error);
}
