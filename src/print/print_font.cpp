#include "print/print_font.hpp"

#include <cstdint>
#include <cstdlib>

namespace tips::print {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t half = std::llabs(c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
    return static_cast<int>(negative ? -magnitude : magnitude);
}

int TPrintFont::Size() const { return -MulDiv(description_.Height, 72, pixelsPerInch_); }

platform::TFontDescription TPrintFont::At(int pixelsPerInch) const {
    platform::TFontDescription description = description_;
    if (pixelsPerInch != pixelsPerInch_ && pixelsPerInch > 0) description.Height = -MulDiv(Size(), pixelsPerInch, 72);
    return description;
}

void TPrintFont::SetPixelsPerInch(int pixelsPerInch) {
    if (pixelsPerInch <= 0 || pixelsPerInch == pixelsPerInch_) return;
    description_ = At(pixelsPerInch);
    pixelsPerInch_ = pixelsPerInch;
}

}  // namespace tips::print
