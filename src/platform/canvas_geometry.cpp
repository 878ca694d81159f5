#include "platform/canvas_geometry.hpp"

#include <cstdint>

namespace tips::platform {

namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRound(std::int64_t a, std::int64_t b, std::int64_t c) {
    std::int64_t product = a * b;
    if (c < 0) {
        product = -product;
        c = -c;
    }
    const std::int64_t half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : -((-product + half) / c));
}

}  // namespace

TViewPoint TMapping::ToDevice(TViewPoint logical) const {
    return {MulDivRound(logical.X - WindowOrigin.X, ViewportExtent.Width, WindowExtent.Width) + ViewportOrigin.X,
            MulDivRound(logical.Y - WindowOrigin.Y, ViewportExtent.Height, WindowExtent.Height) + ViewportOrigin.Y};
}

void TMapping::Validate() const {
    if (WindowExtent.Width == 0 || WindowExtent.Height == 0 || ViewportExtent.Width == 0 ||
        ViewportExtent.Height == 0) {
        throw std::invalid_argument("mapping extent of 0");
    }
}

}  // namespace tips::platform
