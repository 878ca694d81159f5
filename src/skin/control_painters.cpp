#include "skin/control_painters.hpp"

#include <array>

#include "skin/nine_slice.hpp"

namespace tips::skin {

bool PaintButtonElement(platform::TCanvas& canvas, TSkinBitmapCache& bitmaps, const TSkinButtonElement& buttons,
                        int frame, const TViewRect& rect) {
    const auto slice = ElementSlice(buttons, frame);
    return slice && DrawNineSlice(canvas, bitmaps.For(buttons.Bitmap, "Buttons"), *slice, rect);
}

bool TPushButtonPainter::Paint(platform::TCanvas& canvas, const TViewRect& rect, std::string_view caption,
                               const TButtonState& state, const platform::TFont& font) const {
    if (skin_.Buttons.Bitmap.Empty() || rect.IsEmpty()) return false;
    const platform::TSavedCanvasState saved(canvas);
    const int frame = PushButtonFrame(state);
    canvas.FillRect(rect, skin_.Colours.ButtonFace);
    PaintButtonElement(canvas, bitmaps_, skin_.Buttons, frame, rect);
    canvas.SetFont(font);
    canvas.SetTextColor(PushButtonTextColour(skin_.Buttons, frame));
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    canvas.DrawTextBox(rect, caption,
                       platform::tfCenter | platform::tfVCenter | platform::tfSingleLine | platform::tfExpandTabs);
    return true;
}

bool TRadioGlyphPainter::Paint(platform::TCanvas& canvas, const TViewRect& control, bool checked, bool enabled,
                               bool rightButton) const {
    const Image& image = skin_.Buttons.RadioButton;
    const int frames = std::max(skin_.Buttons.RadioButtonFrame, 1);
    if (image.Empty()) return false;
    const TViewRect glyph = RadioGlyphRect(control, image.Width() / frames, image.Height(), rightButton);
    canvas.FillRect(glyph, skin_.Colours.ButtonFace);
    const auto slice = SliceOf(image, frames, RadioButtonFrame(checked, enabled, frames), {}, TSliceFill::Stretch, true);
    return slice && DrawNineSlice(canvas, bitmaps_.For(image, "RadioButton"), *slice, glyph);
}

void TGroupBoxPainter::Paint(platform::TCanvas& canvas, const TViewRect& rect, std::string_view caption,
                             const platform::TFont& font) const {
    if (rect.IsEmpty()) return;
    const platform::TSavedCanvasState saved(canvas);
    const TColor face = skin_.Colours.ButtonFace;
    canvas.FrameRect(rect, face);
    canvas.FrameRect({rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1}, face);
    canvas.SetFont(font);
    const int top = rect.Top + canvas.TextExtent("0").Height / 2 - 1;
    // A rounded rectangle with 5 x 5 corners: its outline cut at the corners.
    const int l = rect.Left;
    const int r = rect.Right - 1;
    const int b = rect.Bottom - 1;
    const std::array<platform::TViewPoint, 9> outline{{{l + 2, top},
                                                       {r - 2, top},
                                                       {r, top + 2},
                                                       {r, b - 2},
                                                       {r - 2, b},
                                                       {l + 2, b},
                                                       {l, b - 2},
                                                       {l, top + 2},
                                                       {l + 2, top}}};
    if (r - l >= 4 && b - top >= 4) canvas.Polyline(outline, skin_.Colours.ButtonShadow);
    if (caption.empty()) return;
    canvas.SetTextColor(skin_.Colours.ButtonText);
    canvas.SetBackColor(face);
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmOpaque);
    canvas.WriteText({rect.Left + 9, rect.Top}, caption);
}

std::optional<TColor> PaintToolbarButton(platform::TCanvas& canvas, TSkinBitmapCache& bitmaps, const TSkinData& skin,
                                         const TToolbarDrawFlags& flags, const TViewRect& rect) {
    const int frame = ToolbarButtonFrame(flags);
    PaintButtonElement(canvas, bitmaps, skin.Buttons, frame, rect);
    return SpeedButtonTextColour(skin.Buttons, frame);
}

void PaintEditBorder(platform::TCanvas& canvas, const TSkinData& skin, const TViewRect& window, TColor editColour) {
    if (window.IsEmpty()) return;
    canvas.FrameRect(window, skin.Colours.ButtonShadow);
    const TViewRect inner{window.Left + 1, window.Top + 1, window.Right - 1, window.Bottom - 1};
    if (!inner.IsEmpty()) canvas.FrameRect(inner, editColour);
}

}  // namespace tips::skin
