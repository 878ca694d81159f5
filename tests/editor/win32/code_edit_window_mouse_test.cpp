// The editor window's mouse, clipboard and drag and drop through real messages and the real clipboard.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "editor/clipboard_transfer.hpp"
#include "editor_window_support.hpp"

namespace {

using namespace tips::editor;
using namespace tips::editor::wintest;

void Down(HWND window, POINT at, WPARAM keys = 0) { SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON | keys, At(at)); }
void Move(HWND window, POINT at, WPARAM keys = 0) { SendMessageA(window, WM_MOUSEMOVE, MK_LBUTTON | keys, At(at)); }
void Up(HWND window, POINT at, WPARAM keys = 0) { SendMessageA(window, WM_LBUTTONUP, keys, At(at)); }

// Pumps the message loop for a while (the auto-scroll timer's messages arrive through it).
void PumpFor(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    while (GetTickCount() < end) {
        Pump();
        Sleep(10);
    }
}

// ---- Mouse ------------------------------------------------------------------------------------

TEST(CodeEditWindowMouse, AClickTakesTheFocusAndPlacesTheCaret) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\nx = 1\r\n");
    form.other.SetFocus();
    const HWND edit = form.edit.Handle();
    Down(edit, CellStart(editor, {5, 2}));
    Up(edit, CellStart(editor, {5, 2}));
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(editor.CaretPoint(), (TPoint{5, 2}));
    EXPECT_NE(GetCapture(), edit);
}

TEST(CodeEditWindowMouse, DraggingSelectsAndShiftClickExtends) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\nx = 1\r\n");
    const HWND edit = form.edit.Handle();
    Down(edit, CellStart(editor, {5, 1}));
    EXPECT_EQ(GetCapture(), edit);
    Move(edit, CellStart(editor, {8, 1}));
    Move(edit, CellStart(editor, {4, 2}));
    Up(edit, CellStart(editor, {4, 2}));
    EXPECT_EQ(editor.SelText(), "abc As Long\r\nx =");
    Down(edit, CellStart(editor, {1, 1}));
    Up(edit, CellStart(editor, {1, 1}));
    EXPECT_FALSE(editor.HasSelection());
    Down(edit, CellStart(editor, {4, 1}), MK_SHIFT);
    Up(edit, CellStart(editor, {4, 1}), MK_SHIFT);
    EXPECT_EQ(editor.SelText(), "Dim");
}

TEST(CodeEditWindowMouse, BelowTheWindowTheTimerScrollsUntilTheButtonIsReleased) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(300));
    const HWND edit = form.edit.Handle();
    Down(edit, CellStart(editor, {1, 2}));
    RECT client{};
    GetClientRect(edit, &client);
    Move(edit, {40, client.bottom + 5});
    PumpFor(450);
    const int scrolled = editor.FirstVisibleLine();
    EXPECT_GT(scrolled, 2);  // a line per 100 ms
    EXPECT_EQ(editor.CaretLine(), scrolled + editor.VisibleLines() - 1);
    EXPECT_EQ(editor.SelAnchor(), (TPoint{1, 2}));
    Up(edit, {40, client.bottom + 5});
    PumpFor(250);
    EXPECT_EQ(editor.FirstVisibleLine(), scrolled);
}

TEST(CodeEditWindowMouse, AClickInsideTheSelectionDropsItWhereTheButtonComesUp) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\n");
    editor.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    const HWND edit = form.edit.Handle();
    Down(edit, CellStart(editor, {6, 1}));
    EXPECT_EQ(editor.SelText(), "abc");  // it could still become a drag
    Up(edit, CellStart(editor, {6, 1}));
    EXPECT_FALSE(editor.HasSelection());
    EXPECT_EQ(editor.CaretPoint(), (TPoint{6, 1}));
}

TEST(CodeEditWindowMouse, AClickInTheGutterReportsItsLine) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "one\r\ntwo\r\nthree\r\n");
    std::vector<int> lines;
    form.edit.Mouse().OnGutterClick = [&](TCustomCodeEdit& sender, int, int, int line, const TCodeEditMark*) {
        EXPECT_EQ(&sender, &editor);
        lines.push_back(line);
    };
    const HWND edit = form.edit.Handle();
    const int row = editor.TextRowHeight();
    Down(edit, {3, row + row / 2});
    Up(edit, {3, row + row / 2});
    Down(edit, {3, 2 * row + row / 2});
    Up(edit, CellStart(editor, {2, 3}));  // released over the text: no click
    ASSERT_EQ(lines, (std::vector<int>{2}));
}

TEST(CodeEditWindowMouse, ADoubleClickSelectsTheWord) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\n");
    const HWND edit = form.edit.Handle();
    const POINT at = CellCentre(editor, {6, 1});
    Down(edit, at);
    Up(edit, at);
    SendMessageA(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, At(at));
    Up(edit, at);
    EXPECT_EQ(editor.SelText(), "abc");
    EXPECT_EQ(editor.CaretPoint(), (TPoint{8, 1}));
}

TEST(CodeEditWindowMouse, AltDragSelectsAColumnWhenTheOptionIsOn) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "abcdef\r\nabcdef\r\nabcdef\r\n");
    editor.SetOptions(editor.Options().With(eoAltSetsColumnMode));
    const HWND edit = form.edit.Handle();
    {
        const TKeysHeld alt({VK_MENU});
        Down(edit, CellStart(editor, {2, 1}));
        Move(edit, CellStart(editor, {4, 3}));
        Up(edit, CellStart(editor, {4, 3}));
    }
    EXPECT_EQ(editor.SelectionMode(), smColumn);
    EXPECT_EQ(editor.SelText(), "bc\r\nbc\r\nbc");
}

// ---- The real clipboard -------------------------------------------------------------------------

std::optional<std::string> ClipboardBytes(UINT format) {
    if (!OpenClipboard(nullptr)) return std::nullopt;
    std::optional<std::string> bytes;
    if (const HANDLE data = GetClipboardData(format)) {
        if (const auto* locked = static_cast<const char*>(GlobalLock(data))) {
            bytes = std::string(locked, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

void PutPlainText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* locked = static_cast<char*>(GlobalLock(memory));
    std::copy(text.begin(), text.end(), locked);
    locked[text.size()] = '\0';
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

void CtrlKey(char letter) {
    const TKeysHeld ctrl({VK_CONTROL});
    PressKey(static_cast<WORD>(letter), static_cast<char>(letter - 'A' + 1));
}

TEST(CodeEditWindowClipboard, CopyPutsTheTextAndTheBlockTypeAndPasteBringsThemBack) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\nx = 1\r\n");
    editor.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    CtrlKey('C');
    const auto text = ClipboardBytes(CF_TEXT);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(std::string(text->c_str()), "abc");
    const UINT blockType = RegisterClipboardFormatA(std::string(kBlockTypeFormatName).c_str());
    const auto block = ClipboardBytes(blockType);
    ASSERT_TRUE(block.has_value());
    ASSERT_GE(block->size(), 5u);
    EXPECT_EQ(block->substr(0, 5), std::string("\0abc\0", 5));
    editor.ApplyCaretAndSelection({6, 2}, {6, 2}, {6, 2});
    CtrlKey('V');
    EXPECT_EQ(LinesOf(editor), "Dim abc As Long\nx = 1abc");
    // Cut by its message takes the selection away and puts it on the clipboard.
    editor.ApplyCaretAndSelection({4, 1}, {1, 1}, {4, 1});
    SendMessageA(form.edit.Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(LinesOf(editor), " abc As Long\nx = 1abc");
    EXPECT_EQ(std::string(ClipboardBytes(CF_TEXT)->c_str()), "Dim");
}

TEST(CodeEditWindowClipboard, AColumnBlockPastesAsAColumnAndPlainTextAsAStream) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "abcd\r\nefgh\r\nijkl\r\n");
    editor.SetSelectionMode(smColumn);
    editor.ApplyCaretAndSelection({3, 2}, {2, 1}, {3, 2});
    SendMessageA(form.edit.Handle(), WM_COPY, 0, 0);
    EXPECT_EQ((*ClipboardBytes(RegisterClipboardFormatA(std::string(kBlockTypeFormatName).c_str())))[0], 2);
    editor.SetSelectionMode(smNormal);
    editor.SetCaretPoint({5, 2});
    editor.SetSelAnchor({5, 2});
    SendMessageA(form.edit.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(LinesOf(editor), "abcd\nefghb\nijklf");
    // Text from another program has no block type: it goes in as the editor's mode says.
    PutPlainText("one\r\ntwo");
    editor.SetCaretPoint({1, 1});
    CtrlKey('V');
    EXPECT_EQ(LinesOf(editor), "one\ntwoabcd\nefghb\nijklf");
}

TEST(CodeEditWindowClipboard, AReadOnlyEditorCopiesButNeitherCutsNorPastes) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc\r\n");
    editor.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    editor.SetReadOnly(true);
    PutPlainText("before");
    SendMessageA(form.edit.Handle(), WM_CUT, 0, 0);
    EXPECT_EQ(LinesOf(editor), "Dim abc");
    EXPECT_EQ(std::string(ClipboardBytes(CF_TEXT)->c_str()), "before");
    SendMessageA(form.edit.Handle(), WM_COPY, 0, 0);
    EXPECT_EQ(std::string(ClipboardBytes(CF_TEXT)->c_str()), "abc");
    SendMessageA(form.edit.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(LinesOf(editor), "Dim abc");
}

// ---- Drag and drop ------------------------------------------------------------------------------

TEST(CodeEditWindowDragDrop, ADraggedSelectionMovesWithinTheEditorAndStaysSelected) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\nx = 1\r\n");
    editor.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    const HWND edit = form.edit.Handle();
    Down(edit, CellCentre(editor, {6, 1}));
    EXPECT_TRUE(form.edit.Mouse().WaitingForDrag());
    Move(edit, CellCentre(editor, {3, 2}));
    EXPECT_TRUE(form.edit.Mouse().Dragging());
    EXPECT_EQ(editor.CaretPoint(), (TPoint{3, 2}));  // the caret follows the pointer
    EXPECT_EQ(editor.SelText(), "abc");               // the selection stays while it is dragged
    Up(edit, CellStart(editor, {6, 2}));
    EXPECT_EQ(LinesOf(editor), "Dim  As Long\nx = 1abc");
    EXPECT_EQ(editor.SelText(), "abc");
    EXPECT_EQ(editor.CaretPoint(), (TPoint{6, 2}));
    EXPECT_FALSE(form.edit.Mouse().Dragging());
    EXPECT_NE(GetCapture(), edit);
    // One undo puts it back.
    CtrlKey('Z');
    EXPECT_EQ(LinesOf(editor), "Dim abc As Long\nx = 1");
}

TEST(CodeEditWindowDragDrop, DroppingOnItselfOrEscapeChangesNothing) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long\r\n");
    editor.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    const HWND edit = form.edit.Handle();
    Down(edit, CellCentre(editor, {5, 1}));
    Move(edit, CellCentre(editor, {7, 1}));
    ASSERT_TRUE(form.edit.Mouse().Dragging());
    Up(edit, CellCentre(editor, {7, 1}));
    EXPECT_EQ(LinesOf(editor), "Dim abc As Long");
    EXPECT_EQ(editor.SelText(), "abc");
    EXPECT_EQ(editor.CaretPoint(), (TPoint{5, 1}));  // back at the press
    Down(edit, CellCentre(editor, {5, 1}));
    Move(edit, CellCentre(editor, {12, 1}));
    ASSERT_TRUE(form.edit.Mouse().Dragging());
    SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 1);
    EXPECT_FALSE(form.edit.Mouse().Dragging());
    Up(edit, CellCentre(editor, {12, 1}));
    EXPECT_EQ(LinesOf(editor), "Dim abc As Long");
    EXPECT_EQ(editor.SelText(), "abc");
    EXPECT_EQ(editor.CaretPoint(), (TPoint{5, 1}));
}

TEST(CodeEditWindowDragDrop, BetweenTwoEditorsADropCopiesAndShiftMoves) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& source = form.edit.Editor();
    TCustomCodeEdit& target = form.second.Editor();
    LoadText(source, "Dim abc As Long\r\n");
    LoadText(target, "x = 1\r\n");
    const HWND from = form.edit.Handle();
    // A point of the second editor in the first one's client coordinates.
    const auto inTarget = [&](TPoint cell) {
        POINT point = CellStart(target, cell);
        MapWindowPoints(form.second.Handle(), from, &point, 1);
        return point;
    };
    const auto drag = [&](TPoint cell, WPARAM keys) {
        source.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
        Down(from, CellCentre(source, {6, 1}));
        Move(from, inTarget(cell));
        Up(from, inTarget(cell), keys);
    };
    drag({6, 1}, 0);
    EXPECT_EQ(LinesOf(target), "x = 1abc");
    EXPECT_EQ(LinesOf(source), "Dim abc As Long");
    EXPECT_EQ(target.SelText(), "abc");
    drag({1, 1}, MK_SHIFT);
    EXPECT_EQ(LinesOf(target), "abcx = 1abc");
    EXPECT_EQ(LinesOf(source), "Dim  As Long");
    // A read-only editor takes no drop.
    target.SetReadOnly(true);
    drag({1, 1}, MK_SHIFT);
    EXPECT_EQ(LinesOf(target), "abcx = 1abc");
}

}  // namespace
