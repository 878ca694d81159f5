// The input method: its composition window at the caret in the editor's font, the composed string put in
// once, and the characters the system echoes after it dropped without eating what is typed next.

#include "editor_window_support.hpp"

#include <imm.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tips::editor;
using namespace tips::editor::wintest;

// Composes `text` in the window's input context and completes it, as an input method does.
void Compose(HWND window, const std::wstring& text) {
    const HIMC context = ImmGetContext(window);
    ASSERT_NE(context, nullptr);
    std::wstring buffer = text;
    ASSERT_TRUE(ImmSetCompositionStringW(context, SCS_SETSTR, buffer.data(),
                                         static_cast<DWORD>(buffer.size() * sizeof(wchar_t)), nullptr, 0));
    ASSERT_TRUE(ImmNotifyIME(context, NI_COMPOSITIONSTR, CPS_COMPLETE, 0));
    ImmReleaseContext(window, context);
    Pump();
}

TEST(CodeEditWindowIme, TheComposedStringGoesInOnceAndTypingGoesOn) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    LoadText(editor, "Dim x\r\n");
    editor.SetCaretPoint({5, 1});
    Compose(form.edit.Handle(), L"abc");
    EXPECT_EQ(LinesOf(editor), "Dim abcx");
    EXPECT_EQ(editor.CaretPoint(), (TPoint{8, 1}));
    // Undo takes the whole composed string away at once.
    editor.RunCommand(ecUndo, 0, {});
    EXPECT_EQ(LinesOf(editor), "Dim x");
    editor.RunCommand(ecRedo, 0, {});
    EXPECT_EQ(LinesOf(editor), "Dim abcx");
    TypeKeys("yz");
    EXPECT_EQ(LinesOf(editor), "Dim abcyzx");
}

TEST(CodeEditWindowIme, TheCompositionWindowStandsAtTheCaretInTheEditorsFont) {
    TOwnedWindow<TEditorForm> form;
    TCustomCodeEdit& editor = form.edit.Editor();
    editor.SetFont({{"Courier New", -13, tips::platform::fsBold, tips::platform::kDefaultCharSet,
                     tips::platform::TFontPitch::fpFixed},
                    tips::platform::clBlack});
    LoadText(editor, "Dim abc\r\nx = 1\r\n");
    const HWND edit = form.edit.Handle();
    editor.SetCaretPoint({3, 2});
    const HIMC context = ImmGetContext(edit);
    ASSERT_NE(context, nullptr);
    COMPOSITIONFORM placed{};
    ASSERT_TRUE(ImmGetCompositionWindow(context, &placed));
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(placed.dwStyle, static_cast<DWORD>(CFS_POINT));
    EXPECT_EQ(placed.ptCurrentPos.x, caret.x);
    EXPECT_EQ(placed.ptCurrentPos.y, caret.y);
    SendMessageA(edit, WM_IME_STARTCOMPOSITION, 0, 0);
    LOGFONTA font{};
    ASSERT_TRUE(ImmGetCompositionFontA(context, &font));
    ImmReleaseContext(edit, context);
    EXPECT_STREQ(font.lfFaceName, "Courier New");
    EXPECT_EQ(font.lfHeight, -13);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
}

}  // namespace
