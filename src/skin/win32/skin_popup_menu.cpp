#include "skin/win32/skin_popup_menu.hpp"

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_canvas.hpp"
#include "platform/win32/gdi_object.hpp"
#include "skin/menu_window_background.hpp"

namespace tips::skin::win32 {

namespace {

platform::TViewSize WindowSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The buffer's pixels as a canvas bitmap, so the border copies and the items can draw from it.
platform::TBitmap ReadBack(const platform::TDoubleBuffer& buffer, HBITMAP bitmap, platform::TViewSize size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.Width;
    info.bmiHeader.biHeight = -size.Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<std::size_t>(size.Width) * static_cast<std::size_t>(size.Height));
    GetDIBits(buffer.get(), bitmap, 0, static_cast<UINT>(size.Height), pixels.data(), &info, DIB_RGB_COLORS);
    platform::TBitmap result("menu background", size.Width, size.Height);
    for (int y = 0; y < size.Height; ++y)
        for (int x = 0; x < size.Width; ++x) {
            const DWORD pixel = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(size.Width) +
                                       static_cast<std::size_t>(x)];
            result.Set(x, y, RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
        }
    return result;
}

}  // namespace

TSkinPopupMenu::TSkinPopupMenu(HWND menuWindow, TSkinContext context, bool fromMenuBar)
    : window_(menuWindow), context_(context), fromMenuBar_(fromMenuBar) {
    hold_ = std::make_unique<TWindowSubclass>(
        window_, [this](UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
            return Handle(message, wParam, lParam, next);
        });
}

TSkinPopupMenu::~TSkinPopupMenu() = default;

void TSkinPopupMenu::MakeBackground() {
    const platform::TViewSize size = WindowSize(window_);
    if (!context_.Skin.MenuBackground || size.Width <= 0 || size.Height <= 0) return;
    if (background_ && background_->Width() == size.Width && background_->Height() == size.Height) return;
    const HDC screen = GetDC(nullptr);
    {
        platform::TDoubleBuffer buffer(screen, size);
        if (buffer.Usable()) {
            const HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(buffer.get(), OBJ_BITMAP));
            bool painted = false;
            {
                platform::TGdiCanvas canvas(buffer.get());
                painted = PaintMenuBackground(canvas, context_.Bitmaps, context_.Skin, size);
            }
            if (painted) background_ = ReadBack(buffer, bitmap, size);
        }
    }
    ReleaseDC(nullptr, screen);
}

LRESULT TSkinPopupMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
    switch (message) {
        case WM_PRINTCLIENT:
        case WM_ERASEBKGND: {
            MakeBackground();
            if (!background_) break;
            const HDC dc = reinterpret_cast<HDC>(wParam);
            const platform::TViewSize size{background_->Width(), background_->Height()};
            {
                platform::TGdiCanvas canvas(dc);
                canvas.DrawBitmap(*background_, {0, 0, size.Width, size.Height}, {0, 0, size.Width, size.Height});
            }
            if (message == WM_ERASEBKGND) return 1;
            // The system paints the items over the background, inside the border.
            const int saved = SaveDC(dc);
            const TViewRect area = MenuItemsArea(size);
            IntersectClipRect(dc, area.Left, area.Top, area.Right, area.Bottom);
            SetBkMode(dc, TRANSPARENT);
            const LRESULT result = next(message, wParam, lParam);
            RestoreDC(dc, saved);
            return result;
        }
        case WM_NCPAINT: {
            const LRESULT result = next(message, wParam, lParam);
            MakeBackground();
            if (!background_) return result;
            platform::TWholeWindowDC dc(window_);
            if (!dc.get()) return result;
            platform::TGdiCanvas canvas(dc.get());
            for (const TBorderCopy& copy : MenuBorderCopies({background_->Width(), background_->Height()},
                                                            WindowSize(window_)))
                canvas.DrawBitmap(*background_, copy.Source, copy.Dest);
            return result;
        }
        default:
            break;
    }
    return next(message, wParam, lParam);
}

}  // namespace tips::skin::win32
