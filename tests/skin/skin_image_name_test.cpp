#include "skin/skin_image_name.hpp"

#include <gtest/gtest.h>

namespace tips::skin {
namespace {

struct NameCase {
    const char* value;
    const char* entry;  // nullptr: no image
};

class SkinImageNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(SkinImageNameTest, NamesTheEntryByItsFileNamePartOnlyForLowerCaseBmp) {
    const auto name = SkinImageEntryName(GetParam().value);
    if (GetParam().entry == nullptr) {
        EXPECT_FALSE(name.has_value()) << *name;
    } else {
        ASSERT_TRUE(name.has_value());
        EXPECT_EQ(*name, GetParam().entry);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, SkinImageNameTest,
                         ::testing::Values(NameCase{"frame-top.bmp", "frame-top.bmp"},
                                           NameCase{"skins\\blue\\frame-top.bmp", "frame-top.bmp"},
                                           NameCase{"skins/blue/frame-top.bmp", "frame-top.bmp"},
                                           NameCase{"C:frame-top.bmp", "frame-top.bmp"},
                                           NameCase{"Frame-Top.bmp", "Frame-Top.bmp"},
                                           NameCase{"frame-top.BMP", nullptr}, NameCase{"frame-top.Bmp", nullptr},
                                           NameCase{"skins\\FRAME.BMP", nullptr}, NameCase{"frame-top", nullptr},
                                           NameCase{"frame.bmp.txt", nullptr}, NameCase{"0", nullptr},
                                           NameCase{"", nullptr}, NameCase{"skins.bmp\\frame", nullptr}));

}  // namespace
}  // namespace tips::skin
