#include "editor/memory_clipboard.hpp"

#include <gtest/gtest.h>

namespace tips::editor {
namespace {

TEST(MemoryClipboard, NumbersRegisteredFormatsByName) {
    TMemoryClipboard clipboard;
    const auto first = clipboard.RegisterFormat("One");
    EXPECT_GE(first, 0xC000u);
    EXPECT_EQ(clipboard.RegisterFormat("One"), first);
    EXPECT_NE(clipboard.RegisterFormat("Two"), first);
    EXPECT_NE(clipboard.RegisterFormat("Two"), clipboard.TextFormat());
    EXPECT_EQ(clipboard.RegisterFormat(""), 0u);
}

TEST(MemoryClipboard, DataIsWrittenAndReadOnlyWhileOpen) {
    TMemoryClipboard clipboard;
    const auto text = clipboard.TextFormat();
    EXPECT_FALSE(clipboard.SetData(text, "x"));
    EXPECT_FALSE(clipboard.Clear());
    ASSERT_TRUE(clipboard.Open());
    EXPECT_FALSE(clipboard.Open());  // already open
    EXPECT_TRUE(clipboard.SetData(text, std::string("ab\0", 3)));
    EXPECT_EQ(clipboard.GetData(text), std::string("ab\0", 3));
    EXPECT_FALSE(clipboard.GetData(text + 1));
    clipboard.Close();
    EXPECT_TRUE(clipboard.HasFormat(text));  // readable without opening
    EXPECT_FALSE(clipboard.GetData(text));
    ASSERT_TRUE(clipboard.Open());
    EXPECT_TRUE(clipboard.Clear());
    clipboard.Close();
    EXPECT_FALSE(clipboard.HasFormat(text));
    EXPECT_EQ(clipboard.StoreCount(), 1);
}

TEST(MemoryClipboard, InjectedFaultsFailTheirOperation) {
    TMemoryClipboard clipboard;
    clipboard.SetFailOpen(true);
    EXPECT_FALSE(clipboard.Open());
    clipboard.SetFailOpen(false);
    ASSERT_TRUE(clipboard.Open());
    clipboard.SetFailSetData(clipboard.TextFormat());
    EXPECT_FALSE(clipboard.SetData(clipboard.TextFormat(), "x"));
    clipboard.SetFailSetData(0);
    EXPECT_TRUE(clipboard.SetData(clipboard.TextFormat(), "x"));
    clipboard.SetFailGetData(clipboard.TextFormat());
    EXPECT_FALSE(clipboard.GetData(clipboard.TextFormat()));
}

}  // namespace
}  // namespace tips::editor
