#pragma once
// What every skinning object of a window draws from.

#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"
#include "skin/skin_source_properties.hpp"

namespace tips::skin::win32 {
// What every skinning object draws from: the loaded skin, the platform bitmaps made from its images
// (one cache per loaded skin) and the serving component's switches.
struct TSkinContext {
    const TSkinData& Skin;
    TSkinBitmapCache& Bitmaps;
    const TSkinSourceProperties& Properties;
};
}  // namespace tips::skin::win32
