#include "skin_canvas.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace tips::skin::art {

namespace {

std::uint8_t clampByte(int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); }

}  // namespace

Rgb mix(Rgb a, Rgb b, int numerator, int denominator) {
    if (denominator == 0) return a;
    auto channel = [&](int from, int to) { return clampByte(from + (to - from) * numerator / denominator); };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Rgb lighter(Rgb c, int amount) { return {clampByte(c.r + amount), clampByte(c.g + amount), clampByte(c.b + amount)}; }

Rgb darker(Rgb c, int amount) { return lighter(c, -amount); }

SkinCanvas::SkinCanvas(int width, int height, Rgb fill)
    : width_(width), height_(height), image_(width, height, fill) {
    if (width <= 0 || height <= 0) throw std::invalid_argument("canvas size must be positive");
}

Rgb SkinCanvas::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the canvas");
    return image_.At(x, y);
}

void SkinCanvas::set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    image_.Set(x, y, c);
}

void SkinCanvas::fill(int x, int y, int w, int h, Rgb c) {
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) set(col, row, c);
}

void SkinCanvas::hline(int x, int y, int w, Rgb c) { fill(x, y, w, 1, c); }

void SkinCanvas::vline(int x, int y, int h, Rgb c) { fill(x, y, 1, h, c); }

void SkinCanvas::outline(int x, int y, int w, int h, Rgb c) {
    hline(x, y, w, c);
    hline(x, y + h - 1, w, c);
    vline(x, y, h, c);
    vline(x + w - 1, y, h, c);
}

void SkinCanvas::verticalRamp(int x, int y, int w, int h, Rgb top, Rgb bottom) {
    for (int row = 0; row < h; ++row) hline(x, y + row, w, mix(top, bottom, row, std::max(1, h - 1)));
}

void SkinCanvas::horizontalRamp(int x, int y, int w, int h, Rgb left, Rgb right) {
    for (int col = 0; col < w; ++col) vline(x + col, y, h, mix(left, right, col, std::max(1, w - 1)));
}

void SkinCanvas::roundCorners(int x, int y, int w, int h, int radius) {
    // Pixels cut per row from each side, for the first `radius` rows.
    static constexpr int cuts[4][3] = {{0, 0, 0}, {1, 0, 0}, {2, 1, 0}, {3, 1, 1}};
    const int r = std::clamp(radius, 0, 3);
    for (int row = 0; row < r; ++row) {
        const int cut = cuts[r][row];
        for (int i = 0; i < cut; ++i) {
            set(x + i, y + row, kTransparent);
            set(x + w - 1 - i, y + row, kTransparent);
            set(x + i, y + h - 1 - row, kTransparent);
            set(x + w - 1 - i, y + h - 1 - row, kTransparent);
        }
    }
}

void SkinCanvas::glyph(int x, int y, std::string_view pattern, Rgb c) {
    int row = 0, col = 0;
    for (const char ch : pattern) {
        if (ch == '\n') {
            ++row;
            col = 0;
            continue;
        }
        if (ch == '#') set(x + col, y + row, c);
        ++col;
    }
}

void SkinCanvas::arrow(int x, int y, int w, int h, char d, int size, Rgb c) {
    // `size` is the number of rows (or columns) of the triangle; its base is 2 * size - 1 long.
    const int cx = x + w / 2, cy = y + h / 2;
    for (int i = 0; i < size; ++i) {
        const int half = (d == 'u' || d == 'l') ? i : size - 1 - i;
        const int offset = i - size / 2;
        if (d == 'u' || d == 'd')
            hline(cx - half, cy + offset, 2 * half + 1, c);
        else
            vline(cx + offset, cy - half, 2 * half + 1, c);
    }
}

void SkinCanvas::paste(const SkinCanvas& from, int x, int y) {
    for (int row = 0; row < from.height_; ++row)
        for (int col = 0; col < from.width_; ++col) set(x + col, y + row, from.pixel(col, row));
}

SkinCanvas SkinCanvas::mirrored() const {
    SkinCanvas out(width_, height_);
    for (int row = 0; row < height_; ++row)
        for (int col = 0; col < width_; ++col) out.set(width_ - 1 - col, row, pixel(col, row));
    return out;
}

FrameStrip::FrameStrip(int frameWidth, int frameHeight, int count, Layout layout)
    : frameWidth_(frameWidth),
      frameHeight_(frameHeight),
      layout_(layout),
      strip_(layout == Layout::sideBySide ? frameWidth * count : frameWidth,
             layout == Layout::sideBySide ? frameHeight : frameHeight * count) {}

void FrameStrip::put(int index, const SkinCanvas& frame) {
    if (frame.width() != frameWidth_ || frame.height() != frameHeight_)
        throw std::invalid_argument("frame size does not match the strip");
    if (layout_ == Layout::sideBySide)
        strip_.paste(frame, index * frameWidth_, 0);
    else
        strip_.paste(frame, 0, index * frameHeight_);
}

}  // namespace tips::skin::art
