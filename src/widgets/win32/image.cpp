#include "widgets/win32/image.hpp"

#include <algorithm>
#include <utility>

namespace tips::widgets {

void TImage::SetPicture(platform::TBitmap picture) {
    picture_ = std::move(picture);
    FitToPicture();
    Invalidate();
}

void TImage::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    FitToPicture();
}

void TImage::FitToPicture() {
    if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

void TImage::Paint(platform::TCanvas& canvas) {
    if (picture_.Empty()) return;
    // The part of the picture the control shows, from its top-left; the rest is cut off.
    const platform::TViewRect part{0, 0, std::min(picture_.Width(), Width()), std::min(picture_.Height(), Height())};
    if (part.Right > 0 && part.Bottom > 0) canvas.DrawBitmap(picture_, part, platform::TViewPoint{0, 0});
}

}  // namespace tips::widgets
