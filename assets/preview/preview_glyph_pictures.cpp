#include "preview_glyph_pictures.hpp"

#include <stdexcept>
#include <string>
#include <string_view>

namespace tips::print::glyphs {

namespace {

using skin::Rgb;
using skin::art::SkinCanvas;

// Each picture is 17 rows of 17 letters; '.' is transparent.
Rgb paletteColour(char letter) {
    switch (letter) {
        case '.': return skin::kTransparentColour;
        case 'K': return {16, 16, 24};      // outlines
        case 'B': return {0, 64, 160};      // arrows
        case 'b': return {64, 128, 224};    // the arrows' lit edge
        case 'W': return {255, 255, 255};   // paper, glass highlight
        case 'L': return {212, 212, 212};   // light plastic
        case 'G': return {140, 140, 148};   // shaded plastic
        case 'C': return {176, 216, 240};   // lens glass
        case 'H': return {128, 72, 24};     // magnifier handle
        case 'g': return {24, 180, 48};     // the printer's lamp
        case 't': return {40, 72, 168};     // lines of text
        case 'R': return {200, 32, 32};     // the close cross
        case 'r': return {240, 112, 96};    // its lit edge
    }
    throw std::invalid_argument(std::string("no colour for '") + letter + "'");
}

SkinCanvas paintPattern(const char* const (&rows)[kPreviewGlyphSize]) {
    SkinCanvas canvas(kPreviewGlyphSize, kPreviewGlyphSize);
    for (int y = 0; y < kPreviewGlyphSize; ++y) {
        const std::string_view row = rows[y];
        if (row.size() != static_cast<std::size_t>(kPreviewGlyphSize)) {
            throw std::invalid_argument("preview glyph rows are 17 wide");
        }
        for (int x = 0; x < kPreviewGlyphSize; ++x) canvas.set(x, y, paletteColour(row[static_cast<std::size_t>(x)]));
    }
    return canvas;
}

// A bar, then an arrow pointing left at it.
SkinCanvas paintFirst() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        ".................",
        ".................",
        "...KK.......KK...",
        "...KK......KbK...",
        "...KK.....KbBK...",
        "...KK....KbBBK...",
        "...KK...KbBBBK...",
        "...KK..KbBBBBK...",
        "...KK...KBBBBK...",
        "...KK....KBBBK...",
        "...KK.....KBBK...",
        "...KK......KBK...",
        "...KK.......KK...",
        ".................",
        ".................",
        ".................",
    };
    return paintPattern(rows);
}

SkinCanvas paintPrevious() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        ".................",
        ".................",
        "..........KK.....",
        ".........KbK.....",
        "........KbBK.....",
        ".......KbBBK.....",
        "......KbBBBK.....",
        ".....KbBBBBK.....",
        "......KBBBBK.....",
        ".......KBBBK.....",
        "........KBBK.....",
        ".........KBK.....",
        "..........KK.....",
        ".................",
        ".................",
        ".................",
    };
    return paintPattern(rows);
}

SkinCanvas paintNext() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        ".................",
        ".................",
        ".....KK..........",
        ".....KbK.........",
        ".....KbbK........",
        ".....KbBBK.......",
        ".....KbBBBK......",
        ".....KbBBBBK.....",
        ".....KBBBBK......",
        ".....KBBBK.......",
        ".....KBBK........",
        ".....KBK.........",
        ".....KK..........",
        ".................",
        ".................",
        ".................",
    };
    return paintPattern(rows);
}

SkinCanvas paintLast() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        ".................",
        ".................",
        "...KK.......KK...",
        "...KbK......KK...",
        "...KbbK.....KK...",
        "...KbBBK....KK...",
        "...KbBBBK...KK...",
        "...KbBBBBK..KK...",
        "...KBBBBK...KK...",
        "...KBBBK....KK...",
        "...KBBK.....KK...",
        "...KBK......KK...",
        "...KK.......KK...",
        ".................",
        ".................",
        ".................",
    };
    return paintPattern(rows);
}

// A magnifying glass: a round lens with a glint, its handle down to the right.
SkinCanvas paintZoom() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        "....KKKKK........",
        "...KCCCCCK.......",
        "..KCWWCCCCK......",
        ".KCWWCCCCCCK.....",
        ".KCWCCCCCCCK.....",
        ".KCCCCCCCCCK.....",
        ".KCCCCCCCCCK.....",
        ".KCCCCCCCCCK.....",
        "..KCCCCCCCK......",
        "...KCCCCCKKK.....",
        "....KKKKKKHHK....",
        "...........KHHK..",
        "............KHHK.",
        ".............KHHK",
        "..............KK.",
        ".................",
    };
    return paintPattern(rows);
}

// A printer with a sheet in it, its lamp lit, and a printed sheet coming out.
SkinCanvas paintPrint() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        "....KKKKKKKKK....",
        "....KWWWWWWWK....",
        "....KWtttttWK....",
        "....KWWWWWWWK....",
        "....KWttttWWK....",
        ".KKKKKKKKKKKKKKK.",
        "KWLLLLLLLLLLLLLGK",
        "KLLLLLLLLLLLggLGK",
        "KLLLLLLLLLLLLLLGK",
        "KGGGGGGGGGGGGGGGK",
        "KGKKKKKKKKKKKKKGK",
        "KGGGKWWWWWWWKGGGK",
        ".KKKKWtttttWKKKK.",
        "....KWWWWWWWK....",
        "....KKKKKKKKK....",
        ".................",
    };
    return paintPattern(rows);
}

// A red cross.
SkinCanvas paintClose() {
    static const char* const rows[kPreviewGlyphSize] = {
        ".................",
        ".................",
        "...KK.......KK...",
        "..KrRK.....KrRK..",
        "..KRRRK...KrRRK..",
        "...KRRRK.KrRRK...",
        "....KRRRKrRRK....",
        ".....KRRRRRK.....",
        "......KRRRK......",
        ".....KrRRRRK.....",
        "....KrRRKRRRK....",
        "...KrRRK.KRRRK...",
        "..KrRRK...KRRRK..",
        "..KRRK.....KRRK..",
        "...KK.......KK...",
        ".................",
        ".................",
    };
    return paintPattern(rows);
}

}  // namespace

std::vector<SkinCanvas> paintPreviewGlyphs() {
    return {paintFirst(), paintPrevious(), paintNext(), paintLast(), paintZoom(), paintPrint(), paintClose()};
}

SkinCanvas previewGlyphStrip() {
    const std::vector<SkinCanvas> glyphs = paintPreviewGlyphs();
    SkinCanvas strip(kPreviewGlyphSize * static_cast<int>(glyphs.size()), kPreviewGlyphSize);
    for (std::size_t i = 0; i < glyphs.size(); ++i) strip.paste(glyphs[i], kPreviewGlyphSize * static_cast<int>(i), 0);
    return strip;
}

}  // namespace tips::print::glyphs
