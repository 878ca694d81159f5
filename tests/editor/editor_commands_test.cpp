#include "editor/editor_commands.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tips::editor {
namespace {

TEST(EditorCommands, IdentifierTableHasEveryNamedCodeOnceInTableOrder) {
    const auto idents = EditorCommandIdents();
    ASSERT_EQ(idents.size(), 96u);
    std::set<TCodeEditorCommand> values;
    std::set<std::string_view> names;
    for (const auto& ident : idents) {
        values.insert(ident.value);
        names.insert(ident.name);
    }
    EXPECT_EQ(values.size(), 96u);
    EXPECT_EQ(names.size(), 96u);
    EXPECT_EQ(idents.front().name, "ecNone");
    EXPECT_EQ(idents[35].name, "ecSelectAll");
    EXPECT_EQ(idents[69].name, "ecUserFirst");
    EXPECT_EQ(idents.back().name, "ecString");
}

struct IdentCase {
    const char* name;
    TCodeEditorCommand value;
};

class EditorCommandIdent : public testing::TestWithParam<IdentCase> {};

TEST_P(EditorCommandIdent, MapsBothWays) {
    EXPECT_EQ(IdentToEditorCommand(GetParam().name), GetParam().value);
    EXPECT_EQ(EditorCommandToIdent(GetParam().value), GetParam().name);
    EXPECT_EQ(EditorCommandToString(GetParam().value), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Values, EditorCommandIdent,
                         testing::Values(IdentCase{"ecNone", 0}, IdentCase{"ecGotoXY", 17},
                                         IdentCase{"ecSelLeft", 101}, IdentCase{"ecSelGotoXY", 117},
                                         IdentCase{"ecSelectAll", 199}, IdentCase{"ecCopy", 201},
                                         IdentCase{"ecScrollRight", 214}, IdentCase{"ecToggleMode", 223},
                                         IdentCase{"ecLineSelect", 233}, IdentCase{"ecMatchBracket", 250},
                                         IdentCase{"ecGotoMarker0", 301}, IdentCase{"ecGotoMarker9", 310},
                                         IdentCase{"ecSetMarker0", 351}, IdentCase{"ecSetMarker9", 360},
                                         IdentCase{"ecContextHelp", 490}, IdentCase{"ecDeleteLastChar", 501},
                                         IdentCase{"ecChar", 511}, IdentCase{"ecImeStr", 550},
                                         IdentCase{"ecUndo", 601}, IdentCase{"ecPaste", 604},
                                         IdentCase{"ecShiftTab", 613}, IdentCase{"ecTitleCase", 623},
                                         IdentCase{"ecString", 630}, IdentCase{"ecAutoCompletion", 650},
                                         IdentCase{"ecUserFirst", 1001}));

TEST(EditorCommands, CodesWithoutIdentifierAreShownAsNumbers) {
    EXPECT_FALSE(EditorCommandToIdent(ecGotFocus));
    EXPECT_EQ(EditorCommandToString(ecGotFocus), "700");
    EXPECT_EQ(EditorCommandToString(ecLostFocus), "701");
    EXPECT_EQ(EditorCommandToString(1002), "1002");
}

TEST(EditorCommands, ParsesIdentifiersAndDecimalNumbersOnly) {
    EXPECT_EQ(StringToEditorCommand("ecRedo"), ecRedo);
    EXPECT_EQ(StringToEditorCommand("700"), 700);
    EXPECT_EQ(StringToEditorCommand("65535"), 65535);
    EXPECT_FALSE(StringToEditorCommand("65536"));
    EXPECT_FALSE(StringToEditorCommand(""));
    EXPECT_FALSE(StringToEditorCommand("-1"));
    EXPECT_FALSE(StringToEditorCommand("12x"));
    EXPECT_FALSE(StringToEditorCommand("ecredo"));  // identifiers are spelled exactly
    EXPECT_FALSE(StringToEditorCommand("ecNothing"));
}

}  // namespace
}  // namespace tips::editor
