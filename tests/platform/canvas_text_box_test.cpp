// Text laid out in a rectangle on the recording canvas: its default font has cells of 8 x 16 pixels,
// so every width below is 8 per character and every line 16 high.

#include "platform/canvas_text_box.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/recording_canvas.hpp"

namespace tips::platform {
namespace {

struct TLayoutCase {
    const char* name;
    TViewRect rect;
    std::string text;
    TTextFormat format;
    std::vector<std::string> lines;
    TViewRect bounds;
};

std::vector<std::string> TextsOf(const TTextBoxLayout& layout) {
    std::vector<std::string> texts;
    for (const TTextBoxLine& line : layout.Lines) texts.push_back(line.Text);
    return texts;
}

class TextBoxLayout : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(TextBoxLayout, BreaksShortensAndMeasuresLikeDrawText) {
    const TLayoutCase& c = GetParam();
    TRecordingCanvas canvas;
    const TTextBoxLayout layout = canvas.LayoutText(c.rect, c.text, c.format);
    EXPECT_EQ(TextsOf(layout), c.lines);
    EXPECT_EQ(layout.Bounds, c.bounds);
    EXPECT_EQ(canvas.MeasureTextBox(c.rect, c.text, c.format), c.bounds);
}

const TViewRect k40{0, 0, 40, 100};

INSTANTIATE_TEST_SUITE_P(
    Cases, TextBoxLayout,
    ::testing::Values(
        TLayoutCase{"SingleLineIgnoresTheWidth", k40, "Hola mundo", tfSingleLine | tfWordBreak, {"Hola mundo"}, {0, 0, 80, 16}},
        TLayoutCase{"NoBreakWithoutWordBreak", k40, "Hola mundo", 0, {"Hola mundo"}, {0, 0, 80, 16}},
        TLayoutCase{"BreaksAfterTheLastWordThatFits", k40, "Hola mundo", tfWordBreak, {"Hola ", "mundo"}, {0, 0, 40, 32}},
        TLayoutCase{"BlanksAtABreakStayAsFarAsTheyFit", {0, 0, 32, 100}, "ab   cd", tfWordBreak, {"ab  ", "cd"},
                    {0, 0, 32, 32}},
        TLayoutCase{"AllBlanksAtABreakThatFitStay", {0, 0, 64, 100}, "ab   cd ef", tfWordBreak, {"ab   cd ", "ef"},
                    {0, 0, 64, 32}},
        TLayoutCase{"ALongWordOverflowsOnItsOwnLine", k40, "Supercalifragilistico es", tfWordBreak,
                    {"Supercalifragilistico", "es"}, {0, 0, 168, 32}},
        TLayoutCase{"EditControlBreaksInsideALongWord", k40, "Supercalifragilistico es", tfWordBreak | tfEditControl,
                    {"Super", "calif", "ragil", "istic", "o es"}, {0, 0, 40, 80}},
        TLayoutCase{"EveryKindOfLineEnd", k40, "a\r\nb\nc\rd", 0, {"a", "b", "c", "d"}, {0, 0, 8, 64}},
        TLayoutCase{"ALastLineEndOpensNoLine", k40, "ab\n", 0, {"ab"}, {0, 0, 16, 16}},
        TLayoutCase{"AnEmptyLineBeforeTheLastLineEnd", k40, "ab\r\n\r\n", 0, {"ab", ""}, {0, 0, 16, 32}},
        TLayoutCase{"ALoneLineEndIsOneEmptyLine", k40, "\n", tfWordBreak, {""}, {0, 0, 0, 16}},
        TLayoutCase{"LineEndsAreCharactersOnASingleLine", k40, "a\r\nb", tfSingleLine, {"a\r\nb"}, {0, 0, 32, 16}},
        TLayoutCase{"AmpersandsMarkAccelerators", k40, "&Archivo A&&B&", tfSingleLine, {"Archivo A&B"}, {0, 0, 88, 16}},
        TLayoutCase{"NoPrefixKeepsAmpersands", k40, "&Archivo", tfSingleLine | tfNoPrefix, {"&Archivo"}, {0, 0, 64, 16}},
        TLayoutCase{"TabsExpandToEightCharacters", k40, "a\tb", tfSingleLine | tfExpandTabs, {"a\tb"}, {0, 0, 72, 16}},
        TLayoutCase{"TabsAreCharactersOtherwise", k40, "a\tb", tfSingleLine, {"a\tb"}, {0, 0, 24, 16}},
        TLayoutCase{"EndEllipsisShortensToTheWidth", {0, 0, 48, 16}, "Hola mundo", tfSingleLine | tfEndEllipsis,
                    {"Hol..."}, {0, 0, 48, 16}},
        TLayoutCase{"EndEllipsisLeavesWhatFits", {0, 0, 80, 16}, "Hola mundo", tfSingleLine | tfEndEllipsis,
                    {"Hola mundo"}, {0, 0, 80, 16}},
        TLayoutCase{"PathEllipsisKeepsTheLastPart", {0, 0, 104, 16}, "C:\\dir\\file.txt", tfSingleLine | tfPathEllipsis,
                    {"C...\\file.txt"}, {0, 0, 104, 16}},
        TLayoutCase{"PathEllipsisKeepsTheNameWhole", {0, 0, 48, 16}, "C:\\dir\\file.txt", tfSingleLine | tfPathEllipsis,
                    {"...\\file.txt"}, {0, 0, 96, 16}},
        TLayoutCase{"EmptySingleLineIsOneLineHigh", {5, 7, 40, 40}, "", tfSingleLine, {""}, {5, 7, 5, 23}},
        TLayoutCase{"EmptyMultiLineIsNothing", {5, 7, 40, 40}, "", tfWordBreak, {}, {5, 7, 5, 7}}),
    [](const ::testing::TestParamInfo<TLayoutCase>& param) { return std::string(param.param.name); });

TEST(TextBoxLayout, PlacesLinesByTheAlignmentAndASingleLineAlsoVertically) {
    TRecordingCanvas canvas;
    const TViewRect rect{10, 20, 110, 60};  // 100 x 40
    struct TPlace {
        TTextFormat format;
        TViewPoint at;
    };
    for (const TPlace& p : {TPlace{tfSingleLine, {10, 20}}, TPlace{tfSingleLine | tfCenter, {48, 20}},
                            TPlace{tfSingleLine | tfRight, {86, 20}}, TPlace{tfSingleLine | tfVCenter, {10, 32}},
                            TPlace{tfSingleLine | tfBottom | tfRight, {86, 44}},
                            TPlace{tfVCenter | tfBottom, {10, 20}}}) {  // vertical flags need a single line
        const TTextBoxLayout layout = canvas.LayoutText(rect, "abc", p.format);
        ASSERT_EQ(layout.Lines.size(), 1U);
        EXPECT_EQ(layout.Lines[0].At, p.at) << "format " << p.format;
        // Measuring starts at the rectangle's top-left whatever the alignment.
        EXPECT_EQ(canvas.MeasureTextBox(rect, "abc", p.format), (TViewRect{10, 20, 34, 36}));
    }
    const TTextBoxLayout centred = canvas.LayoutText({0, 0, 56, 100}, "Hola mundos", tfWordBreak | tfCenter);
    ASSERT_EQ(centred.Lines.size(), 2U);
    EXPECT_EQ(centred.Lines[0].At, (TViewPoint{8, 0}));
    EXPECT_EQ(centred.Lines[1].At, (TViewPoint{4, 16}));
}

TEST(TextBoxLayout, TheAcceleratorIsFoundOnItsLine) {
    TRecordingCanvas canvas;
    const auto layout = canvas.LayoutText({0, 0, 40, 100}, "Hola &mundo", tfWordBreak);
    ASSERT_EQ(layout.Lines.size(), 2U);
    EXPECT_EQ(layout.Lines[0].Accelerator, std::nullopt);
    EXPECT_EQ(layout.Lines[1].Accelerator, std::optional<std::size_t>(0));
    EXPECT_EQ(canvas.LayoutText(k40, "A&&B", tfSingleLine).Lines[0].Accelerator, std::nullopt);
}

TEST(RecordingCanvasTextBox, RecordsTheCallWithItsStateAndAnswersTheHeight) {
    TRecordingCanvas canvas;
    const TPlainFont bold({"MS Sans Serif", -11, fsBold, kDefaultCharSet, TFontPitch::fpDefault});
    canvas.SetFont(bold);
    canvas.SetTextColor(clBlue);
    canvas.SetBackgroundMode(TBackgroundMode::bmTransparent);
    // -11 high: cells of 7 (6 and one more for bold) by 11.
    EXPECT_EQ(canvas.DrawTextBox({0, 0, 30, 50}, "uno dos tres", tfWordBreak), 33);
    const std::vector<TCanvasCall> expected{TTextBoxCall{{0, 0, 30, 50}, "uno dos tres", tfWordBreak, bold.Description(),
                                                         clBlue, clWhite, TBackgroundMode::bmTransparent}};
    EXPECT_EQ(canvas.Calls(), expected);
    EXPECT_EQ(Describe(canvas.Calls()[0]),
              "text-box 0 0 30 50 \"uno dos tres\" format 0x0010 font \"MS Sans Serif\" -11 style=1 fg 0xFF0000 bg "
              "0xFFFFFF transparent");
    EXPECT_EQ(CallName(canvas.Calls()[0]), "text-box");
    // Placed at the bottom, the text ends where the rectangle does; no text ends at the top.
    EXPECT_EQ(canvas.DrawTextBox({0, 10, 30, 50}, "uno", tfSingleLine | tfBottom), 40);
    EXPECT_EQ(canvas.DrawTextBox({0, 10, 30, 50}, "", 0), 0);
}

}  // namespace
}  // namespace tips::platform
