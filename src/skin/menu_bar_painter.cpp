#include "skin/menu_bar_painter.hpp"

#include "skin/nine_slice.hpp"

namespace tips::skin {

void TMenuBarPainter::PaintBackground(platform::TCanvas& canvas, const TViewRect& bar, bool active) const {
    const auto slice = MenuBarSlice(skin_.MenuBar, active);
    if (!slice || !DrawNineSlice(canvas, bitmaps_.For(skin_.MenuBar.Bitmap, skin_.MenuBar.Name), *slice, bar)) {
        canvas.FillRect(bar, skin_.Colours.Menubar);
    }
}

void TMenuBarPainter::PaintCaption(platform::TCanvas& canvas, const TMenuBarScene& scene, std::size_t item) const {
    const TViewRect& rect = scene.ItemRects[item];
    const bool current = scene.Current == item && scene.CurrentState != TNcState::Normal;
    if (current) canvas.FrameRect(rect, skin_.Colours.ButtonHilight);
    canvas.SetTextColor(scene.Items[item].Enabled ? skin_.Colours.MenuBarText : platform::clBtnShadow);
    canvas.DrawTextBox(rect, scene.Items[item].Caption,
                       platform::tfCenter | platform::tfVCenter | platform::tfSingleLine);
}

void TMenuBarPainter::Paint(platform::TCanvas& canvas, const TMenuBarScene& scene, const platform::TFont& font) const {
    if (scene.Bar.IsEmpty()) return;
    const platform::TSavedCanvasState saved(canvas);
    PaintBackground(canvas, scene.Bar, scene.Active);
    platform::TFontDescription regular = font.Description();
    regular.Style = {};
    const auto regularFont = canvas.Fonts().MakeFont(regular);
    canvas.SetFont(*regularFont);
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    for (std::size_t i = 0; i < scene.Items.size() && i < scene.ItemRects.size(); ++i) PaintCaption(canvas, scene, i);
}

void TMenuBarPainter::PaintItem(platform::TCanvas& canvas, const TMenuBarScene& scene, std::size_t item,
                                const platform::TFont& font) const {
    if (item >= scene.Items.size() || item >= scene.ItemRects.size()) return;
    const platform::TCanvasClip clip(canvas, scene.ItemRects[item]);
    PaintBackground(canvas, scene.Bar, scene.Active);
    platform::TFontDescription regular = font.Description();
    regular.Style = {};
    const auto regularFont = canvas.Fonts().MakeFont(regular);
    canvas.SetFont(*regularFont);
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    PaintCaption(canvas, scene, item);
}

}  // namespace tips::skin
