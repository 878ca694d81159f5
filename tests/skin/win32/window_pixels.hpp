#pragma once
// The pixels of a window's whole rectangle read back from the screen, for the frame tests.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "platform/view_geometry.hpp"
#include "platform/win32/gdi_object.hpp"
#include "skin/bitmap.hpp"

namespace tips::skin::testing {

using platform::TViewRect;

class TWindowPixels {
public:
    explicit TWindowPixels(HWND window) {
        RECT rect{};
        GetWindowRect(window, &rect);
        width_ = rect.right - rect.left;
        const int height = rect.bottom - rect.top;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        HDC source = GetWindowDC(window);
        const tips::platform::TMemoryDC memory(source);
        void* bits = nullptr;
        const tips::platform::TBitmapHandle dib(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        {
            const tips::platform::TSelectObject selected(memory.get(), dib.get());
            BitBlt(memory.get(), 0, 0, width_, height, source, 0, 0, SRCCOPY);
            GdiFlush();
            const auto* words = static_cast<const std::uint32_t*>(bits);
            pixels_.assign(words, words + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height));
        }
        ReleaseDC(window, source);
    }
    Rgb At(int x, int y) const {
        const std::uint32_t word = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
        return {static_cast<std::uint8_t>(word >> 16), static_cast<std::uint8_t>(word >> 8), static_cast<std::uint8_t>(word)};
    }
    // How many pixels of the rectangle's one-pixel outline have the colour.
    int OutlineCount(const TViewRect& rect, Rgb colour) const {
        int count = 0;
        for (int x = rect.Left; x < rect.Right; ++x) {
            count += At(x, rect.Top) == colour;
            count += At(x, rect.Bottom - 1) == colour;
        }
        for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y) {
            count += At(rect.Left, y) == colour;
            count += At(rect.Right - 1, y) == colour;
        }
        return count;
    }
    int InsideCount(const TViewRect& rect, Rgb colour) const {
        int count = 0;
        for (int y = rect.Top + 1; y < rect.Bottom - 1; ++y)
            for (int x = rect.Left + 1; x < rect.Right - 1; ++x) count += At(x, y) == colour;
        return count;
    }

private:
    int width_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace tips::skin::testing
