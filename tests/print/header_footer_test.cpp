// Headers and footers: macro text and Roman numerals, line layout, alignment and mirroring, the
// frame, nothing at all without items, and copying.

#include <gtest/gtest.h>

#include "platform/canvas_calls.hpp"
#include "platform/recording_canvas.hpp"
#include "print/header_footer.hpp"
#include "print/header_footer_text.hpp"
#include "print_test_support.hpp"

namespace {

using namespace tips::print;
using tips::platform::TFillCall;
using tips::platform::TFrameCall;
using tips::platform::TLineCall;
using tips::platform::TRecordingCanvas;
using tips::platform::TTextCall;

struct TRomanCase {
    int value;
    const char* roman;
};

class RomanNumbers : public ::testing::TestWithParam<TRomanCase> {};

TEST_P(RomanNumbers, UseTheSubtractiveForms) { EXPECT_EQ(RomanNumber(GetParam().value), GetParam().roman); }

INSTANTIATE_TEST_SUITE_P(Cases, RomanNumbers,
                         ::testing::Values(TRomanCase{1, "I"}, TRomanCase{3, "III"}, TRomanCase{4, "IV"},
                                           TRomanCase{9, "IX"}, TRomanCase{14, "XIV"}, TRomanCase{40, "XL"},
                                           TRomanCase{90, "XC"}, TRomanCase{400, "CD"}, TRomanCase{1994, "MCMXCIV"},
                                           TRomanCase{3999, "MMMCMXCIX"}, TRomanCase{0, ""}, TRomanCase{-5, ""}));

struct TMacroCase {
    const char* text;
    bool roman;
    const char* expanded;
};

class HeaderFooterMacros : public ::testing::TestWithParam<TMacroCase> {};

TEST_P(HeaderFooterMacros, ReplaceKnownNamesAndKeepTheRest) {
    const TMacroValues values{3, 12, GetParam().roman, "Abrir un fichero", "11/12/2026", "04:05:06"};
    EXPECT_EQ(ExpandMacros(GetParam().text, values), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HeaderFooterMacros,
    ::testing::Values(TMacroCase{"Page $PAGENUM$ of $PAGECOUNT$", false, "Page 3 of 12"},
                      TMacroCase{"Page $PAGENUM$ of $PAGECOUNT$", true, "Page III of 12"},
                      TMacroCase{"$pagenum$/$PageCount$", false, "3/12"},
                      TMacroCase{"$FOO$", false, "$FOO$"},
                      TMacroCase{"$FOO$PAGENUM$", false, "$FOO3"},
                      TMacroCase{"cost: 5$", false, "cost: 5$"},
                      TMacroCase{"$$PAGENUM$", false, "$3"},
                      TMacroCase{"$TITLE$ - $DATE$ $TIME$", false, "Abrir un fichero - 11/12/2026 04:05:06"},
                      TMacroCase{"$DATETIME$|$TIMEDATE$", false, "11/12/2026 04:05:06|04:05:06 11/12/2026"},
                      TMacroCase{"  $PAGENUM$ ", false, "  3 "},
                      TMacroCase{" \t\r\n", false, ""},
                      TMacroCase{"", false, ""}));

// The fallback A4 page with the initial margins: DevLeft 230, DevRight 2239, DevHeader 127,
// DevFooter 3280, DevHFLeft 254, DevHFRight 2215, DevHFInternal 6. Fonts measure by the recording
// canvas's rule: Arial 10 points at 300 dots per inch is 42 high, cells 21 wide, ascent 33.
class HeaderFooterPrint : public ::testing::Test {
protected:
    HeaderFooterPrint() {
        margins.ComputeDeviceMargins(canvas, 1, {}, info);
    }
    void Layout(THeaderFooter& hf, int pageCount = 12) { hf.Layout(canvas, 300, pageCount, margins, "T", {"D", "H"}); }
    std::vector<TTextCall> PrintTexts(const THeaderFooter& hf, int page) {
        canvas.Clear();
        hf.Print(canvas, page);
        return canvas.CallsOf<TTextCall>();
    }

    tips::testing::TFakePrinterPort port{std::nullopt};
    TCodeEditPrinterInfo info;
    TCodeEditPrintMargins margins;
    TRecordingCanvas canvas;
};

TEST_F(HeaderFooterPrint, WithoutItemsNothingIsDrawnWhateverTheFrame) {
    THeader header;
    TFooter footer;
    header.SetFrameTypes(ftLine | ftBox | ftShaded);
    footer.SetFrameTypes(ftLine | ftShaded);
    Layout(header);
    Layout(footer);
    EXPECT_EQ(header.FrameHeight(), -1);
    canvas.Clear();
    header.Print(canvas, 1);
    footer.Print(canvas, 2);
    EXPECT_TRUE(canvas.CallsOf<TFillCall>().empty());
    EXPECT_TRUE(canvas.CallsOf<TFrameCall>().empty());
    EXPECT_TRUE(canvas.CallsOf<TLineCall>().empty());
    EXPECT_TRUE(canvas.CallsOf<TTextCall>().empty());
}

TEST_F(HeaderFooterPrint, AHeaderStandsOnItsLineAndAFooterHangsFromIt) {
    THeader header;
    header.Add("Page $PAGENUM$ of $PAGECOUNT$", nullptr, TAlignment::taLeftJustify, 1);
    header.SetFrameTypes(ftLine | ftBox | ftShaded);
    Layout(header);
    ASSERT_EQ(header.FrameHeight(), 42 + 2 * 6);
    canvas.Clear();
    header.Print(canvas, 3);
    const tips::platform::TViewRect frame{230, 127 - 54, 2239, 127};
    EXPECT_EQ(canvas.CallsOf<TFillCall>(), (std::vector<TFillCall>{{frame, tips::platform::clSilver}}));
    EXPECT_EQ(canvas.CallsOf<TFrameCall>(), (std::vector<TFrameCall>{{frame, tips::platform::clBlack}}));
    EXPECT_EQ(canvas.CallsOf<TLineCall>(), (std::vector<TLineCall>{{{230, 127}, {2239, 127}, tips::platform::clBlack}}));
    auto texts = canvas.CallsOf<TTextCall>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "Page 3 of 12");
    EXPECT_EQ(texts[0].At, (tips::platform::TViewPoint{254, 127 - 54 + 6}));  // the first line's top
    EXPECT_EQ(texts[0].Font.Face, "Arial");
    EXPECT_EQ(texts[0].Font.Height, -42);
    EXPECT_EQ(texts[0].Mode, tips::platform::TBackgroundMode::bmTransparent);

    TFooter footer;
    footer.Add("x", nullptr, TAlignment::taLeftJustify, 1);
    footer.SetFrameTypes(ftLine | ftShaded);
    Layout(footer);
    canvas.Clear();
    footer.Print(canvas, 1);
    EXPECT_EQ(canvas.CallsOf<TFillCall>(),
              (std::vector<TFillCall>{{{230, 3280, 2239, 3280 + 54}, tips::platform::clSilver}}));
    EXPECT_TRUE(canvas.CallsOf<TFrameCall>().empty());
    EXPECT_EQ(canvas.CallsOf<TLineCall>(), (std::vector<TLineCall>{{{230, 3280}, {2239, 3280}, tips::platform::clBlack}}));
    EXPECT_EQ(canvas.CallsOf<TTextCall>()[0].At.Y, 3280 + 6);
}

TEST_F(HeaderFooterPrint, LinesAreRenumberedAndShareOneBaseLine) {
    TFooter footer;
    footer.SetFrameTypes(0);
    const TPrintFont big({"Arial", -84, {}, 1, tips::platform::TFontPitch::fpDefault}, tips::platform::clBlack, 300);
    footer.Add("seven", nullptr, TAlignment::taLeftJustify, 7);
    footer.Add("three", nullptr, TAlignment::taLeftJustify, 3);
    footer.Add("BIG", &big, TAlignment::taRightJustify, 3);
    Layout(footer);
    EXPECT_EQ(footer.FrameHeight(), 84 + 42 + 12);
    const auto texts = PrintTexts(footer, 1);
    ASSERT_EQ(texts.size(), 3u);
    // Line 1 (given 3) is 84 high with its base line at 67 (the big font's ascent).
    EXPECT_EQ(texts[0].Text, "three");
    EXPECT_EQ(texts[0].At.Y, 3286 + 67 - 33);
    EXPECT_EQ(texts[1].Text, "BIG");
    EXPECT_EQ(texts[1].At, (tips::platform::TViewPoint{2215 - 3 * 42, 3286}));
    // Line 2 (given 7) comes straight after it.
    EXPECT_EQ(texts[2].Text, "seven");
    EXPECT_EQ(texts[2].At.Y, 3286 + 84);
    EXPECT_EQ(footer.Item(2).LineNumber, 2);
    // No frame at all, but the text still keeps the internal margin.
    canvas.Clear();
    footer.Print(canvas, 1);
    EXPECT_TRUE(canvas.CallsOf<TFillCall>().empty());
    EXPECT_TRUE(canvas.CallsOf<TLineCall>().empty());
}

// Where a five-character item (105 wide) goes, by alignment and page, with and without mirroring.
struct TAlignCase {
    TAlignment alignment;
    bool mirror;
    int page;
    int x;
};

class HeaderFooterAlign : public HeaderFooterPrint, public ::testing::WithParamInterface<TAlignCase> {};

TEST_P(HeaderFooterAlign, PlacesTheItemAndSwapsSidesOnEvenPages) {
    THeader header;
    header.SetMirrorPosition(GetParam().mirror);
    header.Add("abcde", nullptr, GetParam().alignment, 1);
    Layout(header);
    const auto texts = PrintTexts(header, GetParam().page);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].At.X, GetParam().x);
}

constexpr int kLeft = 254;
constexpr int kRight = 2215 - 105;
constexpr int kCentre = (254 + 2215 - 105) / 2;

INSTANTIATE_TEST_SUITE_P(Cases, HeaderFooterAlign,
                         ::testing::Values(TAlignCase{TAlignment::taLeftJustify, false, 2, kLeft},
                                           TAlignCase{TAlignment::taRightJustify, false, 2, kRight},
                                           TAlignCase{TAlignment::taCenter, false, 1, kCentre},
                                           TAlignCase{TAlignment::taLeftJustify, true, 1, kLeft},
                                           TAlignCase{TAlignment::taLeftJustify, true, 2, kRight},
                                           TAlignCase{TAlignment::taLeftJustify, true, 4, kRight},
                                           TAlignCase{TAlignment::taRightJustify, true, 2, kLeft},
                                           TAlignCase{TAlignment::taRightJustify, true, 3, kRight},
                                           TAlignCase{TAlignment::taCenter, true, 2, kCentre}));

TEST_F(HeaderFooterPrint, TwoCentredItemsOnOneLineOverlap) {
    THeader header;
    header.Add("abcde", nullptr, TAlignment::taCenter, 1);
    header.Add("abc", nullptr, TAlignment::taCenter, 1);
    Layout(header);
    const auto texts = PrintTexts(header, 1);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].At.Y, texts[1].At.Y);
    EXPECT_EQ(texts[0].At.X, kCentre);
    EXPECT_EQ(texts[1].At.X, (254 + 2215 - 63) / 2);
}

TEST_F(HeaderFooterPrint, DateAndTimeAreThoseOfTheLayout) {
    THeader header;
    header.Add("$DATE$ $TIME$ $TITLE$", nullptr, TAlignment::taLeftJustify, 1);
    header.Layout(canvas, 300, 2, margins, "Tip", {"01/02/2003", "10:20:30"});
    EXPECT_EQ(PrintTexts(header, 1)[0].Text, "01/02/2003 10:20:30 Tip");
    EXPECT_EQ(PrintTexts(header, 2)[0].Text, "01/02/2003 10:20:30 Tip");
}

TEST(HeaderFooter, ItemFontsKeepTheirSizeAtAnotherResolution) {
    THeader header;
    const TPrintFont courier({"Courier New", -16, {}, 0, tips::platform::TFontPitch::fpFixed}, 0x0000FF);
    header.Add("a", &courier, TAlignment::taCenter, 2);
    header.Add("b", nullptr, TAlignment::taLeftJustify, 1);
    header.SetPixelsPerInch(600);
    EXPECT_EQ(header.Item(0).Font.Size(), 12);
    EXPECT_EQ(header.Item(0).Font.Description().Height, -100);
    EXPECT_EQ(header.Item(0).Font.PixelsPerInch(), 600);
    EXPECT_EQ(header.Item(1).Font.Description().Height, -83);  // 10 points
    EXPECT_EQ(header.DefaultFont().PixelsPerInch(), 96);        // the default is not an item
}

TEST(HeaderFooter, AssignCopiesTheItemsAndTheSettings) {
    TFooter source;
    source.SetFrameTypes(ftBox);
    source.SetShadedColor(0x123456);
    source.SetLineColor(0x654321);
    source.SetRomanNumbers(true);
    source.SetMirrorPosition(true);
    const TPrintFont font({"Times", -20, {}, 0, tips::platform::TFontPitch::fpDefault}, 0xFF);
    source.Add("one", nullptr, TAlignment::taRightJustify, 4);
    source.SetDefaultFont(font);
    source.Add("two", &font, TAlignment::taCenter, 2);
    THeader copy;
    copy.Add("gone", nullptr, TAlignment::taLeftJustify, 1);
    copy.Assign(source);
    EXPECT_EQ(copy.Kind(), THeaderFooterKind::hfkFooter);
    EXPECT_EQ(copy.FrameTypes(), ftBox);
    EXPECT_EQ(copy.ShadedColor(), 0x123456u);
    EXPECT_EQ(copy.LineColor(), 0x654321u);
    EXPECT_TRUE(copy.RomanNumbers());
    EXPECT_TRUE(copy.MirrorPosition());
    EXPECT_EQ(copy.DefaultFont(), font);
    ASSERT_EQ(copy.Count(), 2);
    EXPECT_EQ(copy.Item(0).Text, "one");
    EXPECT_EQ(copy.Item(0).Alignment, TAlignment::taRightJustify);
    EXPECT_EQ(copy.Item(0).LineNumber, 4);
    EXPECT_EQ(copy.Item(0).Font, DefaultHeaderFooterFont());  // the source's default when it was added
    EXPECT_EQ(copy.Item(1).Font, font);
}

TEST(HeaderFooter, Defaults) {
    const THeader header;
    EXPECT_EQ(header.Kind(), THeaderFooterKind::hfkHeader);
    EXPECT_EQ(header.FrameTypes(), ftLine);
    EXPECT_EQ(header.ShadedColor(), tips::platform::clSilver);
    EXPECT_EQ(header.LineColor(), tips::platform::clBlack);
    EXPECT_EQ(header.DefaultFont().Description().Face, "Arial");
    EXPECT_EQ(header.DefaultFont().Size(), 10);
    EXPECT_FALSE(header.RomanNumbers());
    EXPECT_FALSE(header.MirrorPosition());
    EXPECT_EQ(header.Count(), 0);
}

}  // namespace
