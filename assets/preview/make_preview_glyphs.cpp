// make_preview_glyphs: paints the print preview window's toolbar images and writes them out. The build
// runs it on the host, also in a cross build.
//   make_preview_glyphs --bitmap FILE    the 119 x 17 strip as a 24-bit bitmap, to look at
//   make_preview_glyphs --embed SOURCE   a C++ source defining PreviewGlyphStrip() over its bytes

#include "embedded_bytes.hpp"
#include "preview_glyph_pictures.hpp"
#include "skin/bitmap.hpp"

namespace {

tips::assets::Bytes StripBitmap() { return tips::skin::WriteBitmap(tips::print::glyphs::previewGlyphStrip().image()); }

}  // namespace

int main(int argc, char** argv) {
    return tips::assets::RunPictureGenerator(
        argc, argv,
        {"make_preview_glyphs", "assets/preview", "print/preview_glyphs.hpp", "tips::print", "PreviewGlyphStrip"},
        &StripBitmap);
}
