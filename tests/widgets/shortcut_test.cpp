#include "widgets/shortcut.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tips::widgets;

struct TShortCutCase {
    TShortCut shortCut;
    const char* text;
};

class ShortCutText : public ::testing::TestWithParam<TShortCutCase> {};

TEST_P(ShortCutText, NamesTheModifiersAndTheKey) {
    EXPECT_EQ(ShortCutToText(GetParam().shortCut), std::string(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Cases, ShortCutText,
                         ::testing::Values(TShortCutCase{16472, "Ctrl+X"}, TShortCutCase{16451, "Ctrl+C"},
                                           TShortCutCase{16470, "Ctrl+V"}, TShortCutCase{16449, "Ctrl+A"},
                                           TShortCutCase{16430, "Ctrl+Supr"}, TShortCutCase{16474, "Ctrl+Z"},
                                           TShortCutCase{ShortCut(vkF1 + 1, ssShift | ssAlt), "Shift+Alt+F2"},
                                           TShortCutCase{0, ""}, TShortCutCase{ShortCut(0xE5, ssCtrl), ""}));

TEST(ShortCut, PacksTheKeyAndTheModifiers) {
    EXPECT_EQ(ShortCut('Z', ssCtrl), 16474);
    EXPECT_EQ(ShortCut(0x2E, ssCtrl), 16430);
    EXPECT_EQ(ShortCut(vkDelete, ssCtrl), 16430);
}

}  // namespace
