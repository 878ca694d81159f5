#include "editor/text_case.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tips::editor {
namespace {

struct CasePair {
    unsigned char upper;
    unsigned char lower;
};

class TextCaseLetters : public testing::TestWithParam<CasePair> {};

TEST_P(TextCaseLetters, ConvertBothWays) {
    const char upper = static_cast<char>(GetParam().upper);
    const char lower = static_cast<char>(GetParam().lower);
    EXPECT_EQ(UpperChar1252(lower), upper);
    EXPECT_EQ(LowerChar1252(upper), lower);
    EXPECT_EQ(UpperChar1252(upper), upper);
    EXPECT_EQ(LowerChar1252(lower), lower);
}

// The ends of both ranges and the four pairs outside them.
INSTANTIATE_TEST_SUITE_P(Windows1252, TextCaseLetters,
                         testing::Values(CasePair{'A', 'a'}, CasePair{'Z', 'z'}, CasePair{0xC0, 0xE0},
                                         CasePair{0xC9, 0xE9}, CasePair{0xD1, 0xF1}, CasePair{0xD6, 0xF6},
                                         CasePair{0xD8, 0xF8}, CasePair{0xDE, 0xFE}, CasePair{0x8A, 0x9A},
                                         CasePair{0x8C, 0x9C}, CasePair{0x8E, 0x9E}, CasePair{0x9F, 0xFF}));

class TextCaseCaseless : public testing::TestWithParam<unsigned char> {};

TEST_P(TextCaseCaseless, StayAsTheyAre) {
    const char c = static_cast<char>(GetParam());
    EXPECT_EQ(UpperChar1252(c), c);
    EXPECT_EQ(LowerChar1252(c), c);
}

// Neighbours of the letter ranges, the multiplication and division signs in the middle of
// them, sharp s and micro sign (no single upper-case form here), digits and the byte 0.
INSTANTIATE_TEST_SUITE_P(Windows1252, TextCaseCaseless,
                         testing::Values(0x00, '0', '@', '[', '`', '{', 0x83, 0xAA, 0xB5, 0xBF, 0xD7, 0xDF,
                                         0xF7));

TEST(TextCase, WholeTexts) {
    EXPECT_EQ(UpperCase1252("se\xF1or \x9Cuvre 1x"), "SE\xD1OR \x8CUVRE 1X");
    EXPECT_EQ(LowerCase1252("SE\xD1OR \x8CUVRE 1X"), "se\xF1or \x9Cuvre 1x");
    // Toggling flips every letter and leaves the rest; twice gives the text back.
    EXPECT_EQ(ToggleCase1252("Ab\xC9\xFF\xDF 1"), "aB\xE9\x9F\xDF 1");
    EXPECT_EQ(ToggleCase1252(ToggleCase1252("Ab\xC9\xFF\xDF 1")), "Ab\xC9\xFF\xDF 1");
    EXPECT_EQ(ToggleCase1252(""), "");
}

}  // namespace
}  // namespace tips::editor
