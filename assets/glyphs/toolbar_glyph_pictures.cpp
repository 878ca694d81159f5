#include "toolbar_glyph_pictures.hpp"

#include <stdexcept>
#include <string_view>

namespace tips::app::glyphs {

namespace {

// Each picture is 16 rows of 16 letters; the palette turns letters into colours, '.' is transparent.
Rgb paletteColour(char letter) {
    switch (letter) {
        case '.': return skin::kTransparentColour;
        case 'K': return {24, 24, 32};      // outlines
        case 'W': return {255, 255, 255};   // paper
        case 'L': return {214, 214, 214};   // light metal and plastic
        case 'G': return {150, 150, 156};   // shaded plastic
        case 'S': return {188, 196, 206};   // blade steel
        case 'b': return {40, 72, 168};     // lines of text
        case 'g': return {24, 190, 48};     // the printer's lamp
        case 'R': return {196, 28, 28};     // scissor handles
        case 'D': return {104, 62, 24};     // clipboard edge
        case 'O': return {188, 130, 64};    // clipboard board
    }
    throw std::invalid_argument(std::string("no colour for '") + letter + "'");
}

SkinCanvas paintPattern(const char* const (&rows)[kGlyphSize]) {
    SkinCanvas canvas(kGlyphSize, kGlyphSize);
    for (int y = 0; y < kGlyphSize; ++y) {
        const std::string_view row = rows[y];
        if (row.size() != static_cast<std::size_t>(kGlyphSize)) throw std::invalid_argument("glyph rows are 16 wide");
        for (int x = 0; x < kGlyphSize; ++x) canvas.set(x, y, paletteColour(row[static_cast<std::size_t>(x)]));
    }
    return canvas;
}

// A sheet half into the printer, the printer's body with its lamp, and a printed sheet coming out.
SkinCanvas paintPrint() {
    static const char* const rows[kGlyphSize] = {
        "................",
        "...KKKKKKKKK....",
        "...KWWWWWWWK....",
        "...KWbbbbbWK....",
        "...KWWWWWWWK....",
        "...KWbbbbWWK....",
        ".KKKKKKKKKKKKKK.",
        "KWLLLLLLLLLLLLGK",
        "KLLLLLLLLLLggLGK",
        "KLLLLLLLLLLLLLGK",
        "KGGGGGGGGGGGGGGK",
        "KGKKKKKKKKKKKKGK",
        "KGGKWWWWWWWKGGGK",
        ".KKKWbbbbbWKKKK.",
        "...KWWWWWWWK....",
        "...KKKKKKKKK....",
    };
    return paintPattern(rows);
}

// Open scissors, blades up, crossing at the pivot, with two round handles.
SkinCanvas paintCut() {
    static const char* const rows[kGlyphSize] = {
        "..K..........K..",
        "..KS........SK..",
        "...KS......SK...",
        "...KS......SK...",
        "....KS....SK....",
        "....KS....SK....",
        ".....KS..SK.....",
        "......KSSK......",
        "......KKKK......",
        ".....RRKKRR.....",
        "...RRRR..RRRR...",
        "..RR..R..R..RR..",
        ".RR...R..R...RR.",
        ".R....R..R....R.",
        ".RR..RR..RR..RR.",
        "..RRRR....RRRR..",
    };
    return paintPattern(rows);
}

// Two written sheets, the copy lying over the original.
SkinCanvas paintCopy() {
    static const char* const rows[kGlyphSize] = {
        "................",
        ".KKKKKKKKK......",
        ".KWWWWWWWK......",
        ".KWbbbbbWK......",
        ".KWWWWWWWK......",
        ".KWbbbKKKKKKKKK.",
        ".KWWWWKWWWWWWWK.",
        ".KWbbbKWbbbbbWK.",
        ".KWWWWKWWWWWWWK.",
        ".KWbbbKWbbbbbWK.",
        ".KWWWWKWWWWWWWK.",
        ".KKKKKKWbbbbbWK.",
        "......KWWWWWWWK.",
        "......KWbbbbWWK.",
        "......KWWWWWWWK.",
        "......KKKKKKKKK.",
    };
    return paintPattern(rows);
}

// A clipboard with its metal clip, and a written sheet laid on it.
SkinCanvas paintPaste() {
    static const char* const rows[kGlyphSize] = {
        "....KKKKK.......",
        ".DDKLLLLLKDD....",
        ".DOKLKKKLKOD....",
        ".DOOKKKKKOOD....",
        ".DOOOOOOOOOD....",
        ".DOOOOOOOOOD....",
        ".DOOOKKKKKKKKKK.",
        ".DOOOKWWWWWWWWK.",
        ".DOOOKWbbbbbbWK.",
        ".DOOOKWWWWWWWWK.",
        ".DOOOKWbbbbbWWK.",
        ".DOOOKWWWWWWWWK.",
        ".DOOOKWbbbbbbWK.",
        ".DOOOKWWWWWWWWK.",
        ".DDDDKWbbbWWWWK.",
        ".....KKKKKKKKKK.",
    };
    return paintPattern(rows);
}

}  // namespace

std::vector<ToolbarGlyphPicture> paintToolbarGlyphs() {
    std::vector<ToolbarGlyphPicture> pictures;
    pictures.push_back({"print", paintPrint()});
    pictures.push_back({"cut", paintCut()});
    pictures.push_back({"copy", paintCopy()});
    pictures.push_back({"paste", paintPaste()});
    return pictures;
}

bool isInk(Rgb colour) {
    if (colour == skin::kTransparentColour) return false;
    // Integer luminance, 0 to 255.
    const int luminance = (colour.r * 299 + colour.g * 587 + colour.b * 114) / 1000;
    return luminance < 140;
}

SkinCanvas embossedImage(const SkinCanvas& normal) {
    SkinCanvas out(normal.width(), normal.height());
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x)
            if (isInk(normal.pixel(x, y))) out.set(x + 1, y + 1, kEmbossHighlight);
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x)
            if (isInk(normal.pixel(x, y))) out.set(x, y, kEmbossShadow);
    return out;
}

SkinCanvas twoImageGlyph(const SkinCanvas& normal) {
    SkinCanvas glyph(normal.width() * 2, normal.height());
    glyph.paste(normal, 0, 0);
    glyph.paste(embossedImage(normal), normal.width(), 0);
    return glyph;
}

}  // namespace tips::app::glyphs
