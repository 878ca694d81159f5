#pragma once
// A small fixed-pitch pixel font for pictures painted from code: 5 x 9 cells (capitals and digits 7
// rows high, two rows below the baseline for descenders), drawn at a whole-number scale.

#include <array>
#include <string_view>

#include "skin_canvas.hpp"

namespace tips::app::about {

using skin::Rgb;
using skin::art::SkinCanvas;

inline constexpr int kCellWidth = 5;
inline constexpr int kCellHeight = 9;
inline constexpr int kBaselineRows = 7;  // rows 0..6 stand on the baseline
inline constexpr int kCharGap = 1;      // blank columns between characters, before scaling

// Whether the font has a glyph for `ch`.
bool hasGlyph(char ch);

// The glyph's kCellHeight rows, each kCellWidth long, '#' for ink; throws std::invalid_argument for a
// character the font lacks, so that a picture never silently drops a letter.
std::array<std::string_view, kCellHeight> glyphRows(char ch);

// Width in pixels of `text` at `scale`, without the gap after the last character.
int textWidth(std::string_view text, int scale);

// Draws `text` with the top-left of its first cell at (x, y).
void drawText(SkinCanvas& canvas, int x, int y, std::string_view text, Rgb colour, int scale = 1);

}  // namespace tips::app::about
