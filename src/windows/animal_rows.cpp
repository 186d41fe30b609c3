#include "windows/animal_rows.h"

#include <algorithm>

namespace {
constexpr int kSheetTop = 32, kSheetBottom = 243;  // the list sheet of "Info_W_B.bmp", inclusive
constexpr int kNameBand = 20;                      // separator and name line above a spread row

AnimalRow Spread(int i, int w, int h, int gap) {
  int y = 40 + i * h + (i + 1) * gap;
  return {50, y, w, h, 20, y - 16, w + 60, y + (h - 16) / 2, y + (h - 20) / 2, i > 0 ? y - 20 : -1};
}

AnimalRow Shared(int i, int c, int w, int h) {
  int pitch = (kSheetBottom - kSheetTop + 1) / c;
  int top = kSheetTop + i * pitch;
  int ph = std::min(h, pitch - 6), pw = h > 0 ? w * ph / h : w;
  int x = pw + 60;
  return {50, top + (pitch - ph) / 2, pw, ph, x, top + pitch / 2 - 18, x, top + pitch / 2 + 2,
          top + (pitch - 20) / 2, i > 0 ? top : -1};
}
}  // namespace

AnimalRows LayOutAnimalRows(int c, int w, int h) {
  AnimalRows rows;
  rows.count = std::clamp(c, 0, 5);
  if (rows.count == 0) return rows;
  c = rows.count;
  int gap = (220 - c * h) / (c + 1);
  bool spreadFits = gap >= (c > 1 ? kNameBand : 8) && 40 + c * (h + gap) - 1 <= kSheetBottom;
  for (int i = 0; i < c; ++i) rows.row[static_cast<size_t>(i)] = spreadFits ? Spread(i, w, h, gap) : Shared(i, c, w, h);
  return rows;
}
