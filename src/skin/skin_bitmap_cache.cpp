#include "skin/skin_bitmap_cache.hpp"

#include <utility>

namespace tips::skin {

platform::TBitmap ToCanvasBitmap(const Image& image, std::string name) {
    platform::TBitmap bitmap(std::move(name), image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb pixel = image.At(x, y);
            bitmap.Set(x, y, platform::RgbColor(pixel.r, pixel.g, pixel.b));
        }
    }
    return bitmap;
}

const platform::TBitmap& TSkinBitmapCache::For(const Image& image, const std::string& name) {
    const auto found = bitmaps_.find(&image);
    if (found != bitmaps_.end()) return found->second;
    return bitmaps_.emplace(&image, ToCanvasBitmap(image, name)).first->second;
}

}  // namespace tips::skin
