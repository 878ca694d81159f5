#pragma once
// What the editor window tests share: a form holding an editor (and a second one, and an edit box to
// take the focus), keys and characters sent as Windows sends them, held modifier keys, the text, and
// the window's picture read back.

#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "editor/custom_code_edit.hpp"
#include "editor/win32/code_edit_window.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "win32/keys_held.hpp"

namespace tips::editor::wintest {

using widgets::TOwnedWindow;

// The editor at the top left, a second editor beside it for drags between two, and an edit box below.
class TEditorForm : public widgets::TForm {
public:
    TEditorForm() {
        edit.Name = "Codigo";
        edit.SetBounds(0, 0, 360, 240);
        edit.SetTabOrder(0);
        second.SetBounds(380, 0, 300, 240);
        second.SetTabOrder(1);
        other.SetBounds(0, 260, 100, 21);
        other.SetTabOrder(2);
        widgets::TFormLayout layout;
        layout.className = "TEditorTestForm";
        layout.caption = "Editor";
        layout.width = 700;
        layout.height = 300;
        CreateForm(layout);
        SetWindowPos(Handle(), HWND_TOP, 10, 10, 0, 0, SWP_NOSIZE);
        ShowWindow(Handle(), SW_SHOW);
        UpdateWindow(Handle());
        SetForegroundWindow(Handle());
        edit.SetFocus();
    }

    TCodeEdit edit{this};
    TCodeEdit second{this};
    widgets::TEdit other{this};
};

using tips_test::TKeysHeld;

inline void Pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// A key as the message loop delivers it: the key-down, the character it makes (if any), the key-up.
inline void PressKey(WORD key, char produced = 0) {
    const HWND focus = GetFocus();
    SendMessageA(focus, WM_KEYDOWN, key, 1);
    if (produced == 0) {
        if (key == VK_RETURN) produced = '\r';
        if (key == VK_BACK) produced = '\b';
        if (key == VK_ESCAPE) produced = 27;
    }
    if (produced != 0) SendMessageA(focus, WM_CHAR, static_cast<unsigned char>(produced), 1);
    SendMessageA(focus, WM_KEYUP, key, LPARAM{1} | (LPARAM{3} << 30));
}

// Each character typed on its key.
inline void TypeKeys(const std::string& text) {
    for (const char c : text) PressKey(static_cast<WORD>(LOBYTE(VkKeyScanA(c))), c);
}

inline void LoadText(TCustomCodeEdit& editor, const std::string& text) {
    std::istringstream stream(text);
    editor.Lines().LoadFromStream(stream);
    editor.ClearUndo();
    editor.SetModified(false);
}

// The lines joined with LF.
inline std::string LinesOf(const TCustomCodeEdit& editor) {
    std::string text;
    for (int i = 0; i < editor.LineCount(); ++i) {
        if (i > 0) text += '\n';
        text += editor.Lines().Get(i);
    }
    return text;
}

inline std::string NumberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "Line " + std::to_string(i) + "\r\n";
    return text;
}

// Client pixels of a cell's centre.
inline POINT CellCentre(const TCustomCodeEdit& editor, TPoint cell) {
    const TPoint pixel = editor.TextPointToPixel(cell);
    return {pixel.X + editor.TextColumnWidth() / 2 - 1, pixel.Y + editor.TextRowHeight() / 2};
}
// The boundary before a character: a press there puts the caret before it.
inline POINT CellStart(const TCustomCodeEdit& editor, TPoint cell) {
    const TPoint pixel = editor.TextPointToPixel(cell);
    return {pixel.X + 1, pixel.Y + editor.TextRowHeight() / 2};
}

inline LPARAM At(POINT point) { return MAKELPARAM(point.x, point.y); }

// The window drawn into a bitmap through WM_PRINTCLIENT, for reading pixels back.
class TWindowPicture {
public:
    explicit TWindowPicture(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        const HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width_, height_);
        ReleaseDC(nullptr, screen);
        previous_ = SelectObject(dc_, bitmap_);
        SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc_), PRF_CLIENT);
    }
    ~TWindowPicture() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    TWindowPicture(const TWindowPicture&) = delete;
    TWindowPicture& operator=(const TWindowPicture&) = delete;

    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    // Whether any pixel of the rectangle has the colour.
    bool Contains(const RECT& area, COLORREF color) const {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Pixel(x, y) == color) return true;
            }
        }
        return false;
    }
    // How many pixels of the rectangle have the colour.
    int Count(const RECT& area, COLORREF color) const {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == color ? 1 : 0;
        }
        return count;
    }
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace tips::editor::wintest
