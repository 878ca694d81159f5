#include "editor/keystrokes.hpp"

#include <gtest/gtest.h>

#include "editor/editor_errors.hpp"
#include "editor/main_window_keys.hpp"

namespace tips::editor {
namespace {

TCodeEditorCommand Lookup(const TCodeEditKeyStrokes& keys, const char* text) {
    const auto shortCut = TextToShortCut(text);
    EXPECT_TRUE(shortCut) << text;
    const int index = keys.FindKeyEntry(ShortCutKey(*shortCut), ShortCutShift(*shortCut));
    return index < 0 ? ecNone : keys.Items(index).Command();
}

struct KeyCase {
    const char* keys;
    TCodeEditorCommand command;
};

class DefaultKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(DefaultKeys, BindsTheKey) {
    TCodeEditKeyStrokes keys;
    keys.LoadDefaultKeys();
    EXPECT_EQ(Lookup(keys, GetParam().keys), GetParam().command) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultKeys,
    testing::Values(KeyCase{"Up", ecUp}, KeyCase{"Ctrl+Up", ecScrollUp}, KeyCase{"Ctrl+Shift+Up", ecNone},
                    KeyCase{"Ctrl+PageDown", ecPageBottom}, KeyCase{"Ctrl+Shift+End", ecSelEditorBottom},
                    KeyCase{"Insert", ecToggleMode}, KeyCase{"Shift+Insert", ecPaste},
                    KeyCase{"Shift+Delete", ecCut}, KeyCase{"Ctrl+Delete", ecNone},
                    KeyCase{"Shift+Backspace", ecDeleteLastChar}, KeyCase{"Alt+Backspace", ecUndo},
                    KeyCase{"Shift+Alt+Backspace", ecRedo}, KeyCase{"Shift+Enter", ecLineBreak},
                    KeyCase{"Shift+Tab", ecShiftTab}, KeyCase{"Ctrl+F1", ecContextHelp},
                    KeyCase{"Ctrl+M", ecLineBreak}, KeyCase{"Ctrl+T", ecDeleteWord},
                    KeyCase{"Ctrl+Shift+Y", ecDeleteEOL}, KeyCase{"Ctrl+Shift+Z", ecRedo},
                    KeyCase{"Ctrl+0", ecGotoMarker0}, KeyCase{"Ctrl+9", ecGotoMarker9},
                    KeyCase{"Ctrl+Shift+3", ecSetMarker0 + 3}, KeyCase{"Ctrl+Shift+B", ecMatchBracket},
                    KeyCase{"Ctrl+Shift+C", ecColumnSelect}, KeyCase{"Ctrl+Q", ecNone}, KeyCase{"A", ecNone}));

TEST(DefaultKeys, HoldsEightyTwoEntriesInTheirOrder) {
    TCodeEditKeyStrokes keys;
    keys.LoadDefaultKeys();
    ASSERT_EQ(keys.Count(), 82);
    EXPECT_EQ(keys.Items(0).Command(), ecUp);
    EXPECT_EQ(keys.Items(30).Command(), ecToggleMode);
    EXPECT_EQ(keys.Items(31).ShortCut(), ShortCut(vkInsert, ssCtrl));
    EXPECT_EQ(keys.Items(57).Command(), ecRedo);
    EXPECT_EQ(keys.Items(58).Command(), ecGotoMarker0);
    EXPECT_EQ(keys.Items(68).Command(), ecSetMarker0);
    EXPECT_EQ(keys.Items(78).Command(), ecNormalSelect);
    EXPECT_EQ(keys.Items(81).Command(), ecMatchBracket);
    for (int i = 0; i < keys.Count(); ++i) {
        EXPECT_EQ(keys.Items(i).ShortCut2(), 0) << i;
        EXPECT_EQ(keys.Items(i).Index(), i);
        // No shortcut appears twice, so the first match is the only match.
        EXPECT_EQ(keys.FindShortCutPairEntry(keys.Items(i).ShortCut(), 0), i);
    }
}

class MainWindowKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(MainWindowKeys, BindsTheKeyAsStored) {
    TCodeEditKeyStrokes keys;
    keys.LoadDefaultKeys();
    LoadMainWindowKeys(keys);
    EXPECT_EQ(Lookup(keys, GetParam().keys), GetParam().command) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(
    Table, MainWindowKeys,
    testing::Values(KeyCase{"Ctrl+Backspace", ecUndo}, KeyCase{"Alt+Backspace", ecRedo},
                    KeyCase{"Shift+Backspace", ecDeleteLastWord}, KeyCase{"Ctrl+N", ecDeleteWord},
                    KeyCase{"Ctrl+T", ecBlockUnindent}, KeyCase{"Ctrl+Y", ecDeleteEOL},
                    KeyCase{"Ctrl+Shift+L", ecTab}, KeyCase{"Ctrl+Shift+9", ecNormalSelect},
                    KeyCase{"Shift+Alt+Backspace", ecLineBreak}, KeyCase{"Ctrl+Shift+I", ecLineBreak},
                    KeyCase{"Enter", ecLineBreak}, KeyCase{"Shift+Enter", ecNone},
                    KeyCase{"Ctrl+Shift+U", ecPaste}, KeyCase{"Ctrl+V", ecCut}, KeyCase{"Ctrl+X", ecDeleteLine},
                    KeyCase{"Ctrl+Shift+Y", ecUndo}, KeyCase{"Ctrl+Z", ecRedo},
                    KeyCase{"Ctrl+Shift+Z", ecGotoMarker0}, KeyCase{"Ctrl+0", ecGotoMarker0 + 1},
                    KeyCase{"Ctrl+9", ecSetMarker0}, KeyCase{"Ctrl+Shift+3", ecSetMarker0 + 4},
                    KeyCase{"Ctrl+Shift+N", ecColumnSelect}, KeyCase{"Ctrl+Shift+C", ecLineSelect},
                    KeyCase{"Tab", ecShiftTab}, KeyCase{"Shift+Tab", ecMatchBracket},
                    KeyCase{"Ctrl+Shift+B", ecMatchBracket}, KeyCase{"Ctrl+M", ecNone}, KeyCase{"Ctrl+Q", ecNone},
                    KeyCase{"Ctrl+Up", ecScrollUp}, KeyCase{"Ctrl+Shift+PageUp", ecSelPageTop},
                    KeyCase{"Ctrl+A", ecSelectAll}, KeyCase{"Ctrl+C", ecCopy}));

TEST(MainWindowKeys, ReplacesTheTableWithSeventyNineEntriesAndNoSecondKeys) {
    TCodeEditKeyStrokes keys;
    keys.LoadDefaultKeys();
    LoadMainWindowKeys(keys);
    ASSERT_EQ(keys.Count(), 79);
    EXPECT_EQ(keys.Items(0).ShortCut(), 38);
    EXPECT_EQ(keys.Items(39).Command(), ecLineBreak);
    EXPECT_EQ(keys.Items(39).ShortCut(), 40968);
    EXPECT_EQ(keys.Items(78).ShortCut(), 24642);
    for (int i = 0; i < keys.Count(); ++i) EXPECT_EQ(keys.Items(i).ShortCut2(), 0) << i;
}

TEST(KeyStroke, DuplicateShortCutIsRejectedAndTheEntryKeepsItsKeys) {
    TCodeEditKeyStrokes keys;
    keys.Add().SetShortCut(16474);
    auto& second = keys.Add();
    second.SetShortCut(16473);
    try {
        second.SetShortCut(16474);
        FAIL() << "duplicate accepted";
    } catch (const ECodeKeyError& error) {
        EXPECT_STREQ(error.what(), "Shortcut already exists");
    }
    EXPECT_EQ(second.ShortCut(), 16473);
    second.SetShortCut(16473);  // its own value is no duplicate
    keys.Add().SetShortCut(0);
    keys.Add().SetShortCut(0);  // 0 never is
    EXPECT_EQ(keys.Count(), 4);
}

TEST(KeyStroke, SecondKeyMakesADistinctBindingAndIsCheckedToo) {
    TCodeEditKeyStrokes keys;
    auto& single = keys.Add();
    single.SetShortCut(ShortCut('K', ssCtrl));
    auto& pair = keys.Add();
    pair.SetShortCut2(ShortCut('B', ssCtrl));
    pair.SetShortCut(ShortCut('K', ssCtrl));  // Ctrl+K, Ctrl+B differs from Ctrl+K alone
    EXPECT_EQ(pair.Key2(), 'B');
    auto& other = keys.Add();
    EXPECT_THROW(other.SetShortCut(ShortCut('K', ssCtrl)), ECodeKeyError);  // taken by `single`
    EXPECT_EQ(other.ShortCut(), 0);
    other.SetShortCut2(ShortCut('B', ssCtrl));  // 0 then Ctrl+B is free
    EXPECT_THROW(other.SetShortCut(ShortCut('K', ssCtrl)), ECodeKeyError);  // taken by `pair`
    EXPECT_EQ(other.ShortCut(), 0);
    other.SetShortCut(ShortCut('K', ssCtrl | ssShift));
    EXPECT_EQ(keys.FindKeyPairEntry('K', ssCtrl | ssShift, 'B', ssCtrl), 2);
}

TEST(KeyStrokes, AssignCopiesEntriesAsTheyAreWithoutChecks) {
    TCodeEditKeyStrokes source;
    source.LoadDefaultKeys();
    TCodeEditKeyStrokes target;
    target.Add().SetCommand(ecUserFirst);
    target.Assign(source);
    ASSERT_EQ(target.Count(), source.Count());
    for (int i = 0; i < source.Count(); ++i) {
        EXPECT_EQ(target.Items(i).ShortCut(), source.Items(i).ShortCut());
        EXPECT_EQ(target.Items(i).Command(), source.Items(i).Command());
    }
    // Entries of the copy belong to the copy: the duplicate check looks at the copy's entries.
    EXPECT_THROW(target.Items(1).SetShortCut(target.Items(0).ShortCut()), ECodeKeyError);
    target.Delete(0);
    target.Items(0).SetShortCut(ShortCut(vkUp, 0));  // no longer taken
    EXPECT_EQ(target.Count(), 81);
}

TEST(KeyTranslator, RunsSingleKeysAndTwoKeySequences) {
    TCodeEditKeyStrokes keys;
    keys.LoadDefaultKeys();
    auto& pair = keys.Add();
    pair.SetCommand(ecUserFirst);
    pair.SetShortCut2(ShortCut('B', ssCtrl));
    pair.SetShortCut(ShortCut('K', ssCtrl));

    TCodeEditKeyTranslator translator;
    EXPECT_EQ(translator.KeyToCommand(keys, vkUp, 0), ecUp);
    EXPECT_EQ(translator.KeyToCommand(keys, 'K', ssCtrl), ecNone);  // remembered
    EXPECT_EQ(translator.LastKey(), 'K');
    EXPECT_EQ(translator.KeyToCommand(keys, 'B', ssCtrl), ecUserFirst);
    EXPECT_EQ(translator.LastKey(), 0);  // a found command forgets
    // Without the first key the second alone is the plain binding.
    EXPECT_EQ(translator.KeyToCommand(keys, 'B', ssCtrl), ecNone);
    EXPECT_EQ(translator.KeyToCommand(keys, 'B', ssCtrl | ssShift), ecMatchBracket);
}

TEST(KeyTranslator, KeysOutsideThePrintableRangeForgetTheFirstKey) {
    TCodeEditKeyStrokes keys;
    auto& pair = keys.Add();
    pair.SetCommand(ecUserFirst);
    pair.SetShortCut2(ShortCut('B', 0));
    pair.SetShortCut(ShortCut('K', ssCtrl));
    TCodeEditKeyTranslator translator;
    EXPECT_EQ(translator.KeyToCommand(keys, 'K', ssCtrl), ecNone);
    EXPECT_EQ(translator.KeyToCommand(keys, vkControl, 0), ecNone);  // code 17: forgets
    EXPECT_EQ(translator.LastKey(), 0);
    EXPECT_EQ(translator.KeyToCommand(keys, 'B', 0), ecNone);
    EXPECT_EQ(translator.LastKey(), 'B');
    EXPECT_EQ(translator.KeyToCommand(keys, 29, 0), ecNone);  // just below the range
    EXPECT_EQ(translator.LastKey(), 0);
    EXPECT_EQ(translator.KeyToCommand(keys, 145, 0), ecNone);  // last code of the range
    EXPECT_EQ(translator.LastKey(), 145);
    EXPECT_EQ(translator.KeyToCommand(keys, 146, 0), ecNone);
    EXPECT_EQ(translator.LastKey(), 0);
}

}  // namespace
}  // namespace tips::editor
