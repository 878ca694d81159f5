#include "skin/win32/skin_speed_button.hpp"

#include "platform/font.hpp"
#include "platform/win32/gdi_font.hpp"
#include "widgets/win32/speed_button.hpp"

namespace tips::skin::win32 {

namespace {

// The glyph as the canvas takes it, with the colour of its bottom-left pixel transparent.
struct TCanvasGlyph {
    platform::TBitmap Bitmap;
    std::optional<platform::TColor> Transparent;
};

TCanvasGlyph CanvasGlyph(const Image& image) {
    TCanvasGlyph glyph{platform::TBitmap("speed-glyph", image.Width(), image.Height()), std::nullopt};
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Rgb c = image.At(x, y);
            glyph.Bitmap.Set(x, y, platform::RgbColor(c.r, c.g, c.b));
        }
    }
    if (!image.Empty()) {
        const Rgb corner = image.At(0, image.Height() - 1);
        glyph.Transparent = platform::RgbColor(corner.r, corner.g, corner.b);
    }
    return glyph;
}

}  // namespace

TSkinSpeedButton::TSkinSpeedButton(widgets::TSpeedButton& button, TSkinContext context)
    : TSkinControl(button.Handle(), context), button_(button) {}

TSkinSpeedButtonState TSkinSpeedButton::State() const {
    TSkinSpeedButtonState state;
    state.Pressed = button_.Look() == widgets::TButtonLook::blSunken;
    state.Hot = button_.Look() == widgets::TButtonLook::blRaised;
    state.Enabled = IsWindowEnabled(Window()) != FALSE;
    return state;
}

void TSkinSpeedButton::Paint(platform::TCanvas& canvas, const RECT& client, HWND window) {
    const TViewSize size{client.right - client.left, client.bottom - client.top};
    const TCanvasGlyph glyph = CanvasGlyph(button_.Glyph());
    TSkinSpeedButtonLook look;
    look.State = State();
    look.Glyph = glyph.Bitmap.Width() > 0 ? &glyph.Bitmap : nullptr;
    look.GlyphCells = button_.NumGlyphs();
    look.GlyphTransparent = glyph.Transparent;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    const platform::TPlainFont plain(
        platform::DescribeFont(font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))));
    const TSpeedButtonSkin skin(Context().Skin, Context().Bitmaps);
    if (!skin.Paint(canvas, size, button_.Caption(), look, plain)) {
        canvas.FillRect({0, 0, size.Width, size.Height}, Context().Skin.Colours.ButtonFace);
    }
}

}  // namespace tips::skin::win32
