// Any bytes as a bitmap file: reading either fails with a format error or yields an image whose
// pixels can all be read; writing it back and reading again gives the same image.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/bitmap.hpp"
#include "skin/frame_strip.hpp"
#include "skin/skin_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto image = tips::skin::ReadBitmap(std::span<const std::uint8_t>(data, size));
        if (image.Empty()) std::abort();
        if (tips::skin::ReadBitmap(tips::skin::WriteBitmap(image)) != image) std::abort();
        const auto frame = tips::skin::CutFrame(image, 1 + size % 7, static_cast<int>(size % 5));
        if (!frame.Empty() && frame.Height() != image.Height()) std::abort();
    } catch (const tips::skin::ESkinFormatError&) {
    }
    return 0;
}
