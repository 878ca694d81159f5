// The editor window's pixels: a Visual Basic line coloured by its highlighter, the gutter's numbers at
// their places, the selection, and what typing repaints on the screen.

#include <gtest/gtest.h>

#include <string>

#include "editor_window_support.hpp"
#include "highlight/vb_highlighter.hpp"

namespace {

using namespace tips::editor;
using namespace tips::editor::wintest;

constexpr COLORREF kKeyword = RGB(0, 0, 192);
constexpr COLORREF kCommentText = RGB(0, 128, 0);
constexpr COLORREF kCommentBack = RGB(255, 255, 224);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// The main window's editor: Courier New 13 pixels bold, numbered gutter in Arial, coloured as VB.
class TColouredForm : public TEditorForm {
public:
    TColouredForm() {
        vb.KeyAttri().SetForeground(kKeyword);  // TColor and COLORREF share the byte order
        vb.CommentAttri().SetForeground(kCommentText);
        vb.CommentAttri().SetBackground(kCommentBack);
        TCustomCodeEdit& editor = edit.Editor();
        editor.SetFont({{"Courier New", -13, tips::platform::fsBold, tips::platform::kDefaultCharSet,
                         tips::platform::TFontPitch::fpFixed},
                        tips::platform::clBlack});
        TCodeGutter& gutter = editor.Gutter();
        gutter.SetFont({{"Arial", -13, {}, tips::platform::kAnsiCharSet, tips::platform::TFontPitch::fpDefault},
                        tips::platform::clWindowText});
        gutter.SetAutoSize(true);
        gutter.SetShowLineNumbers(true);
        gutter.SetWidth(20);
        editor.SetHighlighter(&vb);
    }
    ~TColouredForm() override { edit.Editor().SetHighlighter(nullptr); }

    tips::highlight::TVBHighlighter vb;
};

// The pixel rectangle of display columns [first, last] on a line.
RECT Cells(const TCustomCodeEdit& editor, int line, int first, int last) {
    const TPoint from = editor.TextPointToPixel({first, line});
    return {from.X, from.Y, from.X + (last - first + 1) * editor.TextColumnWidth(), from.Y + editor.TextRowHeight()};
}

// The leftmost and rightmost columns of `ink` pixels in a rectangle, or -1 when there are none.
std::pair<int, int> InkSpan(const TWindowPicture& picture, const RECT& area, COLORREF ink) {
    int left = -1;
    int right = -1;
    for (int x = area.left; x < area.right; ++x) {
        for (int y = area.top; y < area.bottom; ++y) {
            if (picture.Pixel(x, y) != ink) continue;
            if (left < 0) left = x;
            right = x;
            break;
        }
    }
    return {left, right};
}

const char* const kCode =
    "Dim total As Long ' running sum\r\n"
    "total = total + 1\r\n"
    "a\r\nb\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n";

TEST(CodeEditWindowPaint, KeywordsCommentsAndIdentifiersInTheirColours) {
    TOwnedWindow<TColouredForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, kCode);
    const TWindowPicture picture(form.edit.Handle());
    // "Dim" and "As" in the keyword colour, "total" (an identifier) in black only.
    EXPECT_GT(picture.Count(Cells(editor, 1, 1, 3), kKeyword), 10);
    EXPECT_GT(picture.Count(Cells(editor, 1, 11, 12), kKeyword), 5);
    EXPECT_EQ(picture.Count(Cells(editor, 1, 5, 9), kKeyword), 0);
    EXPECT_GT(picture.Count(Cells(editor, 1, 5, 9), kBlack), 10);
    // The comment from its apostrophe to the end of the line on its own background, its text green;
    // the text before it on the window's white.
    const RECT comment = Cells(editor, 1, 19, 31);
    EXPECT_EQ(picture.Pixel(comment.left, comment.top), kCommentBack);
    EXPECT_EQ(picture.Pixel(comment.right - 1, comment.bottom - 1), kCommentBack);
    EXPECT_GT(picture.Count(comment, kCommentText), 20);
    EXPECT_EQ(picture.Count(comment, kWhite), 0);
    const RECT before = Cells(editor, 1, 18, 18);
    EXPECT_EQ(picture.Count(before, kCommentBack), 0);
    EXPECT_EQ(picture.Pixel(before.left, before.top), kWhite);
}

TEST(CodeEditWindowPaint, TheGutterShowsEachLinesNumberRightAlignedOnItsRow) {
    TOwnedWindow<TColouredForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, kCode);
    const TWindowPicture picture(form.edit.Handle());
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int row = editor.TextRowHeight();
    const int numbersRight = editor.GutterExtent() - 2;
    const auto gutterRow = [&](int line) {
        return RECT{0, (line - 1) * row, numbersRight, line * row};
    };
    // The gutter's face around the digits, the text area's white beside it.
    EXPECT_EQ(picture.Pixel(1, 1), face);
    EXPECT_EQ(picture.Pixel(editor.GutterExtent() + 3, row * 12 + 1), kWhite);
    const auto one = InkSpan(picture, gutterRow(1), kBlack);
    const auto nine = InkSpan(picture, gutterRow(9), kBlack);
    const auto ten = InkSpan(picture, gutterRow(10), kBlack);
    ASSERT_GE(one.first, 0);
    ASSERT_GE(nine.first, 0);
    ASSERT_GE(ten.first, 0);
    // All end at the same place near the gutter's right edge; two digits reach further left than one.
    EXPECT_NEAR(one.second, nine.second, 2);
    EXPECT_NEAR(nine.second, ten.second, 2);
    EXPECT_GT(nine.second, numbersRight - 12);
    EXPECT_LT(ten.first, nine.first - 3);
    EXPECT_GT(one.first, numbersRight / 2);
    // No digits below the last line.
    EXPECT_EQ(InkSpan(picture, gutterRow(12), kBlack).first, -1);
}

TEST(CodeEditWindowPaint, TheSelectionIsDrawnInTheHighlightColours) {
    TOwnedWindow<TColouredForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, kCode);
    editor.ApplyCaretAndSelection({10, 2}, {1, 2}, {10, 2});  // "total = t"
    const TWindowPicture picture(form.edit.Handle());
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const RECT selected = Cells(editor, 2, 1, 9);
    EXPECT_EQ(picture.Pixel(selected.left, selected.top), highlight);
    EXPECT_EQ(picture.Pixel(selected.right - 1, selected.bottom - 1), highlight);
    EXPECT_GT(picture.Count(selected, GetSysColor(COLOR_HIGHLIGHTTEXT)), 10);
    EXPECT_EQ(picture.Count(Cells(editor, 2, 11, 14), highlight), 0);
}

// What the screen shows of the window after the message loop painted it.
COLORREF ScreenPixel(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

int ScreenCount(HWND window, const RECT& area, COLORREF color) {
    const HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += GetPixel(dc, x, y) == color ? 1 : 0;
    }
    ReleaseDC(window, dc);
    return count;
}

TEST(CodeEditWindowPaint, TypingAKeywordRepaintsItInItsColourOnTheScreen) {
    TOwnedWindow<TColouredForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, kCode);
    const HWND edit = form.edit.Handle();
    UpdateWindow(edit);
    editor.SetCaretPoint({1, 3});
    ASSERT_EQ(ScreenCount(edit, Cells(editor, 3, 3, 6), kKeyword), 0);
    TypeKeys("If ");  // "If a": a keyword at the start of line 3
    UpdateWindow(edit);
    EXPECT_NE(LinesOf(editor).find("\nIf a\n"), std::string::npos);
    EXPECT_GT(ScreenCount(edit, Cells(editor, 3, 1, 2), kKeyword), 5);
    // A new line at the top moves every line down, the numbers with them: line 12 now exists.
    editor.SetCaretPoint({1, 1});
    PressKey(VK_RETURN);
    UpdateWindow(edit);
    EXPECT_GT(ScreenCount(edit, Cells(editor, 4, 1, 2), kKeyword), 5);
    EXPECT_EQ(ScreenCount(edit, Cells(editor, 3, 1, 2), kKeyword), 0);
    EXPECT_EQ(ScreenPixel(edit, 1, editor.TextRowHeight() * 11 + 1), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
