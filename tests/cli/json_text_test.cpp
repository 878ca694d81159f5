#include <gtest/gtest.h>

#include <string>

#include "json_text.hpp"

namespace {

using tipstool::cp1252ToUtf8;
using tipstool::utf8ToCp1252;

TEST(JsonText, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

struct MappingCase {
    std::string cp1252;
    std::string utf8;
};

class JsonTextMapping : public ::testing::TestWithParam<MappingCase> {};

TEST_P(JsonTextMapping, MapsBothWays) {
    EXPECT_EQ(cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
    EXPECT_EQ(utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(Bytes, JsonTextMapping,
                         ::testing::Values(MappingCase{"T\xEDtulo", "T\xC3\xADtulo"},
                                           MappingCase{"\x80", "\xE2\x82\xAC"},      // euro sign
                                           MappingCase{"\x9F", "\xC5\xB8"},          // Y with diaeresis
                                           MappingCase{"\x81", "\xC2\x81"},          // undefined: same value
                                           MappingCase{"\x9D", "\xC2\x9D"},
                                           MappingCase{std::string("a\0b", 3), std::string("a\0b", 3)}));

TEST(JsonText, RejectsWhatTheCodePageCannotHold) {
    EXPECT_EQ(utf8ToCp1252("\xCE\xA9"), std::nullopt);          // Greek omega
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), std::nullopt);  // an emoji
    EXPECT_EQ(utf8ToCp1252("\xC3"), std::nullopt);              // cut-off sequence
    EXPECT_EQ(utf8ToCp1252("\xC3("), std::nullopt);             // bad continuation byte
    EXPECT_EQ(utf8ToCp1252("\xFF"), std::nullopt);              // not a lead byte
}

}  // namespace
