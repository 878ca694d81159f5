#include "editor/shortcut.hpp"

#include <gtest/gtest.h>

namespace tips::editor {
namespace {

TEST(ShortCut, PacksKeyAndModifiersIntoOneValue) {
    EXPECT_EQ(ShortCut('Z', ssCtrl), 16474);
    EXPECT_EQ(ShortCut(vkBack, ssAlt | ssShift), 40968);
    EXPECT_EQ(ShortCut(vkTab, 0), 9);
    EXPECT_EQ(ShortCut(vkLeft, ssCtrl | ssShift), 24613);
    EXPECT_EQ(ShortCut(0x100, 0), 0);  // does not fit the low byte
    EXPECT_EQ(ShortCutKey(40968), vkBack);
    EXPECT_EQ(ShortCutShift(40968), ssAlt | ssShift);
    EXPECT_EQ(ShortCutShift(16474), ssCtrl);
}

struct TextCase {
    const char* text;
    TShortCut shortCut;
};

class ShortCutText : public testing::TestWithParam<TextCase> {};

TEST_P(ShortCutText, ParsesNames) { EXPECT_EQ(TextToShortCut(GetParam().text), GetParam().shortCut); }

INSTANTIATE_TEST_SUITE_P(Names, ShortCutText,
                         testing::Values(TextCase{"Enter", 13}, TextCase{"Ctrl+Shift+Left", 24613},
                                         TextCase{"Shift+Ctrl+Left", 24613}, TextCase{"Alt+Backspace", 32776},
                                         TextCase{"A", 65}, TextCase{"a", 65}, TextCase{"Shift+Tab", 8201},
                                         TextCase{"F2", 113}, TextCase{"Ctrl+F1", 16496},
                                         TextCase{"Ctrl+0", 16432}, TextCase{"ctrl+z", 16474},
                                         TextCase{"PageDown", 34}, TextCase{"Esc", 27}));

TEST(ShortCutText, RejectsUnknownKeysAndModifiers) {
    for (const char* text : {"", "Ctrl+", "Hyper+A", "F0", "F25", "F1x", "Ctrl+Foo", "AB", "+"}) {
        EXPECT_FALSE(TextToShortCut(text)) << text;
    }
}

TEST(ShortCutText, FormatsWhatItParses) {
    for (const TShortCut value : {13, 24613, 32776, 65, 8201, 113, 16474, 34, 40968}) {
        const auto text = ShortCutToText(value);
        EXPECT_EQ(TextToShortCut(text), value) << text;
    }
    EXPECT_EQ(ShortCutToText(24613), "Ctrl+Shift+Left");
    EXPECT_EQ(ShortCutToText(0), "");
}

}  // namespace
}  // namespace tips::editor
