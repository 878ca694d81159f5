#include "base/text_case.hpp"

#include <gtest/gtest.h>

#include <string>

namespace tips::base {
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
    EXPECT_TRUE(EqualsIgnoreCase1252(std::string(1, upper), std::string(1, lower)));
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
// them, sharp s, micro sign, florin and the ordinal indicators (no single other-case form here),
// digits and the byte 0.
INSTANTIATE_TEST_SUITE_P(Windows1252, TextCaseCaseless,
                         testing::Values(0x00, '0', '@', '[', '`', '{', 0x83, 0xAA, 0xB5, 0xBA, 0xBF, 0xD7,
                                         0xDF, 0xF7));

TEST(TextCase, WholeTexts) {
    EXPECT_EQ(UpperCase1252("se\xF1or \x9Cuvre 1x"), "SE\xD1OR \x8CUVRE 1X");
    EXPECT_EQ(LowerCase1252("SE\xD1OR \x8CUVRE 1X"), "se\xF1or \x9Cuvre 1x");
    EXPECT_EQ(LowerCase1252("ABC-xyz_09"), "abc-xyz_09");
    EXPECT_EQ(LowerCase1252("\xC0\xC9\xD1\xDE\x8A\x8C\x8E\x9F"), "\xE0\xE9\xF1\xFE\x9A\x9C\x9E\xFF");
    // Not letters, or no capital pair: unchanged (the multiplication sign and sharp s in particular).
    EXPECT_EQ(LowerCase1252("\xD7\xDF\xF7@[`{"), "\xD7\xDF\xF7@[`{");
    // A NUL inside the text is a character like any other.
    EXPECT_EQ(UpperCase1252(std::string("a\0b", 3)), std::string("A\0B", 3));
    // Toggling flips every letter and leaves the rest; twice gives the text back.
    EXPECT_EQ(ToggleCase1252("Ab\xC9\xFF\xDF 1"), "aB\xE9\x9F\xDF 1");
    EXPECT_EQ(ToggleCase1252(ToggleCase1252("Ab\xC9\xFF\xDF 1")), "Ab\xC9\xFF\xDF 1");
    EXPECT_EQ(ToggleCase1252(""), "");
}

TEST(TextCase, ComparesWithoutRegardToCase) {
    EXPECT_TRUE(EqualsIgnoreCase1252("Colour0", "COLOUR0"));
    EXPECT_FALSE(EqualsIgnoreCase1252("Colour", "Colours"));
    EXPECT_TRUE(EqualsIgnoreCase1252("Descripci\xF3n", "DESCRIPCI\xD3N"));
    EXPECT_TRUE(EqualsIgnoreCase1252("", ""));
    // Letters without a pair match only themselves: sharp s is not "SS", the micro sign not M.
    EXPECT_FALSE(EqualsIgnoreCase1252("\xDF", "SS"));
    EXPECT_FALSE(EqualsIgnoreCase1252("\xB5", "M"));
    EXPECT_FALSE(EqualsIgnoreCase1252("\xD7", "\xF7"));
    EXPECT_TRUE(StartsWithIgnoreCase1252("colour12", "COLOUR"));
    EXPECT_FALSE(StartsWithIgnoreCase1252("COLO", "COLOUR"));
    EXPECT_TRUE(StartsWithIgnoreCase1252("\xC9TAPE", "\xE9t"));
    EXPECT_TRUE(ContainsIgnoreCase1252("skin-config.INI", ".ini"));
    EXPECT_FALSE(ContainsIgnoreCase1252("skin.in", ".ini"));
    EXPECT_TRUE(ContainsIgnoreCase1252("anything", ""));
    EXPECT_TRUE(ContainsIgnoreCase1252("", ""));
    EXPECT_FALSE(ContainsIgnoreCase1252("", "a"));
}

// Folding down or up gives the same classes: a comparison may use either form.
TEST(TextCase, LowerAndUpperFormsAgreeOnEveryPairOfBytes) {
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 256; ++y) {
            const char a = static_cast<char>(x);
            const char b = static_cast<char>(y);
            ASSERT_EQ(LowerChar1252(a) == LowerChar1252(b), UpperChar1252(a) == UpperChar1252(b)) << x << ' ' << y;
        }
    }
}

TEST(TextCase, AsciiRuleFoldsOnlyAsciiLetters) {
    EXPECT_TRUE(EqualsIgnoreCaseAscii("PageDown", "pagedown"));
    EXPECT_TRUE(EqualsIgnoreCaseAscii("CTRL", "Ctrl"));
    EXPECT_FALSE(EqualsIgnoreCaseAscii("Ctrl", "Ctr"));
    EXPECT_FALSE(EqualsIgnoreCaseAscii("@", "`"));
    // Where the two rules part: accented letters fold by the Windows-1252 rule only.
    EXPECT_FALSE(EqualsIgnoreCaseAscii("\xC9", "\xE9"));
    EXPECT_TRUE(EqualsIgnoreCase1252("\xC9", "\xE9"));
    EXPECT_EQ(UpperCharAscii('\xE9'), '\xE9');
    EXPECT_EQ(LowerCharAscii('\xC9'), '\xC9');
    EXPECT_EQ(UpperCharAscii('z'), 'Z');
    EXPECT_EQ(LowerCharAscii('A'), 'a');
    EXPECT_EQ(UpperCharAscii('{'), '{');
    EXPECT_EQ(LowerCharAscii('['), '[');
}

}  // namespace
}  // namespace tips::base
