#pragma once
// The built-in bookmark glyphs as the editor draws them: the "CodeEditInternalImages" bitmap, made
// once per process and shared by every editor that holds a TCodeInternalImage (a use count; the
// bitmap goes when the last holder does).

#include "platform/bitmap.hpp"
#include "platform/canvas.hpp"

namespace tips::editor {

class TCodeInternalImage {
public:
    static constexpr int kCount = 10;

    TCodeInternalImage();
    ~TCodeInternalImage();
    TCodeInternalImage(const TCodeInternalImage&) = delete;
    TCodeInternalImage& operator=(const TCodeInternalImage&) = delete;

    const platform::TBitmap& Bitmap() const;
    // (bitmap width + count div 2) div count.
    int GlyphWidth() const;
    int GlyphHeight() const;

    // Glyph `number` (0..9) on a row `rowHeight` tall whose top is `rowTop`: rows shorter than the
    // glyph show its middle rows, taller ones the whole glyph centred.
    void DrawOnRow(platform::TCanvas& canvas, int number, int x, int rowTop, int rowHeight) const;

    // Editors holding the bitmap now (for tests).
    static int UseCount();
};

}  // namespace tips::editor
