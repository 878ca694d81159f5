// The about box's picture the program embeds, its pixel font and the code colouring of its code window.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "about_picture.hpp"
#include "app/about_picture.hpp"
#include "pixel_font.hpp"
#include "skin/bitmap.hpp"

namespace {

using namespace tips::app::about;
using tips::skin::Image;
using tips::skin::kTransparentColour;

Image Embedded() { return tips::skin::ReadBitmap(tips::app::AboutPictureBitmap()); }

TEST(AboutPicture, EmbedsThePaintedPictureAt300By164) {
    const Image picture = Embedded();
    EXPECT_EQ(picture.Width(), 300);
    EXPECT_EQ(picture.Height(), 164);
    EXPECT_EQ(picture, paintAboutPicture().image());
}

// The canvas starts transparent: a pixel left unpainted would show as magenta in the about box.
TEST(AboutPicture, LeavesNoPixelUnpaintedAndIsNotOneFlatColour) {
    const Image picture = Embedded();
    std::set<std::uint32_t> colours;
    for (int y = 0; y < picture.Height(); ++y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const auto c = picture.At(x, y);
            ASSERT_NE(c, kTransparentColour) << "at " << x << "," << y;
            colours.insert(static_cast<std::uint32_t>(c.r) << 16 | c.g << 8 | c.b);
        }
    }
    EXPECT_GT(colours.size(), 100u);
}

// The product's name is written large in white across the top left: the text's own pixels match a
// fresh drawing of it at the same place.
TEST(AboutPicture, NamesTheProductInTheTitle) {
    const Image picture = Embedded();
    SkinCanvas alone(kPictureWidth, kPictureHeight, {0, 0, 0});
    drawText(alone, 16, 13, kProductName, {255, 255, 255}, 3);
    int ink = 0;
    for (int y = 0; y < kPictureHeight; ++y) {
        for (int x = 0; x < kPictureWidth; ++x) {
            if (alone.pixel(x, y) != tips::skin::Rgb{255, 255, 255}) continue;
            ++ink;
            ASSERT_EQ(picture.At(x, y), (tips::skin::Rgb{255, 255, 255})) << "at " << x << "," << y;
        }
    }
    EXPECT_GT(ink, 200);
}

TEST(PixelFont, HasEveryCharacterThePictureWrites) {
    for (const std::string_view text :
         {kProductName, kProductSubtitle, std::string_view("Form1 (Codigo) List1.AddItem \"Truco \" & i' _=0123456789")}) {
        for (const char ch : text) EXPECT_TRUE(hasGlyph(ch)) << "'" << ch << "'";
    }
}

// Every glyph has the cell's width in every row and ink only where the cell allows it: capitals and
// digits stand on the baseline, only descenders and the underscore go below it.
TEST(PixelFont, GlyphsFitTheirCell) {
    const std::string belowBaseline = "gjpqy_,";
    for (int code = 32; code < 127; ++code) {
        const char ch = static_cast<char>(code);
        if (!hasGlyph(ch)) continue;
        const auto rows = glyphRows(ch);
        for (int row = 0; row < kCellHeight; ++row) {
            ASSERT_EQ(rows[static_cast<std::size_t>(row)].size(), static_cast<std::size_t>(kCellWidth)) << ch;
            if (row >= kBaselineRows && belowBaseline.find(ch) == std::string::npos) {
                EXPECT_EQ(rows[static_cast<std::size_t>(row)], ".....") << "'" << ch << "' row " << row;
            }
        }
    }
}

TEST(PixelFont, RefusesACharacterItLacksRatherThanDroppingIt) {
    EXPECT_FALSE(hasGlyph('\xF3'));
    EXPECT_THROW(glyphRows('\xF3'), std::invalid_argument);
    SkinCanvas canvas(20, 20);
    EXPECT_THROW(drawText(canvas, 0, 0, "a\xF3", {0, 0, 0}), std::invalid_argument);
}

TEST(PixelFont, MeasuresTextWithoutTheTrailingGap) {
    EXPECT_EQ(textWidth("", 3), 0);
    EXPECT_EQ(textWidth("T", 1), kCellWidth);
    EXPECT_EQ(textWidth("Tolvanec", 3), (8 * (kCellWidth + kCharGap) - kCharGap) * 3);
    // The measure reaches exactly the last inked column of a glyph that fills its cell.
    SkinCanvas canvas(40, 10, {0, 0, 0});
    drawText(canvas, 0, 0, "MM", {255, 255, 255});
    EXPECT_EQ(canvas.pixel(textWidth("MM", 1) - 1, 0), (tips::skin::Rgb{255, 255, 255}));
    EXPECT_EQ(canvas.pixel(textWidth("MM", 1), 0), (tips::skin::Rgb{0, 0, 0}));
}

// What colour each character of a code line gets: keywords as whole words only, a comment to the end
// of the line, a string literal with its quotes (an apostrophe inside it starts no comment).
TEST(AboutPictureCode, ColoursKeywordsCommentsAndStrings) {
    struct TCase {
        std::string_view line;
        std::string_view kinds;  // k keyword, c comment, s string, . plain
    };
    const TCase cases[] = {
        {"Dim i As Integer", "kkk...kk.kkkkkkk"},
        {"Dimension = 1", "............."},
        {"End Sub ' done", "kkk.kkk.cccccc"},
        {"x = \"it's\" & y", "....ssssss...."},
        {"\"open", "sssss"},
        {"Form_Load()", "..........."},
    };
    const auto kindOf = [](tips::skin::Rgb c) {
        const auto colours = codeColours("Dim ' x");
        if (c == colours[0]) return 'k';
        if (c == colours[4]) return 'c';
        if (c == codeColours("\"\"")[0]) return 's';
        return c == colours[3] ? '.' : '?';
    };
    for (const TCase& test : cases) {
        const auto colours = codeColours(test.line);
        ASSERT_EQ(colours.size(), test.line.size()) << test.line;
        std::string kinds;
        for (const auto c : colours) kinds += kindOf(c);
        EXPECT_EQ(kinds, test.kinds) << test.line;
    }
}

}  // namespace
