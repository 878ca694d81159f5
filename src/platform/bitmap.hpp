#pragma once
// A picture a canvas can draw: direct colours (0x00BBGGRR), rows top to bottom, and a name that
// recordings show instead of the pixels.

#include <cstddef>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/color.hpp"
#include "platform/view_geometry.hpp"

namespace tips::platform {

class TBitmap {
public:
    TBitmap() = default;
    TBitmap(std::string name, int width, int height, TColor fill = clBlack)
        : name_(std::move(name)), width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
          pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill & 0xFFFFFF) {}

    const std::string& Name() const { return name_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // Whether `part` lies inside the bitmap (canvases refuse to draw parts that do not).
    bool Holds(const TViewRect& part) const {
        return part.Left >= 0 && part.Top >= 0 && part.Right <= width_ && part.Bottom <= height_;
    }

    // (x, y) must lie inside the bitmap.
    TColor At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, TColor color) { pixels_[Index(x, y)] = color & 0xFFFFFF; }
    // Row after row, each Width() long.
    std::span<const TColor> Pixels() const { return pixels_; }

    friend bool operator==(const TBitmap&, const TBitmap&) = default;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    std::string name_;
    int width_ = 0;
    int height_ = 0;
    std::vector<TColor> pixels_;
};

}  // namespace tips::platform
