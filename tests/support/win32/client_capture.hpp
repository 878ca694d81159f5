#pragma once
// The pixels a window shows in its client area, read back from the screen, and written out as a bitmap
// file to look at.

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/gdi_object.hpp"

namespace tips_test {

enum class TCaptureArea { Client, WholeWindow };

class TClientCapture {
public:
    // The window must be shown and not covered; it is painted first. The whole window's pixels start at
    // its top-left corner, the frame's included.
    explicit TClientCapture(HWND window, TCaptureArea area = TCaptureArea::Client) {
        UpdateWindow(window);
        RECT rect{};
        if (area == TCaptureArea::Client) {
            GetClientRect(window, &rect);
        } else {
            GetWindowRect(window, &rect);
            OffsetRect(&rect, -rect.left, -rect.top);
        }
        width_ = rect.right;
        height_ = rect.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // rows top to bottom
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        std::optional<tips::platform::TWindowDC> clientDC;
        std::optional<tips::platform::TWholeWindowDC> windowDC;
        const HDC source = area == TCaptureArea::Client ? clientDC.emplace(window).get() : windowDC.emplace(window).get();
        const tips::platform::TMemoryDC memory(source);
        void* bits = nullptr;
        const tips::platform::TBitmapHandle dib(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        {
            const tips::platform::TSelectObject selected(memory.get(), dib.get());
            BitBlt(memory.get(), 0, 0, width_, height_, source, 0, 0, SRCCOPY);
            GdiFlush();
            const auto* words = static_cast<const std::uint32_t*>(bits);
            pixels_.assign(words, words + static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        }
    }

    int Width() const { return width_; }
    int Height() const { return height_; }
    // As a COLORREF (0x00BBGGRR).
    COLORREF At(int x, int y) const {
        const std::uint32_t word = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x)];
        return RGB((word >> 16) & 0xFF, (word >> 8) & 0xFF, word & 0xFF);
    }

    // A 32-bit top-down bitmap file, every pixel opaque (viewers read the fourth byte as alpha).
    void Save(const std::string& path) const {
        std::vector<std::uint32_t> opaque = pixels_;
        for (std::uint32_t& word : opaque) word |= 0xFF000000u;
        BITMAPINFOHEADER info{};
        info.biSize = sizeof(info);
        info.biWidth = width_;
        info.biHeight = -height_;
        info.biPlanes = 1;
        info.biBitCount = 32;
        info.biCompression = BI_RGB;
        const DWORD bytes = static_cast<DWORD>(opaque.size() * sizeof(std::uint32_t));
        BITMAPFILEHEADER file{};
        file.bfType = 0x4D42;  // "BM"
        file.bfOffBits = sizeof(file) + sizeof(info);
        file.bfSize = file.bfOffBits + bytes;
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(&file), sizeof(file));
        out.write(reinterpret_cast<const char*>(&info), sizeof(info));
        out.write(reinterpret_cast<const char*>(opaque.data()), static_cast<std::streamsize>(bytes));
    }

    friend bool operator==(const TClientCapture&, const TClientCapture&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace tips_test
