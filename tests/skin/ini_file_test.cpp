#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/ini_file.hpp"

namespace {

using tips::skin::IniFile;
using tips::skin::ParseColourTriple;
using tips::skin::ParseIniInteger;

TEST(IniFile, NamesAreMatchedWithoutRegardToCase) {
    const IniFile ini("[Personality]\r\nTopTopHeight=28\r\n[COLOURS]\r\nButtonFace=204 204 204\r\n");
    EXPECT_EQ(ini.ReadInteger("personality", "toptopheight", -1), 28);
    EXPECT_EQ(ini.ReadInteger("PERSONALITY", "TOPTOPHEIGHT", -1), 28);
    EXPECT_TRUE(ini.SectionExists("Colours"));
    EXPECT_EQ(ini.ReadColour("colours", "BUTTONFACE", 0), 0xCCCCCCu);
    // Accented capitals fold too.
    const IniFile accented("[Edici\xD3N]\nT\xCDtulo=1\n");
    EXPECT_EQ(accented.ReadInteger("edici\xF3n", "t\xEDtulo", 0), 1);
}

TEST(IniFile, KeepsSectionOrderAndDuplicatesAsWritten) {
    const IniFile ini("[Colour1]\ncolor=255 255 255\n[Colours]\n[colour0]\ncolor=0 0 0\n[Colour1]\ncolor=1 2 3\n");
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Colour1", "Colours", "colour0", "Colour1"}));
    // The profile functions find the first section of a name and the first key of a section.
    EXPECT_EQ(ini.ReadColour("colour1", "color", 7), 0xFFFFFFu);
    const IniFile keys("[a]\nk=1\nK=2\n");
    EXPECT_EQ(keys.ReadInteger("a", "k", 0), 1);
    EXPECT_EQ(keys.KeyNames("A"), (std::vector<std::string>{"k", "K"}));
}

TEST(IniFile, LineBreaksBlanksCommentsAndQuotes) {
    const IniFile ini(
        "orphan=1\n"  // before any section: unreachable
        "  [ Spaced ]  \r"
        "; comment=5\r\n"
        "\tkey  =  value with spaces \t\n"
        "quoted=\"  kept  \"\n"
        "single='x'\n"
        "half=\"open\n"
        "noequals\n"
        "empty=\n"
        "[Last]\n"
        "x=1");  // no final line break
    EXPECT_EQ(ini.SectionNames(), (std::vector<std::string>{"Spaced", "Last"}));
    EXPECT_EQ(ini.FindString("spaced", "key"), std::optional<std::string>("value with spaces"));
    EXPECT_EQ(ini.FindString("spaced", "quoted"), std::optional<std::string>("  kept  "));
    EXPECT_EQ(ini.FindString("spaced", "single"), std::optional<std::string>("x"));
    EXPECT_EQ(ini.FindString("spaced", "half"), std::optional<std::string>("\"open"));
    EXPECT_FALSE(ini.ValueExists("spaced", "; comment"));
    EXPECT_FALSE(ini.ValueExists("spaced", "noequals"));
    EXPECT_EQ(ini.FindString("spaced", "empty"), std::optional<std::string>(""));
    EXPECT_EQ(ini.ReadInteger("last", "x", 0), 1);
    EXPECT_EQ(ini.ReadString("last", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.ReadString("nosection", "x", "dflt"), "dflt");
}

TEST(IniFile, InlineSemicolonBelongsToTheValue) {
    const IniFile ini("[s]\nimage=menu.bmp ; old\n");
    EXPECT_EQ(ini.ReadString("s", "image", ""), "menu.bmp ; old");
}

struct IntegerCase {
    const char* value;
    std::optional<int> expected;
};

class IniIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerTest, ReadsLeadingDecimalNumber) {
    EXPECT_EQ(ParseIniInteger(GetParam().value), GetParam().expected) << '"' << GetParam().value << '"';
    const IniFile ini(std::string("[s]\nk=") + GetParam().value + "\n");
    EXPECT_EQ(ini.ReadInteger("s", "k", -77), GetParam().expected.value_or(-77));
}

INSTANTIATE_TEST_SUITE_P(
    Values, IniIntegerTest,
    testing::Values(IntegerCase{"28", 28}, IntegerCase{"0", 0}, IntegerCase{"-1", -1}, IntegerCase{"+5", 5},
                    IntegerCase{"007", 7}, IntegerCase{" 12 ", 12}, IntegerCase{"12px", 12},
                    IntegerCase{"3.8", 3}, IntegerCase{"0x1F", 0}, IntegerCase{"", std::nullopt},
                    IntegerCase{"abc", std::nullopt}, IntegerCase{"-", std::nullopt}, IntegerCase{"- 1", std::nullopt},
                    IntegerCase{"--1", std::nullopt}, IntegerCase{"2147483647", 2147483647},
                    IntegerCase{"-2147483648", -2147483647 - 1}, IntegerCase{"2147483648", std::nullopt},
                    IntegerCase{"99999999999999999999", std::nullopt}));

TEST(IniFile, MissingIntegerGivesDefault) {
    const IniFile ini("[s]\n");
    EXPECT_EQ(ini.ReadInteger("s", "k", 14), 14);
    EXPECT_EQ(ini.ReadInteger("other", "k", -1), -1);
}

struct ColourCase {
    const char* value;
    std::optional<std::uint32_t> expected;
};

class ColourTripleTest : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourTripleTest, ReadsRedGreenBlue) {
    EXPECT_EQ(ParseColourTriple(GetParam().value), GetParam().expected) << '"' << GetParam().value << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Values, ColourTripleTest,
    testing::Values(ColourCase{"204 204 204", 0xCCCCCC}, ColourCase{"152 99 0", 0x006398},
                    ColourCase{"127,127,127", 0x7F7F7F}, ColourCase{"R1 G2 B3", 0x030201},
                    ColourCase{"  1\t2;3  ", 0x030201}, ColourCase{"-1 -2 -3", 0x030201},  // '-' only separates
                    ColourCase{"1 2", 0x000201}, ColourCase{"9", 0x000009}, ColourCase{"1 2 3 4", 0x030201},
                    ColourCase{"256 511 0", 0x00FF00}, ColourCase{"", std::nullopt}, ColourCase{"none", std::nullopt}));

TEST(IniFile, ColourDefaultsWhenMissingOrWithoutDigits) {
    const IniFile ini("[Colours]\nHilight=152 99 0\nMenu=\nScrollbar=grey\n");
    EXPECT_EQ(ini.ReadColour("Colours", "Hilight", 1), 0x006398u);
    EXPECT_EQ(ini.ReadColour("Colours", "Menu", 0x80000004u), 0x80000004u);
    EXPECT_EQ(ini.ReadColour("Colours", "Scrollbar", 0x80000000u), 0x80000000u);
    EXPECT_EQ(ini.ReadColour("Colours", "WindowText", 0x80000008u), 0x80000008u);
}

}  // namespace
