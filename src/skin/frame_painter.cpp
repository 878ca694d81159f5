#include "skin/frame_painter.hpp"

#include "skin/window_region.hpp"

namespace tips::skin {

TFrameGeometry TSkinFramePainter::Layout(platform::TCanvas& canvas, const TFrameScene& scene,
                                         const platform::TFont& titleFont, const platform::TFont& menuFont) const {
    TFrameGeometry geometry;
    geometry.Metrics = FrameMetricsOf(skin_, scene.Traits, scene.MenuBarHeight);
    geometry.Layout = LayoutFrame(geometry.Metrics, scene.Size);

    const platform::TSavedCanvasState saved(canvas);
    // Buttons beside the caption text need the text's box and a popup's text needs the buttons: the
    // right-aligned buttons do not depend on the text, so they are placed first.
    const auto firstPass = LayoutTitleButtons(skin_, scene.Traits, scene.State, geometry.Metrics, scene.Size.Width, {});
    canvas.SetFont(titleFont);
    const TViewSize measured = canvas.TextExtent(CaptionMeasuredText());
    geometry.CaptionText = LayoutCaptionText(skin_.Caption, geometry.Layout.Caption, measured, scene.Traits,
                                             RightButtonsLeft(skin_, firstPass));
    geometry.Buttons = LayoutTitleButtons(skin_, scene.Traits, scene.State, geometry.Metrics, scene.Size.Width,
                                          geometry.CaptionText.Box);
    if (!geometry.Layout.MenuBar.IsEmpty()) {
        platform::TFontDescription regular = menuFont.Description();
        regular.Style = {};
        const auto regularFont = canvas.Fonts().MakeFont(regular);
        canvas.SetFont(*regularFont);
        geometry.MenuItemRects = LayoutMenuBar(
            skin_.MenuBar, geometry.Layout.MenuBar, scene.MenuItems,
            [&canvas](std::string_view text) { return canvas.TextExtent(text).Width; }, scene.Traits.RightToLeft);
    }
    return geometry;
}

void TSkinFramePainter::PaintPiece(platform::TCanvas& canvas, const TSkinBorderElement& piece, bool vertical,
                                   bool active, const TViewRect& dest) const {
    const auto slice = BorderPieceSlice(piece, vertical, active);
    if (slice) DrawNineSlice(canvas, bitmaps_.For(piece.Bitmap, piece.Name), *slice, dest);
}

void TSkinFramePainter::PaintCaptionText(platform::TCanvas& canvas, const TFrameScene& scene,
                                         const TFrameGeometry& geometry, const platform::TFont& titleFont) const {
    const bool active = scene.State.Active;
    const TViewRect& box = geometry.CaptionText.Box;
    // The image behind the text: fixed ends, tiled middle, frames stacked.
    const auto back = SliceOf(skin_.Caption.Bitmap, skin_.Caption.FrameCount, active ? 1 : 2,
                              {skin_.Caption.TXTBackleft, 0, skin_.Caption.TXTBackRight, 0}, TSliceFill::Tile, true,
                              FrameLayout::Stacked);
    if (back) {
        DrawNineSlice(canvas, bitmaps_.For(skin_.Caption.Bitmap, "Caption"), *back,
                      {box.Left, geometry.Layout.Caption.Top, box.Right, geometry.Layout.Caption.Bottom});
    }
    canvas.SetFont(titleFont);
    canvas.SetTextColor(CaptionTextColour(skin_.Colours, active));
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    if (!geometry.CaptionText.TextRect.IsEmpty()) {
        canvas.DrawTextBox(geometry.CaptionText.TextRect, CaptionDrawnText(), geometry.CaptionText.Format);
    }
}

void TSkinFramePainter::PaintButton(platform::TCanvas& canvas, const TTitleButton& button,
                                    const TTitleButtonLook& look, const platform::TBitmap* icon) const {
    const TSkinSysButtonElement& element = skin_.SysButtons.at(static_cast<std::size_t>(button.Element));
    if (button.Icon) {
        if (icon && !icon->Empty()) {
            canvas.DrawBitmap(*icon, {0, 0, icon->Width(), icon->Height()}, button.Rect, kMagenta);
        }
        return;
    }
    const auto slice = SliceOf(element.Bitmap, element.FrameCount, TitleButtonFrame(element, look), {},
                               TSliceFill::Stretch, true);
    if (slice) DrawNineSlice(canvas, bitmaps_.For(element.Bitmap, element.Name), *slice, button.Rect);
}

void TSkinFramePainter::Paint(platform::TCanvas& canvas, const TFrameScene& scene, const platform::TFont& titleFont,
                              const platform::TFont& menuFont) const {
    if (!FramePainted(scene.Traits, scene.State)) return;
    const TFrameGeometry geometry = Layout(canvas, scene, titleFont, menuFont);
    const bool active = scene.State.Active;
    const platform::TSavedCanvasState saved(canvas);

    PaintPiece(canvas, skin_.Left, true, active, geometry.Layout.Left);
    PaintPiece(canvas, skin_.Right, true, active, geometry.Layout.Right);
    PaintPiece(canvas, skin_.Bottom, false, active, geometry.Layout.Bottom);
    PaintPiece(canvas, skin_.Top, false, active, geometry.Layout.Caption);
    {
        const platform::TCanvasClip clip(canvas, geometry.Layout.Caption);
        PaintCaptionText(canvas, scene, geometry, titleFont);
    }
    for (const TTitleButton& button : geometry.Buttons) {
        TTitleButtonLook look{TNcState::Normal, active, true};
        if (scene.CurrentButton == button.Element) look.State = scene.CurrentState;
        PaintButton(canvas, button, look, scene.Icon);
    }
    if (!geometry.Layout.MenuBar.IsEmpty()) {
        TMenuBarScene bar{geometry.Layout.MenuBar, scene.MenuItems, geometry.MenuItemRects, active,
                          scene.CurrentMenuItem, scene.CurrentState};
        menuBar_.Paint(canvas, bar, menuFont);
    }
}

}  // namespace tips::skin
