#include "editor/clipboard_transfer.hpp"

#include <gtest/gtest.h>

#include "editor/editor_errors.hpp"
#include "editor/memory_clipboard.hpp"

namespace tips::editor {
namespace {

class ClipboardTransferTest : public testing::Test {
protected:
    std::optional<std::string> Stored(platform::TClipboardFormat format) {
        const platform::TClipboardOpener opened(clipboard);
        return clipboard.GetData(format);
    }

    void Put(platform::TClipboardFormat format, std::string_view bytes) {
        const platform::TClipboardOpener opened(clipboard);
        clipboard.SetData(format, bytes);
    }

    void ExpectCopyFails(std::string_view text) {
        try {
            WriteCodeEditClipboard(clipboard, text, smNormal);
            FAIL() << "copy reported success";
        } catch (const ECodeEditError& error) {
            EXPECT_STREQ(error.what(), "Clipboard copy operation failed");
        }
        EXPECT_FALSE(clipboard.IsOpen());
    }

    TMemoryClipboard clipboard;
    const platform::TClipboardFormat blockType = clipboard.RegisterFormat("CodeEdit Control Block Type");
};

TEST_F(ClipboardTransferTest, CopyStoresTerminatedTextAndTheModeBlock) {
    WriteCodeEditClipboard(clipboard, "a\r\nb", smLine);
    EXPECT_FALSE(clipboard.IsOpen());
    EXPECT_EQ(Stored(clipboard.TextFormat()), std::string("a\r\nb\0", 5));
    EXPECT_EQ(Stored(blockType), std::string("\x01" "a\r\nb\0", 6));
    WriteCodeEditClipboard(clipboard, "xy", smColumn);
    EXPECT_EQ(Stored(blockType), std::string("\x02xy\0", 4));
}

TEST_F(ClipboardTransferTest, CopyReplacesOtherFormats) {
    const auto other = clipboard.RegisterFormat("Other");
    Put(other, "old");
    WriteCodeEditClipboard(clipboard, "new", smNormal);
    EXPECT_FALSE(clipboard.HasFormat(other));
}

TEST_F(ClipboardTransferTest, EmptyTextLeavesTheClipboardUntouched) {
    Put(clipboard.TextFormat(), std::string("keep\0", 5));
    const int stores = clipboard.StoreCount();
    WriteCodeEditClipboard(clipboard, "", smColumn);
    EXPECT_EQ(clipboard.StoreCount(), stores);
    EXPECT_EQ(Stored(clipboard.TextFormat()), std::string("keep\0", 5));
}

TEST_F(ClipboardTransferTest, CopyFailuresRaiseAndLeaveTheClipboardClosed) {
    clipboard.SetFailOpen(true);
    ExpectCopyFails("x");
    clipboard.SetFailOpen(false);
    clipboard.SetFailSetData(clipboard.TextFormat());
    ExpectCopyFails("x");
    EXPECT_FALSE(clipboard.HasFormat(blockType));  // the block follows only a stored text
    clipboard.SetFailSetData(blockType);
    ExpectCopyFails("x");
}

struct PasteCase {
    const char* name;
    std::string block;  // empty: no private format
    std::string text;   // empty: no plain text
    TCodeSelectionMode current;
    std::string expectedText;
    TCodeSelectionMode expectedMode;
};

class ClipboardPaste : public ClipboardTransferTest, public testing::WithParamInterface<PasteCase> {};

TEST_P(ClipboardPaste, ReadsTheBlockFirstElseThePlainText) {
    if (!GetParam().block.empty()) Put(blockType, GetParam().block);
    if (!GetParam().text.empty()) Put(clipboard.TextFormat(), GetParam().text);
    const auto paste = ReadCodeEditClipboard(clipboard, GetParam().current);
    ASSERT_TRUE(paste);
    EXPECT_EQ(paste->Text, GetParam().expectedText);
    EXPECT_EQ(paste->Mode, GetParam().expectedMode);
    EXPECT_FALSE(clipboard.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipboardPaste,
    testing::Values(
        PasteCase{"column block", std::string("\x02" "ab\nc\0", 6), std::string("ab\nc\0", 5), smNormal, "ab\nc", smColumn},
        PasteCase{"line block", std::string("\x01x\0", 3), "", smColumn, "x", smLine},
        PasteCase{"text in current mode", "", std::string("plain\0", 6), smColumn, "plain", smColumn},
        PasteCase{"padding after the text", "", std::string("ab\0\0\0\0", 6), smNormal, "ab", smNormal},
        PasteCase{"unterminated text", "", "abc", smLine, "abc", smLine},
        PasteCase{"unknown mode byte", std::string("\x07q\0", 3), "", smLine, "q", smNormal},
        PasteCase{"mode byte only", std::string("\x01", 1), "", smNormal, "", smLine}),
    [](const auto& testCase) {
        std::string name = testCase.param.name;
        for (char& c : name) c = c == ' ' ? '_' : c;
        return name;
    });

TEST_F(ClipboardTransferTest, PasteOfAnEmptyClipboardIsNothing) {
    EXPECT_FALSE(ReadCodeEditClipboard(clipboard, smNormal));
    EXPECT_FALSE(clipboard.IsOpen());
}

TEST_F(ClipboardTransferTest, PasteFailuresRaiseAndLeaveTheClipboardClosed) {
    Put(blockType, "");  // present, but not even a mode byte
    for (int round = 0; round < 3; ++round) {
        if (round == 1) {
            Put(blockType, std::string("\x00x\0", 3));
            clipboard.SetFailGetData(blockType);
        }
        if (round == 2) {
            clipboard.SetFailGetData(0);
            clipboard.SetFailOpen(true);
        }
        try {
            ReadCodeEditClipboard(clipboard, smNormal);
            FAIL() << "paste reported success in round " << round;
        } catch (const ECodeEditError& error) {
            EXPECT_STREQ(error.what(), "Clipboard paste operation failed.");
        }
        EXPECT_FALSE(clipboard.IsOpen());
    }
}

TEST_F(ClipboardTransferTest, CopiedTextPastesBackInItsMode) {
    for (const auto mode : {smNormal, smLine, smColumn}) {
        WriteCodeEditClipboard(clipboard, "one\r\ntwo", mode);
        const auto paste = ReadCodeEditClipboard(clipboard, smNormal);
        ASSERT_TRUE(paste);
        EXPECT_EQ(paste->Text, "one\r\ntwo");
        EXPECT_EQ(paste->Mode, mode);
    }
}

}  // namespace
}  // namespace tips::editor
