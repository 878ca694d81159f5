#pragma once
// Skin images as the canvas draws them: each element image converted once into a platform bitmap
// named after its element, so that recordings name the picture a painter used.

#include <map>
#include <string>

#include "platform/bitmap.hpp"
#include "skin/bitmap.hpp"

namespace tips::skin {

// A copy of `image` in direct colours.
platform::TBitmap ToCanvasBitmap(const Image& image, std::string name);

// Converted bitmaps by source image; the images must outlive the cache (they are the model's).
class TSkinBitmapCache {
public:
    const platform::TBitmap& For(const Image& image, const std::string& name);

private:
    std::map<const Image*, platform::TBitmap> bitmaps_;
};

}  // namespace tips::skin
