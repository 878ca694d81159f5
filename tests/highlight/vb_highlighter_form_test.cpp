#include "highlight/vb_highlighter_form.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using tips::highlight::ApplyStoredProperties;
using tips::highlight::ConfigureVBHighlighter1;
using tips::highlight::EHighlighterPropertyError;
using tips::highlight::StoredProperties;
using tips::highlight::TStoredProperty;
using tips::highlight::TVBHighlighter;
using tips::platform::clNone;
using tips::platform::fsBold;
using tips::platform::fsItalic;
using tips::platform::fsUnderline;
using tips::platform::TFontStyles;
using ::testing::ElementsAre;

TEST(VBHighlighterForm, MainWindowColours) {
    TVBHighlighter h;
    ConfigureVBHighlighter1(h);
    EXPECT_EQ(h.CommentAttri().Background(), 0xDAFEE2u);
    EXPECT_EQ(h.CommentAttri().Foreground(), 0x658640u);
    EXPECT_EQ(h.KeyAttri().Foreground(), 0xD0391Au);
    EXPECT_EQ(h.NumberAttri().Foreground(), 0x582BAEu);
    EXPECT_EQ(h.StringAttri().Foreground(), 0x5086A3u);
    EXPECT_EQ(h.SymbolAttri().Foreground(), 0xFF8080u);
    // Everything else keeps the constructor's values.
    EXPECT_EQ(h.CommentAttri().Style(), TFontStyles(fsItalic));
    EXPECT_EQ(h.KeyAttri().Style(), TFontStyles(fsBold));
    EXPECT_EQ(h.KeyAttri().Background(), clNone);
    EXPECT_EQ(h.IdentifierAttri().Foreground(), clNone);
    EXPECT_EQ(h.SpaceAttri().Background(), clNone);
    EXPECT_EQ(h.SpaceAttri().Foreground(), clNone);
    EXPECT_EQ(h.DefaultFilter(), "Visual Basic Files (*.bas)|*.bas");
    EXPECT_TRUE(h.Enabled());
}

TEST(VBHighlighterForm, WritesOnlyWhatDiffersPlusTheFilter) {
    TVBHighlighter h;
    EXPECT_THAT(StoredProperties(h),
                ElementsAre(TStoredProperty{"DefaultFilter", std::string("Visual Basic Files (*.bas)|*.bas")}));
    ConfigureVBHighlighter1(h);
    EXPECT_EQ(StoredProperties(h).size(), 7u);
    h.KeyAttri().SetStyle(TFontStyles(fsBold) | fsUnderline);
    h.SetEnabled(false);
    const auto stored = StoredProperties(h);
    EXPECT_THAT(stored, ::testing::Contains(TStoredProperty{"KeyAttri.Style", std::int64_t{5}}));
    EXPECT_THAT(stored, ::testing::Contains(TStoredProperty{"Enabled", std::int64_t{0}}));
}

TEST(VBHighlighterForm, WrittenValuesReadBackIntoAFreshHighlighter) {
    TVBHighlighter source;
    ConfigureVBHighlighter1(source);
    source.SpaceAttri().SetStyle(fsUnderline);
    TVBHighlighter copy;
    ApplyStoredProperties(copy, StoredProperties(source));
    for (int i = 0; i < source.AttributeCount(); ++i) {
        EXPECT_EQ(copy.AttributeAt(i)->Background(), source.AttributeAt(i)->Background());
        EXPECT_EQ(copy.AttributeAt(i)->Foreground(), source.AttributeAt(i)->Foreground());
        EXPECT_EQ(copy.AttributeAt(i)->Style(), source.AttributeAt(i)->Style());
    }
}

TEST(VBHighlighterForm, AStoredFieldChangesOnlyThatField) {
    TVBHighlighter h;
    int notifications = 0;
    h.CommentAttri().SetOnChange([&](auto&) { ++notifications; });
    ApplyStoredProperties(h, {{"CommentAttri.Background", std::int64_t{255}}});
    EXPECT_EQ(h.CommentAttri().Background(), 255u);
    EXPECT_EQ(h.CommentAttri().Foreground(), clNone);
    EXPECT_EQ(h.CommentAttri().Style(), TFontStyles(fsItalic));
    EXPECT_EQ(notifications, 1);
    ApplyStoredProperties(h, {});
    EXPECT_EQ(h.CommentAttri().Background(), 255u);
}

TEST(VBHighlighterForm, UnknownPropertiesAndBadValuesAreRefused) {
    TVBHighlighter h;
    EXPECT_THROW(ApplyStoredProperties(h, {{"FooAttri.Background", std::int64_t{1}}}), EHighlighterPropertyError);
    EXPECT_THROW(ApplyStoredProperties(h, {{"CommentAttri.Colour", std::int64_t{1}}}), EHighlighterPropertyError);
    EXPECT_THROW(ApplyStoredProperties(h, {{"CommentAttri.Background", std::string("red")}}),
                 EHighlighterPropertyError);
    EXPECT_THROW(ApplyStoredProperties(h, {{"KeyAttri.Style", std::int64_t{16}}}), EHighlighterPropertyError);
    EXPECT_THROW(ApplyStoredProperties(h, {{"DefaultFilter", std::int64_t{1}}}), EHighlighterPropertyError);
    EXPECT_EQ(h.CommentAttri().Background(), clNone);
}

}  // namespace
