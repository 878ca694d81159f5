#include "platform/win32/gdi_canvas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "platform/win32/double_buffer.hpp"
#include "platform/win32/gdi_font.hpp"

namespace tips::platform {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A 32-bit memory bitmap, white to start with, to draw on and read back.
class TPicture {
public:
    TPicture(int width, int height) : dc_(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        selected_.emplace(dc_.get(), bitmap_.get());
        const RECT all{0, 0, width, height};
        ::FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    HDC dc() const { return dc_.get(); }
    COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
    // The columns of row y that are not white.
    std::vector<int> InkIn(int y, int width) const {
        std::vector<int> ink;
        for (int x = 0; x < width; ++x) {
            if (At(x, y) != kWhite) ink.push_back(x);
        }
        return ink;
    }

private:
    TMemoryDC dc_;
    TBitmapHandle bitmap_;
    std::optional<TSelectObject> selected_;
};

const TFontDescription kCourier{"Courier New", -13, {}, kAnsiCharSet, TFontPitch::fpFixed};

TEST(GdiCanvas, FillsFramesAndResolvesSystemColoursWithTheSystem) {
    TPicture picture(20, 20);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.FillRect({2, 2, 10, 10}, clBtnFace);
        canvas.FrameRect({12, 12, 18, 18}, 0x0000FF);
    }
    EXPECT_EQ(picture.At(2, 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.At(9, 9), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(picture.At(10, 10), kWhite);  // right and bottom are outside
    EXPECT_EQ(picture.At(12, 15), kRed);
    EXPECT_EQ(picture.At(17, 17), kRed);
    EXPECT_EQ(picture.At(14, 14), kWhite);  // only the outline
    EXPECT_EQ(TGdiCanvas(picture.dc()).Resolve(clHighlight), GetSysColor(COLOR_HIGHLIGHT));
}

TEST(GdiCanvas, LinesLeaveTheirEndPointAndPolygonsIncludeTheirEdges) {
    TPicture picture(20, 20);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.Line({1, 1}, {6, 1}, 0x000000);
        const std::array<TViewPoint, 3> chain{{{1, 4}, {5, 4}, {5, 8}}};
        canvas.Polyline(chain, 0x000000);
        const std::array<TViewPoint, 3> triangle{{{10, 10}, {10, 18}, {14, 14}}};
        canvas.Polygon(triangle, 0xFF0000);
    }
    EXPECT_EQ(picture.InkIn(1, 20), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(picture.At(5, 7), kBlack);
    EXPECT_EQ(picture.At(5, 8), kWhite);
    EXPECT_EQ(picture.At(10, 10), kBlue);
    EXPECT_EQ(picture.At(10, 18), kBlue);
    EXPECT_EQ(picture.At(14, 14), kBlue);
    EXPECT_EQ(picture.At(11, 14), kBlue);
    EXPECT_EQ(picture.At(15, 14), kWhite);
}

TEST(GdiCanvas, EdgesAreTheSystemsRaisedAndSunkenRings) {
    TPicture picture(40, 20);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.DrawEdge({0, 0, 20, 20}, bdrRaisedInner);
        canvas.DrawEdge({20, 0, 40, 20}, bdrSunkenOuter);
    }
    EXPECT_EQ(picture.At(0, 0), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(19, 19), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(20, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(picture.At(39, 19), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(picture.At(10, 10), kWhite);  // no middle
}

TEST(GdiCanvas, PixelsInversionAndTheCheckerPattern) {
    TPicture picture(16, 16);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.SetPixel({3, 3}, 0x0000FF);
        canvas.InvertRect({8, 0, 12, 4});
        canvas.InvertRect({10, 0, 12, 4});  // inverted back
        canvas.AndPattern({0, 8, 8, 16}, kCheckerPattern);
    }
    EXPECT_EQ(picture.At(3, 3), kRed);
    EXPECT_EQ(picture.At(8, 0), kBlack);
    EXPECT_EQ(picture.At(10, 0), kWhite);
    EXPECT_EQ(picture.At(0, 8), kWhite);  // same parity: kept
    EXPECT_EQ(picture.At(1, 8), kBlack);
    EXPECT_EQ(picture.At(0, 9), kBlack);
    EXPECT_EQ(picture.At(1, 9), kWhite);
    EXPECT_EQ(picture.At(9, 9), kWhite);  // outside the rectangle
}

TEST(GdiCanvas, BitmapsLeaveTheirTransparentColourOutAndStretch) {
    TBitmap glyph("glyph", 4, 2, 0xFF00FF);
    glyph.Set(1, 0, 0x0000FF);
    glyph.Set(2, 1, 0xFF0000);
    TPicture picture(20, 10);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.FillRect({0, 0, 20, 10}, 0x00FF00);
        canvas.DrawBitmap(glyph, {0, 0, 4, 2}, TViewPoint{1, 1}, 0xFF00FF);
        canvas.DrawBitmap(glyph, {0, 0, 4, 2}, TViewRect{8, 2, 16, 6});  // twice the size, opaque
        EXPECT_THROW(canvas.DrawBitmap(glyph, {2, 0, 6, 2}, TViewPoint{0, 0}), std::out_of_range);
    }
    EXPECT_EQ(picture.At(1, 1), RGB(0, 255, 0));
    EXPECT_EQ(picture.At(2, 1), kRed);
    EXPECT_EQ(picture.At(3, 2), kBlue);
    EXPECT_EQ(picture.At(8, 2), RGB(255, 0, 255));
    EXPECT_EQ(picture.At(10, 2), kRed);
    EXPECT_EQ(picture.At(11, 3), kRed);
    EXPECT_EQ(picture.At(12, 5), kBlue);
}

TEST(GdiCanvas, WritesCharactersOneAdvanceApartAndFillsItsBox) {
    TPicture picture(120, 40);
    const auto font = GdiFonts().MakeFont(kCourier);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.SetFont(*font);
        canvas.SetTextColor(clBlack);
        canvas.SetBackColor(0x0000FF);
        const std::array<int, 3> wide{30, 30, 30};
        canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
        canvas.WriteText({0, 0}, "III", wide);
        // Only the opaque box: the rectangle in the back colour, no text.
        canvas.WriteText({0, 20}, "", {}, TTextBox{{0, 20, 10, 30}, true, false});
    }
    // Three strokes of "I", each 30 pixels right of the one before, on white (transparent mode).
    std::vector<int> strokes;
    for (int x = 0; x < 120; ++x) {
        for (int y = 0; y < 16; ++y) {
            if (picture.At(x, y) == kBlack && (strokes.empty() || x > strokes.back() + 10)) strokes.push_back(x);
        }
    }
    ASSERT_EQ(strokes.size(), 3u);
    EXPECT_EQ(strokes[1] - strokes[0], 30);
    EXPECT_EQ(strokes[2] - strokes[1], 30);
    EXPECT_EQ(picture.At(15, 5), kWhite);
    EXPECT_EQ(picture.At(9, 29), kRed);
    EXPECT_EQ(picture.At(10, 29), kWhite);
}

TEST(GdiCanvas, OpaqueTextFillsItsCellsAndClippedTextStopsAtTheBox) {
    TPicture picture(100, 40);
    const auto font = GdiFonts().MakeFont(kCourier);
    int width = 0;
    {
        TGdiCanvas canvas(picture.dc());
        canvas.SetFont(*font);
        canvas.SetBackColor(0x0000FF);
        width = canvas.TextExtent("MM").Width;
        canvas.WriteText({0, 0}, "MM");  // opaque mode: the cells take the back colour
        canvas.WriteText({0, 20}, "MMMMMMMM", {}, TTextBox{{0, 20, 12, 40}, false, true});
    }
    ASSERT_GT(width, 4);
    EXPECT_EQ(picture.At(width - 1, 1), kRed);
    EXPECT_EQ(picture.At(width + 1, 1), kWhite);
    std::vector<int> ink;
    for (int y = 20; y < 40; ++y) {
        for (const int x : picture.InkIn(y, 100)) ink.push_back(x);
    }
    ASSERT_FALSE(ink.empty());
    EXPECT_LT(*std::max_element(ink.begin(), ink.end()), 12);
}

TEST(GdiCanvas, MeasuresTheSelectedFontWhicheverKindItIs) {
    TPicture picture(10, 10);
    TGdiCanvas canvas(picture.dc());
    const auto gdi = GdiFonts().MakeFont(kCourier);
    canvas.SetFont(*gdi);
    const TTextMetrics metrics = canvas.TextMetrics();
    EXPECT_GT(metrics.Height, 12);
    EXPECT_EQ(canvas.TextExtent("abcd").Width, 4 * metrics.AverageCharWidth);
    const auto widths = canvas.CharWidths('M');
    ASSERT_TRUE(widths.has_value());
    EXPECT_EQ(widths->A + widths->B + widths->C, metrics.AverageCharWidth);
    canvas.SetCharacterExtra(3);
    EXPECT_EQ(canvas.TextExtent("abcd").Width, 4 * (metrics.AverageCharWidth + 3));
    canvas.SetCharacterExtra(0);

    // A plain font gets a device font made from its description: it measures the same.
    const TPlainFont plain(TFontDescription{"Courier New", -13, fsBold, kAnsiCharSet, TFontPitch::fpFixed});
    const auto bold = GdiFonts().MakeFont(plain.Description());
    canvas.SetFont(plain);
    const TTextMetrics plainMetrics = canvas.TextMetrics();
    canvas.SetFont(*bold);
    EXPECT_EQ(canvas.TextMetrics(), plainMetrics);
}

TEST(GdiCanvas, FontsDescribeTheirHandlesBothWays) {
    const TFontDescription description{"Arial", -13, TFontStyles(fsBold) | fsItalic, kAnsiCharSet,
                                       TFontPitch::fpVariable};
    const TGdiFont font(description);
    ASSERT_NE(font.Handle(), nullptr);
    LOGFONTA log{};
    ASSERT_NE(GetObjectA(font.Handle(), sizeof log, &log), 0);
    EXPECT_STREQ(log.lfFaceName, "Arial");
    EXPECT_EQ(log.lfHeight, -13);
    EXPECT_EQ(log.lfWeight, FW_BOLD);
    EXPECT_TRUE(log.lfItalic);
    EXPECT_FALSE(log.lfUnderline);
    EXPECT_EQ(DescribeFont(font.Handle()), description);
    EXPECT_EQ(DescribeFont(nullptr), TFontDescription{});
}

TEST(GdiCanvas, MapsLogicalUnitsOntoDevicePixels) {
    TPicture picture(40, 40);
    {
        TGdiCanvas canvas(picture.dc());
        TMapping mapping;
        mapping.WindowExtent = {100, 100};
        mapping.ViewportExtent = {20, 20};
        mapping.ViewportOrigin = {10, 10};
        canvas.SetMapping(mapping);
        canvas.FillRect({0, 0, 50, 50}, 0x000000);  // device (10, 10) to (20, 20)
        TMapping zero;
        zero.WindowExtent = {0, 10};
        EXPECT_THROW(canvas.SetMapping(zero), std::invalid_argument);
    }
    EXPECT_EQ(picture.At(9, 9), kWhite);
    EXPECT_EQ(picture.At(10, 10), kBlack);
    EXPECT_EQ(picture.At(19, 19), kBlack);
    EXPECT_EQ(picture.At(20, 20), kWhite);
}

TEST(GdiCanvas, StateClipAndEverythingItChangedComeBack) {
    TPicture picture(20, 20);
    const HGDIOBJ fontBefore = GetCurrentObject(picture.dc(), OBJ_FONT);
    const auto font = GdiFonts().MakeFont(kCourier);
    {
        TGdiCanvas canvas(picture.dc());
        canvas.SetFont(*font);
        canvas.SetTextColor(0x0000FF);
        {
            const TCanvasClip clip(canvas, {0, 0, 5, 5});
            canvas.ExcludeClip({0, 0, 2, 2});
            canvas.SetTextColor(0x00FF00);
            canvas.FillRect({0, 0, 20, 20}, 0x000000);
        }
        EXPECT_EQ(GetTextColor(picture.dc()), kRed);
        canvas.FillRect({10, 10, 12, 12}, 0x000000);  // no clip any more
        canvas.RestoreState();                        // nothing saved: nothing happens
        EXPECT_EQ(GetTextColor(picture.dc()), kRed);
    }
    EXPECT_EQ(picture.At(1, 1), kWhite);
    EXPECT_EQ(picture.At(3, 3), kBlack);
    EXPECT_EQ(picture.At(6, 6), kWhite);
    EXPECT_EQ(picture.At(11, 11), kBlack);
    EXPECT_EQ(GetCurrentObject(picture.dc(), OBJ_FONT), fontBefore);
    EXPECT_EQ(GetTextColor(picture.dc()), kBlack);
}

TEST(GdiCanvas, TextBoxesMeasureLikeTheRecordingRuleWithTheFontsOwnWidths) {
    TPicture picture(10, 10);
    const auto font = GdiFonts().MakeFont(kCourier);
    TGdiCanvas canvas(picture.dc());
    canvas.SetFont(*font);
    const int w = canvas.TextExtent("M").Width;
    const int h = canvas.TextMetrics().Height;
    ASSERT_GT(w, 3);
    ASSERT_EQ(canvas.TextExtent("Hola mundo").Width, 10 * w);  // a fixed pitch: every character w wide
    const TViewRect narrow{3, 4, 3 + 6 * w, 200};
    struct TCase {
        const char* text;
        TTextFormat format;
        TViewRect expected;
    } cases[] = {
        {"Hola mundo", tfSingleLine | tfWordBreak, {3, 4, 3 + 10 * w, 4 + h}},
        {"Hola mundo", tfWordBreak, {3, 4, 3 + 5 * w, 4 + 2 * h}},
        {"Hola mundo", tfWordBreak | tfCenter, {3, 4, 3 + 5 * w, 4 + 2 * h}},
        {"a\nb\r\nc", 0, {3, 4, 3 + w, 4 + 3 * h}},
        {"A&&B&C", tfSingleLine, {3, 4, 3 + 4 * w, 4 + h}},
        {"A&&B&C", tfSingleLine | tfNoPrefix, {3, 4, 3 + 6 * w, 4 + h}},
        {"a\tb", tfSingleLine | tfExpandTabs, {3, 4, 3 + 9 * w, 4 + h}},
        {"Supercalifragilistico", tfWordBreak | tfEditControl, {3, 4, 3 + 6 * w, 4 + 4 * h}},
        {"Supercalifragilistico es", tfWordBreak, {3, 4, 3 + 21 * w, 4 + 2 * h}},
        {"ab   cd", tfWordBreak, {3, 4, 3 + 5 * w, 4 + 2 * h}},
        {"abc    de", tfWordBreak, {3, 4, 3 + 6 * w, 4 + 2 * h}},
        {"ab\n", 0, {3, 4, 3 + 2 * w, 4 + h}},
        {"ab\r\n\r\n", 0, {3, 4, 3 + 2 * w, 4 + 2 * h}},
        {"", tfSingleLine, {3, 4, 3, 4 + h}},
        {"", tfWordBreak, {3, 4, 3, 4}},
        {"Hola mundo cruel", tfSingleLine | tfEndEllipsis, {3, 4, 3 + 6 * w, 4 + h}},
        {"C:\\dir\\file.txt", tfSingleLine | tfPathEllipsis, {3, 4, 3 + 12 * w, 4 + h}},  // the name stays whole
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(canvas.MeasureTextBox(narrow, c.text, c.format), c.expected) << c.text << " format " << c.format;
    }
}

TEST(GdiCanvas, TextBoxesDrawPlacedByTheAlignmentAndCutAtTheRectangle) {
    TPicture picture(120, 60);
    const auto font = GdiFonts().MakeFont(kCourier);
    int width = 0;
    int height = 0;
    int drawn = 0;
    {
        TGdiCanvas canvas(picture.dc());
        canvas.SetFont(*font);
        canvas.SetTextColor(0x0000FF);
        canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
        width = canvas.TextExtent("MMM").Width;
        height = canvas.TextMetrics().Height;
        drawn = canvas.DrawTextBox({20, 0, 100, 30}, "MMM", tfSingleLine | tfCenter | tfBottom);
        canvas.DrawTextBox({0, 40, 10, 60}, "MMMMMMMM", tfSingleLine);
    }
    EXPECT_EQ(drawn, 30);  // the text ends at the bottom of its rectangle
    // The ink of "MMM" lies in its centred cells at the bottom of the rectangle, in the text colour.
    std::vector<int> xs;
    std::vector<int> ys;
    for (int y = 0; y < 35; ++y) {
        for (const int x : picture.InkIn(y, 120)) {
            EXPECT_EQ(picture.At(x, y), kRed) << x << "," << y;
            xs.push_back(x);
            ys.push_back(y);
        }
    }
    ASSERT_FALSE(xs.empty());
    const int left = 20 + (80 - width) / 2;
    EXPECT_GE(*std::min_element(xs.begin(), xs.end()), left);
    EXPECT_LE(*std::min_element(xs.begin(), xs.end()), left + 2);
    EXPECT_LT(*std::max_element(xs.begin(), xs.end()), left + width);
    EXPECT_GE(*std::min_element(ys.begin(), ys.end()), 30 - height);
    EXPECT_LT(*std::max_element(ys.begin(), ys.end()), 30);
    // Cut at its rectangle's right edge.
    std::vector<int> cut;
    for (int y = 40; y < 60; ++y) {
        for (const int x : picture.InkIn(y, 120)) cut.push_back(x);
    }
    ASSERT_FALSE(cut.empty());
    EXPECT_LT(*std::max_element(cut.begin(), cut.end()), 10);
}

TEST(DoubleBuffer, DrawsOffScreenAndCopiesOnlyTheAskedArea) {
    TPicture target(20, 20);
    {
        TDoubleBuffer buffer(target.dc(), {20, 20});
        ASSERT_TRUE(buffer.Usable());
        TGdiCanvas canvas(buffer.get());
        canvas.FillRect({0, 0, 20, 20}, 0x0000FF);
        EXPECT_EQ(target.At(5, 5), kWhite);
        buffer.CopyTo(target.dc(), {0, 0, 10, 10});
    }
    EXPECT_EQ(target.At(5, 5), kRed);
    EXPECT_EQ(target.At(15, 15), kWhite);
    EXPECT_FALSE(TDoubleBuffer(target.dc(), {0, 10}).Usable());
}

}  // namespace
}  // namespace tips::platform
