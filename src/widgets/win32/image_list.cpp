#include "widgets/win32/image_list.hpp"

#include <cstddef>
#include <cstdint>

#include "platform/win32/gdi_object.hpp"

namespace tips::widgets {

namespace {

// A 24-bit bottom-up DIB of the image, for the image list to copy.
platform::TBitmapHandle DibOf(const skin::Image& image) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.Width();
    info.bmiHeader.biHeight = image.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::TBitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr) return bitmap;
    const int stride = (image.Width() * 3 + 3) & ~3;
    auto* rows = static_cast<std::uint8_t*>(bits);
    for (int y = 0; y < image.Height(); ++y) {
        std::uint8_t* row = rows + static_cast<std::ptrdiff_t>(image.Height() - 1 - y) * stride;
        for (int x = 0; x < image.Width(); ++x) {
            const skin::Rgb c = image.At(x, y);
            row[x * 3] = c.b;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.r;
        }
    }
    return bitmap;
}

}  // namespace

TImageList::~TImageList() {
    if (handle_ != nullptr) ImageList_Destroy(handle_);
}

void TImageList::Assign(const skin::Image& strip, int size) {
    if (handle_ != nullptr) ImageList_Destroy(handle_);
    handle_ = nullptr;
    if (size <= 0 || strip.Empty()) return;
    handle_ = ImageList_Create(size, size, ILC_COLOR24 | ILC_MASK, strip.Width() / size, 0);
    if (handle_ == nullptr) return;
    const platform::TBitmapHandle bitmap = DibOf(strip);
    if (bitmap) ImageList_AddMasked(handle_, bitmap.get(), RGB(255, 0, 255));
}

int TImageList::Count() const { return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0; }

}  // namespace tips::widgets
