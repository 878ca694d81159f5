#pragma once
// Skin images: uncompressed 24-bit Windows bitmaps read into memory (and written, for the build's
// skin generator and for unpacking).

#include <cstdint>
#include <span>
#include <vector>

namespace tips::skin {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Magenta: the colour that skin images paint where the background is to show through.
inline constexpr Rgb kTransparentColour{255, 0, 255};

// A 24-bit image, rows top to bottom. An empty image (0 × 0) stands for "no image".
class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }

    // (x, y) must lie inside the image.
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Rgb colour) { pixels_[Index(x, y)] = colour; }

    friend bool operator==(const Image&, const Image&) = default;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<Rgb> pixels_;
};

// Reads a bitmap file's bytes ("BM" header, an info header of 12 or at least 40 bytes, 24 bits per pixel,
// no compression; rows bottom-up or, with a negative height, top-down, each padded to 4 bytes; the last
// row's padding may be missing). Throws ESkinFormatError for anything else or for data that runs short.
Image ReadBitmap(std::span<const std::uint8_t> file);

// Writes a bottom-up 24-bit bitmap file with a 40-byte info header.
std::vector<std::uint8_t> WriteBitmap(const Image& image);

// The image flipped left to right.
Image MirrorLeftRight(const Image& image);

// The part of `image` at (x, y) of the given size, clipped to the image.
Image Crop(const Image& image, int x, int y, int width, int height);

}  // namespace tips::skin
