#pragma once
// A canvas that draws nothing and keeps every drawing call in order, as plain values
// (platform/canvas_calls.hpp), with the state each was drawn in. Painters are tested on it natively,
// and tipstool lists what a painter drew from it.
//
// Its fonts measure by a fixed rule from their description (DefaultMetrics, or a rule the test sets),
// and it resolves system colours with the classic scheme.

#include <functional>
#include <optional>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/canvas_calls.hpp"

namespace tips::platform {

class TRecordingCanvas final : public TCanvas {
public:
    using TMetricsRule = std::function<TTextMetrics(const TFontDescription&)>;

    TRecordingCanvas();

    const std::vector<TCanvasCall>& Calls() const { return calls_; }
    void Clear() { calls_.clear(); }
    // The calls of one kind, in order.
    template <typename T>
    std::vector<T> CallsOf() const {
        std::vector<T> found;
        for (const TCanvasCall& call : calls_) {
            if (const T* typed = std::get_if<T>(&call)) found.push_back(*typed);
        }
        return found;
    }

    // The rule's own font: "System", 16 pixels high; a cell half as wide as the font is high
    // (rounded up, at least 1) and one pixel wider in bold; ascent four fifths of the height; no
    // leading, no overhang. Text is as wide as its characters' cells (plus the character extra).
    static TTextMetrics DefaultMetrics(const TFontDescription& font);
    // A font of cells `width` by `height`, measured the way DefaultMetrics measures.
    static TTextMetrics CellMetrics(int width, int height);
    static TFontDescription DefaultFont() { return {"System", 16, {}, kDefaultCharSet, TFontPitch::fpDefault}; }
    void SetMetricsRule(TMetricsRule rule) { metricsRule_ = std::move(rule); }
    // When false, CharWidths answers nothing, as a bitmap font would.
    void SetCharWidthsKnown(bool known) { charWidthsKnown_ = known; }

    // The current state, for tests of painters that set it.
    const TFontDescription& Font() const { return state_.Font; }
    TColor TextColor() const { return state_.Foreground; }
    TColor BackColor() const { return state_.Background; }
    TBackgroundMode BackgroundMode() const { return state_.Mode; }
    int CharacterExtra() const { return state_.CharacterExtra; }
    const TMapping& Mapping() const { return state_.Mapping; }
    int SavedStates() const { return static_cast<int>(saved_.size()); }

    const TSystemColors& SystemColors() const override { return colors_; }

    void FillRect(const TViewRect& rect, TColor color) override;
    void FrameRect(const TViewRect& rect, TColor color) override;
    void Line(TViewPoint from, TViewPoint to, TColor color) override;
    void Polyline(std::span<const TViewPoint> points, TColor color) override;
    void Polygon(std::span<const TViewPoint> points, TColor color) override;
    void DrawEdge(const TViewRect& rect, TEdgeBorders borders, TEdgeSides sides = bfRect) override;
    void SetPixel(TViewPoint at, TColor color) override;
    void InvertRect(const TViewRect& rect) override;
    void AndPattern(const TViewRect& rect, const TPattern8& pattern) override;

    using TCanvas::DrawBitmap;
    void DrawBitmap(const TBitmap& bitmap, const TViewRect& source, const TViewRect& dest,
                    std::optional<TColor> transparent = std::nullopt) override;

    const TFontFactory& Fonts() const override { return fonts_; }
    void SetFont(const TFont& font) override { state_.Font = font.Description(); }
    void SetTextColor(TColor color) override { state_.Foreground = color; }
    void SetBackColor(TColor color) override { state_.Background = color; }
    void SetBackgroundMode(TBackgroundMode mode) override { state_.Mode = mode; }
    void SetCharacterExtra(int extra) override { state_.CharacterExtra = extra; }
    void WriteText(TViewPoint at, std::string_view text, std::span<const int> advances = {},
                   const std::optional<TTextBox>& box = std::nullopt) override;
    TViewSize TextExtent(std::string_view text) const override;
    TTextMetrics TextMetrics() const override { return metricsRule_(state_.Font); }
    std::optional<TCharWidths> CharWidths(unsigned char character) const override;
    // Records the call; both lay the text out by LayoutTextBox with the font's rule, tabs every eight
    // average characters.
    int DrawTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) override;
    TViewRect MeasureTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) const override;
    TTextBoxLayout LayoutText(const TViewRect& rect, std::string_view text, TTextFormat format) const;

    void SaveState() override;
    void RestoreState() override;
    void IntersectClip(const TViewRect& rect) override;
    void ExcludeClip(const TViewRect& rect) override;
    void SetMapping(const TMapping& mapping) override;

private:
    struct TState {
        TFontDescription Font = DefaultFont();
        TColor Foreground = clBlack;
        TColor Background = clWhite;
        TBackgroundMode Mode = TBackgroundMode::bmOpaque;
        int CharacterExtra = 0;
        TMapping Mapping;
    };

    std::vector<TCanvasCall> calls_;
    TState state_;
    std::vector<TState> saved_;
    TMetricsRule metricsRule_ = DefaultMetrics;
    bool charWidthsKnown_ = true;
    TClassicSystemColors colors_;
    TPlainFontFactory fonts_;
};

}  // namespace tips::platform
