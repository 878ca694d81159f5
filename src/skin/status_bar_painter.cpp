#include "skin/status_bar_painter.hpp"

#include <algorithm>

#include "skin/nine_slice.hpp"

namespace tips::skin {

int StatusPanelFrame(TStatusPanelBevel bevel) {
    switch (bevel) {
    case TStatusPanelBevel::pbLowered: return 1;
    case TStatusPanelBevel::pbRaised: return 2;
    case TStatusPanelBevel::pbNone: return 3;
    }
    return 1;
}

std::vector<TViewRect> LayoutStatusPanels(const TViewRect& bar, const std::vector<TStatusPanel>& panels) {
    std::vector<TViewRect> rects;
    int left = bar.Left;
    for (std::size_t i = 0; i < panels.size(); ++i) {
        const bool last = i + 1 == panels.size();
        const int right = last ? bar.Right : std::min(bar.Right, left + std::max(panels[i].Width, 0));
        rects.push_back({left, bar.Top, std::max(left, right), bar.Bottom});
        left = std::max(left, right);
    }
    return rects;
}

void TStatusBarPainter::PaintPanel(platform::TCanvas& canvas, const TViewRect& rect, const TStatusPanel& panel) const {
    if (rect.IsEmpty()) return;
    bool drawn = false;
    if (skin_.StatusBarEdges) {
        const auto slice = ElementSlice(*skin_.StatusBarEdges, StatusPanelFrame(panel.Bevel));
        drawn = slice && DrawNineSlice(canvas, bitmaps_.For(skin_.StatusBarEdges->Bitmap, skin_.StatusBarEdges->Name),
                                       *slice, rect);
    }
    if (!drawn && panel.Bevel != TStatusPanelBevel::pbNone) {
        // The plain look without an image.
        canvas.DrawEdge(rect, panel.Bevel == TStatusPanelBevel::pbLowered ? platform::bdrSunkenOuter : platform::bdrRaisedInner);
    }
    platform::TTextFormat format = platform::tfSingleLine | platform::tfVCenter | platform::tfNoPrefix;
    TStatusPanelAlignment alignment = panel.Alignment;
    if (panel.RightToLeft && alignment != TStatusPanelAlignment::taCenter) {
        alignment = alignment == TStatusPanelAlignment::taLeftJustify ? TStatusPanelAlignment::taRightJustify
                                                                       : TStatusPanelAlignment::taLeftJustify;
    }
    if (alignment == TStatusPanelAlignment::taRightJustify) format |= platform::tfRight;
    else if (alignment == TStatusPanelAlignment::taCenter) format |= platform::tfCenter;
    canvas.DrawTextBox({rect.Left + 2, rect.Top, std::max(rect.Left + 2, rect.Right - 2), rect.Bottom}, panel.Text,
                       format);
}

void TStatusBarPainter::Paint(platform::TCanvas& canvas, const TViewRect& bar, const std::vector<TStatusPanel>& panels,
                              const std::string& simpleText, const platform::TFont& font, const TViewRect& grip) const {
    if (bar.IsEmpty()) return;
    const platform::TSavedCanvasState saved(canvas);
    canvas.FillRect(bar, skin_.Colours.ButtonFace);
    platform::TFontDescription regular = font.Description();
    regular.Style = {};
    const auto regularFont = canvas.Fonts().MakeFont(regular);
    canvas.SetFont(*regularFont);
    canvas.SetTextColor(skin_.StatusBarEdges ? skin_.StatusBarEdges->NormalColour2 : skin_.Colours.ButtonText);
    canvas.SetBackgroundMode(platform::TBackgroundMode::bmTransparent);
    if (panels.empty()) {
        PaintPanel(canvas, bar, {simpleText, 0, TStatusPanelBevel::pbNone});
    } else {
        const auto rects = LayoutStatusPanels(bar, panels);
        for (std::size_t i = 0; i < panels.size(); ++i) PaintPanel(canvas, rects[i], panels[i]);
    }
    if (!grip.IsEmpty() && skin_.ExtraImages) {
        const auto slice = ElementSlice(*skin_.ExtraImages, 5);
        if (slice) DrawNineSlice(canvas, bitmaps_.For(skin_.ExtraImages->Bitmap, skin_.ExtraImages->Name), *slice, grip);
    }
}

}  // namespace tips::skin
