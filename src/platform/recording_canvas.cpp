#include "platform/recording_canvas.hpp"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

namespace tips::platform {

TRecordingCanvas::TRecordingCanvas() = default;

TTextMetrics TRecordingCanvas::DefaultMetrics(const TFontDescription& font) {
    const int height = font.Height == 0 ? 16 : std::abs(font.Height);
    const int width = std::max(1, (height + 1) / 2) + (font.Style.Contains(fsBold) ? 1 : 0);
    return CellMetrics(width, height);
}

TTextMetrics TRecordingCanvas::CellMetrics(int width, int height) {
    TTextMetrics metrics;
    metrics.Height = height;
    metrics.Ascent = height * 4 / 5;
    metrics.Descent = height - metrics.Ascent;
    metrics.AverageCharWidth = width;
    metrics.MaxCharWidth = width;
    return metrics;
}

void TRecordingCanvas::FillRect(const TViewRect& rect, TColor color) { calls_.push_back(TFillCall{rect, color}); }

void TRecordingCanvas::FrameRect(const TViewRect& rect, TColor color) { calls_.push_back(TFrameCall{rect, color}); }

void TRecordingCanvas::Line(TViewPoint from, TViewPoint to, TColor color) {
    calls_.push_back(TLineCall{from, to, color});
}

void TRecordingCanvas::Polyline(std::span<const TViewPoint> points, TColor color) {
    calls_.push_back(TPolylineCall{{points.begin(), points.end()}, color});
}

void TRecordingCanvas::Polygon(std::span<const TViewPoint> points, TColor color) {
    calls_.push_back(TPolygonCall{{points.begin(), points.end()}, color});
}

void TRecordingCanvas::DrawEdge(const TViewRect& rect, TEdgeBorders borders, TEdgeSides sides) {
    calls_.push_back(TEdgeCall{rect, borders, sides});
}

void TRecordingCanvas::SetPixel(TViewPoint at, TColor color) { calls_.push_back(TPixelCall{at, color}); }

void TRecordingCanvas::InvertRect(const TViewRect& rect) { calls_.push_back(TInvertCall{rect}); }

void TRecordingCanvas::AndPattern(const TViewRect& rect, const TPattern8& pattern) {
    calls_.push_back(TPatternCall{rect, pattern});
}

void TRecordingCanvas::DrawBitmap(const TBitmap& bitmap, const TViewRect& source, const TViewRect& dest,
                                  std::optional<TColor> transparent) {
    if (!bitmap.Holds(source)) throw std::out_of_range("bitmap part outside the bitmap");
    calls_.push_back(TBitmapCall{bitmap.Name(), source, dest, transparent});
}

void TRecordingCanvas::WriteText(TViewPoint at, std::string_view text, std::span<const int> advances,
                                 const std::optional<TTextBox>& box) {
    if (!advances.empty() && advances.size() < text.size()) throw std::invalid_argument("fewer advances than characters");
    TTextCall call{at, std::string(text), state_.Font, state_.Foreground, state_.Background, state_.Mode,
                   state_.CharacterExtra, {}, box};
    if (!advances.empty()) call.Advances.assign(advances.begin(), advances.begin() + static_cast<std::ptrdiff_t>(text.size()));
    calls_.push_back(std::move(call));
}

TViewSize TRecordingCanvas::TextExtent(std::string_view text) const {
    const TTextMetrics metrics = TextMetrics();
    const int count = static_cast<int>(text.size());
    return {count * (metrics.AverageCharWidth + state_.CharacterExtra), metrics.Height};
}

std::optional<TCharWidths> TRecordingCanvas::CharWidths(unsigned char) const {
    if (!charWidthsKnown_) return std::nullopt;
    return TCharWidths{0, TextMetrics().AverageCharWidth, 0};
}

TTextBoxLayout TRecordingCanvas::LayoutText(const TViewRect& rect, std::string_view text, TTextFormat format) const {
    const TTextMetrics metrics = TextMetrics();
    return LayoutTextBox(rect, text, format,
                         {[this](std::string_view run) { return TextExtent(run).Width; }, metrics.Height,
                          8 * metrics.AverageCharWidth});
}

int TRecordingCanvas::DrawTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) {
    calls_.push_back(TTextBoxCall{rect, std::string(text), format, state_.Font, state_.Foreground, state_.Background,
                                  state_.Mode});
    const TTextBoxLayout layout = LayoutText(rect, text, format);
    if (text.empty() || layout.Lines.empty()) return 0;
    return layout.Lines.back().At.Y + TextMetrics().Height - rect.Top;
}

TViewRect TRecordingCanvas::MeasureTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) const {
    return LayoutText(rect, text, format).Bounds;
}

void TRecordingCanvas::SaveState() {
    saved_.push_back(state_);
    calls_.push_back(TSaveStateCall{});
}

void TRecordingCanvas::RestoreState() {
    if (saved_.empty()) return;
    state_ = saved_.back();
    saved_.pop_back();
    calls_.push_back(TRestoreStateCall{});
}

void TRecordingCanvas::IntersectClip(const TViewRect& rect) { calls_.push_back(TIntersectClipCall{rect}); }

void TRecordingCanvas::ExcludeClip(const TViewRect& rect) { calls_.push_back(TExcludeClipCall{rect}); }

void TRecordingCanvas::SetMapping(const TMapping& mapping) {
    mapping.Validate();
    state_.Mapping = mapping;
    calls_.push_back(TMappingCall{mapping});
}

}  // namespace tips::platform
