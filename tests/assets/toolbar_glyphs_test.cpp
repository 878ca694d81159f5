// The toolbar glyphs the program embeds: each is the painted normal image beside its embossed disabled
// image, with the transparent colour where the button looks for it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/toolbar_glyphs.hpp"
#include "skin/bitmap.hpp"
#include "toolbar_glyph_pictures.hpp"

namespace {

using tips::app::TToolbarGlyph;
using tips::app::glyphs::kEmbossHighlight;
using tips::app::glyphs::kEmbossShadow;
using tips::app::glyphs::kGlyphSize;
using tips::skin::Image;
using tips::skin::kTransparentColour;
using tips::skin::Rgb;

struct TGlyphCase {
    TToolbarGlyph glyph;
    const char* name;   // of the painted picture
};

const TGlyphCase kCases[] = {
    {TToolbarGlyph::tgPrint, "print"},
    {TToolbarGlyph::tgCut, "cut"},
    {TToolbarGlyph::tgCopy, "copy"},
    {TToolbarGlyph::tgPaste, "paste"},
};

Image PaintedNormal(const std::string& name) {
    for (const auto& picture : tips::app::glyphs::paintToolbarGlyphs())
        if (picture.name == name) return picture.normal.image();
    throw std::runtime_error("no painted glyph " + name);
}

bool IsGrey(Rgb c) { return c.r == c.g && c.g == c.b; }

class ToolbarGlyph : public ::testing::TestWithParam<TGlyphCase> {
protected:
    Image Embedded() const { return tips::skin::ReadBitmap(tips::app::ToolbarGlyphBitmap(GetParam().glyph)); }
};

TEST_P(ToolbarGlyph, HoldsThePaintedImageThenTheDisabledOneWithATransparentBottomLeft) {
    const Image glyph = Embedded();
    ASSERT_EQ(glyph.Width(), 2 * kGlyphSize);
    ASSERT_EQ(glyph.Height(), kGlyphSize);
    EXPECT_EQ(tips::skin::Crop(glyph, 0, 0, kGlyphSize, kGlyphSize), PaintedNormal(GetParam().name));
    EXPECT_EQ(glyph.At(0, kGlyphSize - 1), kTransparentColour);
    EXPECT_EQ(glyph.At(kGlyphSize, kGlyphSize - 1), kTransparentColour);
}

// The disabled image is grey only, and its shadow traces exactly the dark strokes of the normal image.
TEST_P(ToolbarGlyph, DisabledImageIsAGreyEmbossOfTheDarkStrokes) {
    const Image glyph = Embedded();
    int shadows = 0;
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            const Rgb normal = glyph.At(x, y);
            const Rgb disabled = glyph.At(kGlyphSize + x, y);
            EXPECT_TRUE(disabled == kTransparentColour || disabled == kEmbossHighlight || disabled == kEmbossShadow)
                << "at " << x << "," << y;
            EXPECT_EQ(disabled == kEmbossShadow, tips::app::glyphs::isInk(normal)) << "at " << x << "," << y;
            shadows += disabled == kEmbossShadow;
        }
    }
    EXPECT_GE(shadows, 30);
}

TEST_P(ToolbarGlyph, NormalImageIsInColourAndKeepsInsideItsSquare) {
    const Image normal = PaintedNormal(GetParam().name);
    int coloured = 0, opaque = 0;
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x) {
            const Rgb c = normal.At(x, y);
            if (c == kTransparentColour) continue;
            ++opaque;
            coloured += !IsGrey(c);
        }
    }
    EXPECT_GE(coloured, 10);
    // A picture, not a filled square: the background shows around it.
    EXPECT_GE(opaque, kGlyphSize * kGlyphSize / 4);
    EXPECT_LE(opaque, kGlyphSize * kGlyphSize - 20);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ToolbarGlyph, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(ToolbarGlyphs, AreFourDifferentPictures) {
    std::set<std::vector<std::uint8_t>> bitmaps;
    for (const auto& c : kCases) {
        const auto bytes = tips::app::ToolbarGlyphBitmap(c.glyph);
        bitmaps.emplace(bytes.begin(), bytes.end());
    }
    EXPECT_EQ(bitmaps.size(), std::size(kCases));
}

TEST(ToolbarGlyphs, UnknownGlyphHasNoBitmap) {
    EXPECT_TRUE(tips::app::ToolbarGlyphBitmap(static_cast<TToolbarGlyph>(4)).empty());
    EXPECT_TRUE(tips::app::ToolbarGlyphBitmap(static_cast<TToolbarGlyph>(-1)).empty());
}

}  // namespace
