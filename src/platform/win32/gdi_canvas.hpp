#pragma once
// TGdiCanvas: the canvas on a Windows device context (a window's, a memory bitmap's, a printer's).
// It saves the context's state when made and restores it when it ends, so whatever it selected or
// changed is undone; pens and brushes live only for the call that uses them. The context itself
// belongs to the caller (a TPaintDC, TWindowDC, TDoubleBuffer...) and must outlive the canvas, as
// must every font selected into it.

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/canvas.hpp"
#include "platform/win32/gdi_object.hpp"

namespace tips::platform {

class TGdiCanvas final : public TCanvas {
public:
    explicit TGdiCanvas(HDC dc);
    ~TGdiCanvas() override;

    HDC Handle() const { return dc_; }

    const TSystemColors& SystemColors() const override;

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

    const TFontFactory& Fonts() const override;
    void SetFont(const TFont& font) override;
    void SetTextColor(TColor color) override;
    void SetBackColor(TColor color) override;
    void SetBackgroundMode(TBackgroundMode mode) override;
    void SetCharacterExtra(int extra) override;
    void WriteText(TViewPoint at, std::string_view text, std::span<const int> advances = {},
                   const std::optional<TTextBox>& box = std::nullopt) override;
    TViewSize TextExtent(std::string_view text) const override;
    TTextMetrics TextMetrics() const override;
    std::optional<TCharWidths> CharWidths(unsigned char character) const override;
    int DrawTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) override;
    TViewRect MeasureTextBox(const TViewRect& rect, std::string_view text, TTextFormat format) const override;

    void SaveState() override;
    void RestoreState() override;
    void IntersectClip(const TViewRect& rect) override;
    void ExcludeClip(const TViewRect& rect) override;
    void SetMapping(const TMapping& mapping) override;

private:
    class TScratchBitmap;
    struct TMadeFont {
        TFontDescription Description;
        TFontHandle Handle;
    };
    HFONT FontFor(const TFontDescription& description);

    HDC dc_;
    // Device fonts made for fonts that are not GDI's own. Declared before the saved state, so that
    // the state is restored (and they are deselected) before they are deleted.
    std::vector<TMadeFont> madeFonts_;
    TSavedDC saved_;
    std::vector<int> levels_;
    std::unique_ptr<TScratchBitmap> scratch_;
};

}  // namespace tips::platform
