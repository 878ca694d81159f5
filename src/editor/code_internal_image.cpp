#include "editor/code_internal_image.hpp"

#include <memory>

#include "bookmark_glyphs.hpp"

namespace tips::editor {

namespace {

struct TShared {
    std::unique_ptr<platform::TBitmap> Bitmap;
    int Uses = 0;
};

TShared& Shared() {
    static TShared shared;
    return shared;
}

}  // namespace

TCodeInternalImage::TCodeInternalImage() {
    TShared& shared = Shared();
    if (shared.Uses++ == 0) shared.Bitmap = std::make_unique<platform::TBitmap>(glyphs::PaintBookmarkGlyphs());
}

TCodeInternalImage::~TCodeInternalImage() {
    TShared& shared = Shared();
    if (--shared.Uses == 0) shared.Bitmap.reset();
}

int TCodeInternalImage::UseCount() { return Shared().Uses; }

const platform::TBitmap& TCodeInternalImage::Bitmap() const { return *Shared().Bitmap; }

int TCodeInternalImage::GlyphWidth() const { return (Bitmap().Width() + kCount / 2) / kCount; }

int TCodeInternalImage::GlyphHeight() const { return Bitmap().Height(); }

void TCodeInternalImage::DrawOnRow(platform::TCanvas& canvas, int number, int x, int rowTop, int rowHeight) const {
    if (number < 0 || number >= kCount) return;
    const int width = GlyphWidth();
    const int height = GlyphHeight();
    const int left = number * width;
    if (rowHeight < height) {
        const int top = (height - rowHeight) / 2;
        canvas.DrawBitmap(Bitmap(), {left, top, left + width, top + rowHeight}, platform::TViewPoint{x, rowTop});
    } else {
        canvas.DrawBitmap(Bitmap(), {left, 0, left + width, height},
                          platform::TViewPoint{x, rowTop + (rowHeight - height) / 2});
    }
}

}  // namespace tips::editor
