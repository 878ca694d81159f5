#include "bookmark_glyphs.hpp"

#include <array>
#include <cstdint>

namespace tips::glyphs {

namespace {

using platform::TColor;

constexpr TColor kFace = platform::RgbColor(192, 192, 192);
constexpr TColor kLight = platform::RgbColor(255, 255, 255);
constexpr TColor kShadow = platform::RgbColor(128, 128, 128);
constexpr TColor kInk = platform::RgbColor(0, 0, 0);

// Digits 5 pixels wide and 7 high, one row a byte, the high bit of the low five the leftmost pixel.
constexpr std::array<std::array<std::uint8_t, 7>, 10> kDigits{{
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E},  // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},  // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},  // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},  // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},  // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},  // 5
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},  // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},  // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},  // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},  // 9
}};

void PaintTile(platform::TBitmap& bitmap, int index) {
    const int left = index * kBookmarkGlyphWidth;
    const int right = left + kBookmarkGlyphWidth - 1;
    const int bottom = kBookmarkGlyphHeight - 1;
    for (int y = 0; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            TColor color = kFace;
            if (x == right || y == bottom) {
                color = kShadow;
            } else if (x == left || y == 0) {
                color = kLight;
            }
            bitmap.Set(x, y, color);
        }
    }
    // The digit centred on the face (inside the one-pixel rims).
    const int digitLeft = left + (kBookmarkGlyphWidth - 5) / 2;
    const int digitTop = (kBookmarkGlyphHeight - 7) / 2;
    for (int row = 0; row < 7; ++row) {
        for (int column = 0; column < 5; ++column) {
            if ((kDigits[static_cast<std::size_t>(index)][static_cast<std::size_t>(row)] >> (4 - column)) & 1) {
                bitmap.Set(digitLeft + column, digitTop + row, kInk);
            }
        }
    }
}

}  // namespace

platform::TBitmap PaintBookmarkGlyphs() {
    platform::TBitmap bitmap(kBookmarkGlyphsName, kBookmarkGlyphCount * kBookmarkGlyphWidth, kBookmarkGlyphHeight, kFace);
    for (int i = 0; i < kBookmarkGlyphCount; ++i) PaintTile(bitmap, i);
    return bitmap;
}

}  // namespace tips::glyphs
