#pragma once
// The clipboard's plain text, put there and read back as another program would.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>

namespace tips_test {

inline void SetClipboardText(const std::string& text) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

// "?" when the clipboard cannot be opened or holds no text.
inline std::string ClipboardText() {
    if (!OpenClipboard(nullptr)) return "?";
    std::string text = "?";
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

}  // namespace tips_test
