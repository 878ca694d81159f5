#include "platform/win32/clipboard_win32.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tips::platform {
namespace {

TEST(Win32Clipboard, StoresTextAndAPrivateFormatAndReadsThemBack) {
    TWin32Clipboard clipboard;
    const TClipboardFormat privateFormat = clipboard.RegisterFormat("CodeEdit Control Block Type");
    ASSERT_NE(privateFormat, 0u);
    EXPECT_EQ(clipboard.RegisterFormat("CodeEdit Control Block Type"), privateFormat);
    EXPECT_EQ(clipboard.TextFormat(), static_cast<TClipboardFormat>(CF_TEXT));
    {
        const TClipboardOpener opened(clipboard);
        ASSERT_TRUE(opened.Opened());
        ASSERT_TRUE(clipboard.Clear());
        ASSERT_TRUE(clipboard.SetData(CF_TEXT, std::string("Edici\xF3n\r\nx\0", 11)));
        ASSERT_TRUE(clipboard.SetData(privateFormat, std::string("\x02" "ab\0", 4)));
    }
    EXPECT_TRUE(clipboard.HasFormat(CF_TEXT));
    EXPECT_TRUE(clipboard.HasFormat(privateFormat));
    const TClipboardOpener opened(clipboard);
    ASSERT_TRUE(opened.Opened());
    const auto text = clipboard.GetData(CF_TEXT);
    ASSERT_TRUE(text);
    // The block may be larger than what was stored; the text ends at its 0.
    EXPECT_EQ(text->substr(0, text->find('\0')), "Edici\xF3n\r\nx");
    const auto block = clipboard.GetData(privateFormat);
    ASSERT_TRUE(block);
    ASSERT_GE(block->size(), 4u);
    EXPECT_EQ(block->substr(0, 4), std::string("\x02" "ab\0", 4));
}

TEST(Win32Clipboard, ClearRemovesEveryFormat) {
    TWin32Clipboard clipboard;
    {
        const TClipboardOpener opened(clipboard);
        ASSERT_TRUE(opened.Opened());
        ASSERT_TRUE(clipboard.Clear());
        ASSERT_TRUE(clipboard.SetData(CF_TEXT, std::string("x\0", 2)));
    }
    {
        const TClipboardOpener opened(clipboard);
        ASSERT_TRUE(opened.Opened());
        ASSERT_TRUE(clipboard.Clear());
    }
    EXPECT_FALSE(clipboard.HasFormat(CF_TEXT));
    const TClipboardOpener opened(clipboard);
    EXPECT_FALSE(clipboard.GetData(CF_TEXT));
}

TEST(Win32Clipboard, DataNeedsAnOpenClipboard) {
    TWin32Clipboard clipboard;
    EXPECT_FALSE(clipboard.SetData(CF_TEXT, "x"));
}

}  // namespace
}  // namespace tips::platform
