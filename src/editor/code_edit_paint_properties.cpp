// The editor's painting properties: its font and colours, the text drawer that measures the cell,
// the built-in bookmark glyphs and the line background.

#include "editor/custom_code_edit.hpp"
#include "highlight/custom_highlighter.hpp"
#include "platform/screen_canvas.hpp"

namespace tips::editor {

namespace {

// A font is fixed-pitch when its average and widest characters are equally wide.
bool IsFixedPitch(const platform::TFontDescription& description) {
    const auto screen = platform::ScreenCanvasPort().OpenScreenCanvas();
    platform::TCanvas& canvas = screen->Canvas();
    const auto font = canvas.Fonts().MakeFont(description);
    const platform::TSavedCanvasState saved(canvas);
    canvas.SetFont(*font);
    const platform::TTextMetrics metrics = canvas.TextMetrics();
    return metrics.AverageCharWidth == metrics.MaxCharWidth;
}

}  // namespace

void TCustomCodeEdit::SetFont(const TCodeEditFont& font) {
    TCodeEditFont next = font;
    if (!IsFixedPitch(font.Description)) {
        next = font_;
        next.Description.Face = DefaultCodeEditFont().Description.Face;
        next.Description.Height = font.Description.Height;
        next.Description.Style = font.Description.Style;
        next.Description.Pitch = platform::TFontPitch::fpFixed;
        next.Color = font.Color;
    }
    if (next == font_) return;
    const bool measured = next.Description != font_.Description;
    font_ = next;
    if (measured) {
        drawer_->SetBaseFont(font_.Description);
        MeasureCell();
        RecomputeWindowMetrics(true);
        if (gutter_.ShowLineNumbers()) ApplyGutterChange();
    }
    RepaintAll();
}

void TCustomCodeEdit::SetColor(platform::TColor value) {
    if (color_ == value) return;
    color_ = value;
    RepaintAll();
}

void TCustomCodeEdit::SetRightEdgeColor(platform::TColor value) {
    if (rightEdgeColor_ == value) return;
    rightEdgeColor_ = value;
    if (!WindowExists()) return;
    const int x = rightEdge_ * textColumnWidth_ + textOriginX_;
    Invalidate({x - 1, 0, x + 1, metrics_->ClientSize().Height});
}

platform::TViewSize TCustomCodeEdit::MeasuredCell(platform::TFontStyles style) {
    drawer_->SetMetricStyle(style);
    return {drawer_->CellWidth(), drawer_->CellHeight()};
}

const TCodeInternalImage& TCustomCodeEdit::InternalImage() {
    if (!internalImage_) internalImage_ = std::make_unique<TCodeInternalImage>();
    return *internalImage_;
}

platform::TColor TCustomCodeEdit::LineBackground() const {
    if (highlighter_ != nullptr) {
        if (const auto* white = highlighter_->StandardAttribute(highlight::StandardAttributeKind::Whitespace);
            white != nullptr && white->Background() != platform::clNone) {
            return white->Background();
        }
    }
    return color_;
}

void TCustomCodeEdit::HideCaretForPaint() {
    if (window_ == nullptr) return;
    window_->HideCaret();
    caretShown_ = false;
}

}  // namespace tips::editor
