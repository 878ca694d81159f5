// The editor window in-process: a form with the editor and an edit box, driven by real messages.

#include "editor/win32/code_edit_window.hpp"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "editor/clipboard_transfer.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/scroll_hint.hpp"
#include "editor_window_support.hpp"

namespace {

using namespace tips::editor;
using namespace tips::editor::wintest;
using tips::widgets::TOwnedWindow;

// ---- Creation, size, dialog codes ---------------------------------------------------------------

TEST(CodeEditWindow, LaysTheTextOutOnTheScreenFontsCell) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    EXPECT_EQ(&form.edit.Core(), &editor);  // the window works on the core it owns
    ASSERT_GT(editor.TextColumnWidth(), 0);
    ASSERT_GT(editor.TextRowHeight(), 0);
    RECT client{};
    GetClientRect(form.edit.Handle(), &client);
    EXPECT_EQ(editor.VisibleLines(), client.bottom / editor.TextRowHeight());
    EXPECT_EQ(editor.VisibleColumns(), (client.right - editor.GutterExtent() - 2) / editor.TextColumnWidth());
    // Both bars, a sunken edge, and a window class that leaves erasing to the paint.
    const LONG_PTR style = GetWindowLongPtrA(form.edit.Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_TRUE(style & WS_HSCROLL);
    EXPECT_TRUE(GetWindowLongPtrA(form.edit.Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetClassLongPtrA(form.edit.Handle(), GCLP_HBRBACKGROUND), 0);
    EXPECT_EQ(SendMessageA(form.edit.Handle(), WM_ERASEBKGND, 0, 0), 1);
}

TEST(CodeEditWindow, ResizingRecomputesTheVisibleCells) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    const int before = editor.VisibleLines();
    form.edit.SetBounds(0, 30, 400, 100);
    RECT client{};
    GetClientRect(form.edit.Handle(), &client);
    EXPECT_EQ(editor.VisibleLines(), client.bottom / editor.TextRowHeight());
    EXPECT_LT(editor.VisibleLines(), before);
}

TEST(CodeEditWindow, AsksForArrowsAndCharactersAndForTabOnlyWhenItWantsTabs) {
    TOwnedWindow<TEditorForm> form;
    const HWND edit = form.edit.Handle();
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    form.edit.Editor().SetWantTabs(true);
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB);
    {
        const TKeysHeld ctrl({VK_CONTROL});
        EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    }
}

// ---- Keyboard and focus -----------------------------------------------------------------------------

// Delivers the queued messages as the application's loop does, the form seeing each first.
void PumpThroughForm(tips::widgets::TForm& form) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (form.PreTranslateMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

TEST(CodeEditWindow, TabMovesTheFocusOnUnlessTheEditorWantsTabs) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "x\r\n");
    PostMessageA(form.edit.Handle(), WM_KEYDOWN, VK_TAB, 1);
    PumpThroughForm(form);
    EXPECT_EQ(GetFocus(), form.second.Handle());
    EXPECT_EQ(LinesOf(editor), "x");
    form.edit.SetFocus();
    editor.SetWantTabs(true);
    editor.SetCaretPoint({1, 1});
    PostMessageA(form.edit.Handle(), WM_KEYDOWN, VK_TAB, 1);
    PumpThroughForm(form);
    EXPECT_EQ(GetFocus(), form.edit.Handle());
    EXPECT_EQ(LinesOf(editor).substr(0, 1), " ");  // the tab went in as blanks
    EXPECT_EQ(LinesOf(editor).back(), 'x');
}

TEST(CodeEditWindow, TypedCharactersAndKeysGoThroughTheEditor) {
    TOwnedWindow<TEditorForm> form;
    ASSERT_EQ(GetFocus(), form.edit.Handle());
    TypeKeys("Dim x");
    PressKey(VK_RETURN);  // ecLineBreak; its WM_CHAR is dropped
    TypeKeys("End");
    PressKey(VK_LEFT);
    EXPECT_EQ(LinesOf(form.edit.Editor()), "Dim x\nEnd");
    EXPECT_EQ(form.edit.Editor().CaretPoint(), (TPoint{3, 2}));
}

TEST(CodeEditWindow, TheWindowsTextIsTheEditorsTextCutToTheBuffer) {
    TOwnedWindow<TEditorForm> form;
    TypeKeys("Dim x");
    PressKey(VK_RETURN);
    TypeKeys("End");
    const std::string text = "Dim x\r\nEnd\r\n";
    EXPECT_EQ(GetWindowTextLengthA(form.edit.Handle()), static_cast<int>(text.size()));
    char whole[64]{};
    EXPECT_EQ(GetWindowTextA(form.edit.Handle(), whole, sizeof whole), static_cast<int>(text.size()));
    EXPECT_EQ(std::string(whole), text);
    char cut[5]{'?', '?', '?', '?', '?'};
    EXPECT_EQ(SendMessageA(form.edit.Handle(), WM_GETTEXT, sizeof cut, reinterpret_cast<LPARAM>(cut)), 4);
    EXPECT_EQ(std::string(cut), "Dim ");
}

TEST(CodeEditWindow, AltBackspaceRunsItsCommandAndItsSystemCharacterIsSwallowed) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    TypeKeys("ab");
    PressKey(VK_BACK);
    ASSERT_EQ(LinesOf(editor), "a");
    // Alt+Backspace (the default table's undo); the key-down and the WM_SYSCHAR Windows makes of it.
    const LPARAM alt = LPARAM{1} << 29;
    {
        const TKeysHeld held({VK_MENU});
        EXPECT_EQ(SendMessageA(form.edit.Handle(), WM_SYSKEYDOWN, VK_BACK, alt), 0);
        EXPECT_EQ(SendMessageA(form.edit.Handle(), WM_SYSCHAR, VK_BACK, alt), 0);
    }
    EXPECT_EQ(LinesOf(editor), "ab");
    TypeKeys("c");  // the next character is not lost to the dropped one
    EXPECT_EQ(LinesOf(editor), "abc");
}

TEST(CodeEditWindow, TheCaretComesWithTheFocusInTheShapeOfTheMode) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "abc");
    editor.SetCaretPoint({2, 1});
    const TPoint cell = editor.TextPointToPixel({2, 1});
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    // The vertical line stands one pixel left of the cell, one below its top.
    EXPECT_EQ(caret.x, cell.X - 1);
    EXPECT_EQ(caret.y, cell.Y + 1);
    PressKey(VK_INSERT);  // overwrite mode: a block on the cell itself
    ASSERT_FALSE(editor.InsertMode());
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, cell.X);
    // Away and back: the caret goes with the focus and comes back with it.
    form.other.SetFocus();
    EXPECT_NE(GetFocus(), form.edit.Handle());
    form.edit.SetFocus();
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, cell.X);
}

// Whether the caret shows on the screen: its left column (a cell's blank lead-in) is inverted there.
// Without a message loop running it does not blink, so what the last show or hide left stays.
bool CaretShows(HWND window) {
    POINT caret{};
    if (!GetCaretPos(&caret)) return false;
    const HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, caret.x, caret.y + 3);
    ReleaseDC(window, dc);
    return pixel == RGB(0, 0, 0);
}

TEST(CodeEditWindow, TheCaretShowsAgainAfterItWasScrolledOutOfViewAndBack) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(200));
    const HWND edit = form.edit.Handle();
    const auto repaint = [&] {
        InvalidateRect(edit, nullptr, FALSE);
        UpdateWindow(edit);
    };
    repaint();
    ASSERT_TRUE(CaretShows(edit));
    for (int i = 0; i < 3; ++i) {  // several paints while the caret is above the view
        SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
        repaint();
    }
    SendMessageA(edit, WM_VSCROLL, SB_TOP, 0);
    repaint();
    EXPECT_TRUE(CaretShows(edit));
}

// ---- Scrolling ----------------------------------------------------------------------------------

TEST(CodeEditWindow, ScrollMessagesMoveTheViewAndTheBarButNotTheCaret) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(200));
    const HWND edit = form.edit.Handle();
    SendMessageA(edit, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 2);
    EXPECT_EQ(GetScrollPos(edit, SB_VERT), 2);
    SendMessageA(edit, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 2 + editor.VisibleLines());
    SendMessageA(edit, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 200 - editor.VisibleLines() + 1);
    SendMessageA(edit, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 1);
    SendMessageA(edit, WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(editor.FirstVisibleColumn(), 2);
    EXPECT_EQ(GetScrollPos(edit, SB_HORZ), 2);
    SendMessageA(edit, WM_HSCROLL, SB_TOP, 0);
    EXPECT_EQ(editor.FirstVisibleColumn(), 1);
    EXPECT_EQ(editor.CaretPoint(), (TPoint{1, 1}));
}

TEST(CodeEditWindow, TheThumbScrollsAndShowsTheTopLineInTheHintUntilTheScrollEnds) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(200));
    const HWND edit = form.edit.Handle();
    SetScrollPos(edit, SB_VERT, 40, FALSE);
    SendMessageA(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40), 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 40);
    tips::widgets::TScrollHint& hint = tips::widgets::ScrollHint();
    ASSERT_TRUE(hint.HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(hint.Handle()));
    EXPECT_EQ(hint.Text(), "Top Line: 40");
    // At the editor's top right corner, 4 pixels in from the edge and 10 down.
    RECT hintRect{};
    GetWindowRect(hint.Handle(), &hintRect);
    POINT client{0, 0};
    ClientToScreen(edit, &client);
    RECT area{};
    GetClientRect(edit, &area);
    EXPECT_EQ(hintRect.right, client.x + area.right - 4);
    EXPECT_EQ(hintRect.top, client.y + 10);
    SendMessageA(edit, WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_FALSE(IsWindowVisible(hint.Handle()));
}

TEST(CodeEditWindow, PastTheBarsRangeTheThumbStandsForLinesInProportion) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(40000));
    const HWND edit = form.edit.Handle();
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(edit, SB_VERT, &info);
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 32767);
    SetScrollPos(edit, SB_VERT, 16384, FALSE);
    SendMessageA(edit, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 16384), 0);
    const double expected = (40000.0 + editor.VisibleLines() - 1) * 16384 / 32767;
    EXPECT_NEAR(editor.FirstVisibleLine(), expected, 1.0);
    SendMessageA(edit, WM_VSCROLL, SB_ENDSCROLL, 0);
}

TEST(CodeEditWindow, ANewBorderStyleMakesTheWindowAgainWithTheTextAndTheFocus) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(50));
    editor.SetCaretPoint({3, 5});
    const HWND before = form.edit.Handle();
    form.edit.SetBorderStyle(TBorderStyle::bsNone);
    const HWND edit = form.edit.Handle();
    EXPECT_NE(edit, before);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_FALSE(GetWindowLongPtrA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(GetFocus(), edit);
    RECT client{};
    GetClientRect(edit, &client);
    EXPECT_EQ(editor.VisibleLines(), client.bottom / editor.TextRowHeight());
    EXPECT_EQ(editor.CaretPoint(), (TPoint{3, 5}));
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.y, editor.TextPointToPixel({3, 5}).Y + 1);
    SendMessageA(edit, WM_VSCROLL, SB_LINEDOWN, 0);  // the new window's bars drive the editor
    EXPECT_EQ(editor.FirstVisibleLine(), 2);
}

TEST(CodeEditWindow, TheScrollBarsSetThroughTheWindowAreTheNewWindowsBars) {
    TOwnedWindow<TEditorForm> form;
    const auto bars = [&] {
        const LONG_PTR style = GetWindowLongPtrA(form.edit.Handle(), GWL_STYLE);
        return std::pair<bool, bool>{(style & WS_HSCROLL) != 0, (style & WS_VSCROLL) != 0};
    };
    form.edit.SetScrollBars(TScrollStyle::ssVertical);
    EXPECT_EQ(bars(), (std::pair<bool, bool>{false, true}));
    form.edit.SetScrollBars(TScrollStyle::ssNone);
    EXPECT_EQ(bars(), (std::pair<bool, bool>{false, false}));
    form.edit.SetScrollBars(TScrollStyle::ssHorizontal);
    EXPECT_EQ(bars(), (std::pair<bool, bool>{true, false}));
    EXPECT_EQ(form.edit.Editor().ScrollBars(), TScrollStyle::ssHorizontal);
    // With eoHideShowScrollbars the window has none of its own: a bar comes with scroll information
    // that needs it (the columns up to MaxLeftChar), and one that is not needed (one line) is hidden.
    form.edit.Editor().SetOptions(form.edit.Editor().Options().With(eoHideShowScrollbars));
    form.edit.SetScrollBars(TScrollStyle::ssBoth);
    EXPECT_EQ(bars(), (std::pair<bool, bool>{true, false}));
}

TEST(CodeEditWindow, TheWheelScrollsBySystemLinesAndCtrlByPages) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, NumberedLines(200));
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const HWND edit = form.edit.Handle();
    SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(editor.FirstVisibleLine(), 1 + static_cast<int>(lines));
    SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, -60), 0);  // half a notch: nothing yet
    EXPECT_EQ(editor.FirstVisibleLine(), 1 + static_cast<int>(lines));
    SendMessageA(edit, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, -60), 0);  // the other half, with Ctrl: a page
    EXPECT_EQ(editor.FirstVisibleLine(), 1 + static_cast<int>(lines) + editor.VisibleLines());
    EXPECT_EQ(editor.CaretPoint(), (TPoint{1, 1}));
}

// ---- Cursor -------------------------------------------------------------------------------------

TEST(CodeEditWindow, TheCursorIsTheIBeamOverTextAndTheArrowOverTheGutterAndTheSelection) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim abc As Long");
    editor.ApplyCaretAndSelection({8, 1}, {5, 1}, {8, 1});
    const HWND edit = form.edit.Handle();
    const auto cursorAt = [&](TPoint cellPoint) {
        const TPoint pixel = editor.TextPointToPixel(cellPoint);
        POINT screen{pixel.X + editor.TextColumnWidth() / 2, pixel.Y + editor.TextRowHeight() / 2};
        ClientToScreen(edit, &screen);
        SetCursorPos(screen.x, screen.y);
        SetCursor(nullptr);
        SendMessageA(edit, WM_SETCURSOR, reinterpret_cast<WPARAM>(edit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt({1, 1}), LoadCursor(nullptr, IDC_IBEAM));
    EXPECT_EQ(cursorAt({6, 1}), LoadCursor(nullptr, IDC_ARROW));  // over the selection, which can be dragged
    POINT gutter{2, 2};
    ClientToScreen(edit, &gutter);
    SetCursorPos(gutter.x, gutter.y);
    SetCursor(nullptr);
    SendMessageA(edit, WM_SETCURSOR, reinterpret_cast<WPARAM>(edit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_ARROW));
    form.edit.SetGutterCursor(LoadCursor(nullptr, IDC_HAND));
    SendMessageA(edit, WM_SETCURSOR, reinterpret_cast<WPARAM>(edit), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursor(nullptr, IDC_HAND));
    form.edit.SetTextCursor(LoadCursor(nullptr, IDC_CROSS));
    EXPECT_EQ(cursorAt({1, 1}), LoadCursor(nullptr, IDC_CROSS));
}

// ---- Files dropped from the shell --------------------------------------------------------------

// A WM_DROPFILES handle for files dropped at a client point, as the shell makes it.
HDROP MakeDrop(POINT at, const std::vector<std::string>& files) {
    std::string names;
    for (const auto& file : files) names += file + '\0';
    names += '\0';
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + names.size());
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->pt = at;
    drop->fNC = FALSE;
    drop->fWide = FALSE;
    std::copy(names.begin(), names.end(), reinterpret_cast<char*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

TEST(CodeEditWindow, TakesFilesFromTheShellOnlyWithTheOption) {
    TOwnedWindow<TEditorForm> form;
    const HWND edit = form.edit.Handle();
    std::vector<std::string> dropped;
    POINT where{};
    form.edit.OnDropFiles = [&](TCodeEditWindow&, int x, int y, const std::vector<std::string>& files) {
        dropped = files;
        where = {x, y};
    };
    EXPECT_FALSE(GetWindowLongPtrA(edit, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    SendMessageA(edit, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({5, 6}, {"C:\\a.bas"})), 0);
    EXPECT_TRUE(dropped.empty());
    form.edit.Editor().SetOptions(form.edit.Editor().Options().With(eoDropFiles));
    EXPECT_TRUE(GetWindowLongPtrA(edit, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    SendMessageA(edit, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({40, 30}, {"C:\\a.bas", "C:\\b.frm"})), 0);
    EXPECT_EQ(dropped, (std::vector<std::string>{"C:\\a.bas", "C:\\b.frm"}));
    EXPECT_EQ(where.x, 40);
    EXPECT_EQ(where.y, 30);
    form.edit.Editor().SetOptions(form.edit.Editor().Options().Without(eoDropFiles));
    EXPECT_FALSE(GetWindowLongPtrA(edit, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

}  // namespace
