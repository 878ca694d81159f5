#include <gtest/gtest.h>

#include <string>

#include "skin/text_case.hpp"

namespace {

using namespace tips::skin;

TEST(TextCase, FoldsAsciiAndWindows1252Capitals) {
    EXPECT_EQ(LowerCase("ABC-xyz_09"), "abc-xyz_09");
    EXPECT_EQ(LowerCase("\xC0\xC9\xD1\xDE\x8A\x8C\x8E\x9F"), "\xE0\xE9\xF1\xFE\x9A\x9C\x9E\xFF");
    // Not letters, or no capital pair: unchanged (× and ß in particular).
    EXPECT_EQ(LowerCase("\xD7\xDF\xF7@[`{"), "\xD7\xDF\xF7@[`{");
}

TEST(TextCase, ComparesWithoutRegardToCase) {
    EXPECT_TRUE(EqualsIgnoreCase("Colour0", "COLOUR0"));
    EXPECT_FALSE(EqualsIgnoreCase("Colour", "Colours"));
    EXPECT_TRUE(StartsWithIgnoreCase("colour12", "COLOUR"));
    EXPECT_FALSE(StartsWithIgnoreCase("COLO", "COLOUR"));
    EXPECT_TRUE(ContainsIgnoreCase("skin-config.INI", ".ini"));
    EXPECT_FALSE(ContainsIgnoreCase("skin.in", ".ini"));
    EXPECT_TRUE(ContainsIgnoreCase("anything", ""));
    EXPECT_TRUE(ContainsIgnoreCase("", ""));
}

}  // namespace
