#include "skin/bitmap.hpp"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <string>

#include "base/byte_reader.hpp"
#include "skin/skin_error.hpp"

namespace tips::skin {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;

std::uint64_t RowStride(std::uint64_t width) { return (width * 3 + 3) / 4 * 4; }

[[noreturn]] void Fail(const std::string& what) { throw ESkinFormatError("bitmap: " + what); }

}  // namespace

Image::Image(int width, int height, Rgb fill) {
    if (width < 0 || height < 0) throw std::invalid_argument("image size must not be negative");
    if (width > 0 && height > 0) {
        width_ = width;
        height_ = height;
        pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    }
}

Image ReadBitmap(std::span<const std::uint8_t> file) {
    base::TByteReader reader(file);
    if (reader.U16() != 0x4D42) Fail(reader.Ok() ? "not a bitmap file" : "file too short");
    reader.Skip(8);  // file size and reserved words: writers disagree on them, the headers below decide
    const std::uint32_t pixelOffset = reader.U32();
    const std::uint32_t infoSize = reader.U32();

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = kUncompressed;
    if (infoSize == kCoreHeaderSize) {
        width = reader.U16();
        height = reader.U16();
        planes = reader.U16();
        bitsPerPixel = reader.U16();
    } else if (infoSize >= kInfoHeaderSize) {
        width = reader.I32();
        height = reader.I32();
        planes = reader.U16();
        bitsPerPixel = reader.U16();
        compression = reader.U32();
    } else {
        Fail("unknown info header size " + std::to_string(infoSize));
    }
    if (!reader.Ok()) Fail("header truncated");
    if (planes != 1 || bitsPerPixel != 24) Fail("only 24-bit images are read");
    if (compression != kUncompressed) Fail("compressed images are not read");

    const bool topDown = height < 0;
    const std::int64_t rows = topDown ? -height : height;
    if (width <= 0 || rows == 0) Fail("empty image");
    if (width > std::numeric_limits<int>::max() || rows > std::numeric_limits<int>::max()) Fail("image too large");

    const std::uint64_t stride = RowStride(static_cast<std::uint64_t>(width));
    const std::uint64_t needed = stride * static_cast<std::uint64_t>(rows - 1) + static_cast<std::uint64_t>(width) * 3;
    if (pixelOffset < kFileHeaderSize + infoSize || pixelOffset > file.size() || needed > file.size() - pixelOffset) {
        Fail("pixel data lies outside the file");
    }

    Image image(static_cast<int>(width), static_cast<int>(rows));
    for (int y = 0; y < image.Height(); ++y) {
        const int sourceRow = topDown ? y : image.Height() - 1 - y;
        const std::uint8_t* row = file.data() + pixelOffset + stride * static_cast<std::uint64_t>(sourceRow);
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint8_t* pixel = row + 3 * x;
            image.Set(x, y, Rgb{pixel[2], pixel[1], pixel[0]});
        }
    }
    return image;
}

std::vector<std::uint8_t> WriteBitmap(const Image& image) {
    const std::uint64_t stride = RowStride(static_cast<std::uint64_t>(image.Width()));
    const std::uint64_t pixelBytes = stride * static_cast<std::uint64_t>(image.Height());
    const std::uint64_t fileSize = kFileHeaderSize + kInfoHeaderSize + pixelBytes;
    if (fileSize > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("image too large for a bitmap file");

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(fileSize));
    base::AppendLittle<std::uint16_t>(out, 0x4D42);
    base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(fileSize));
    base::AppendLittle<std::uint32_t>(out, 0);
    base::AppendLittle<std::uint32_t>(out, kFileHeaderSize + kInfoHeaderSize);
    base::AppendLittle<std::uint32_t>(out, kInfoHeaderSize);
    base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(image.Width()));
    base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(image.Height()));
    base::AppendLittle<std::uint16_t>(out, 1);
    base::AppendLittle<std::uint16_t>(out, 24);
    base::AppendLittle<std::uint32_t>(out, kUncompressed);
    base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(pixelBytes));
    base::AppendLittle<std::uint32_t>(out, 2835);  // 72 pixels per inch, both ways
    base::AppendLittle<std::uint32_t>(out, 2835);
    base::AppendLittle<std::uint32_t>(out, 0);
    base::AppendLittle<std::uint32_t>(out, 0);
    for (int y = image.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb pixel = image.At(x, y);
            out.insert(out.end(), {pixel.b, pixel.g, pixel.r});
        }
        out.resize(out.size() + (stride - static_cast<std::uint64_t>(image.Width()) * 3), 0);
    }
    return out;
}

Image MirrorLeftRight(const Image& image) {
    Image mirrored(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) mirrored.Set(image.Width() - 1 - x, y, image.At(x, y));
    }
    return mirrored;
}

Image Crop(const Image& image, int x, int y, int width, int height) {
    const int left = std::clamp(x, 0, image.Width());
    const int top = std::clamp(y, 0, image.Height());
    const int right = std::clamp(static_cast<int>(std::min<std::int64_t>(std::int64_t{x} + std::max(width, 0), image.Width())), left, image.Width());
    const int bottom = std::clamp(static_cast<int>(std::min<std::int64_t>(std::int64_t{y} + std::max(height, 0), image.Height())), top, image.Height());
    Image part(right - left, bottom - top);
    for (int row = 0; row < part.Height(); ++row) {
        for (int column = 0; column < part.Width(); ++column) part.Set(column, row, image.At(left + column, top + row));
    }
    return part;
}

}  // namespace tips::skin
