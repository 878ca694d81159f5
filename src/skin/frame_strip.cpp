#include "skin/frame_strip.hpp"

#include <algorithm>

namespace tips::skin {

FrameRect FrameOf(int imageWidth, int imageHeight, int frameCount, int index, FrameLayout layout) {
    const int count = std::max(frameCount, 1);
    if (index < 0 || index >= count || imageWidth <= 0 || imageHeight <= 0) return {};
    if (layout == FrameLayout::SideBySide) {
        const int width = imageWidth / count;
        return FrameRect{index * width, 0, width, imageHeight};
    }
    const int height = imageHeight / count;
    return FrameRect{0, index * height, imageWidth, height};
}

FrameRect FrameOf(const Image& image, int frameCount, int index, FrameLayout layout) {
    return FrameOf(image.Width(), image.Height(), frameCount, index, layout);
}

Image CutFrame(const Image& image, int frameCount, int index, FrameLayout layout) {
    const FrameRect rect = FrameOf(image, frameCount, index, layout);
    if (rect.Empty()) return {};
    return Crop(image, rect.x, rect.y, rect.width, rect.height);
}

}  // namespace tips::skin
