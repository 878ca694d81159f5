#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "base/byte_order.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_stream.hpp"
#include "skin/skin_texts.hpp"

namespace {

using namespace tips::skin;
using tips::base::AppendLittle;
using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A hand-made archive: header with the given version and name list, then the sizes and the data.
Bytes MakeArchive(std::uint32_t version, std::string_view names, const std::vector<std::uint32_t>& sizes,
                  std::string_view data) {
    Bytes out;
    AppendLittle<std::uint32_t>(out, version);
    AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(names.size()));
    AppendLittle<std::uint32_t>(out, 0xDEADBEEF);  // reserved words are not interpreted
    AppendLittle<std::uint32_t>(out, 0xCAFEF00D);
    out.insert(out.end(), names.begin(), names.end());
    for (auto size : sizes) AppendLittle<std::uint32_t>(out, size);
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

TEST(SkinArchive, ReadsNamesSizesAndData) {
    const SkinArchive archive(MakeArchive(20000, "Frame-Top.BMP\r\nskin.ini\r\n", {3, 5}, "abcINI!!"));
    ASSERT_EQ(archive.Entries().size(), 2u);
    EXPECT_EQ(archive.Entries()[0].name, "frame-top.bmp");  // lowered when opened
    EXPECT_EQ(archive.Entries()[1].name, "skin.ini");
    EXPECT_EQ(archive.NameListLength(), 25u);
    EXPECT_EQ(archive.Text(archive.Entries()[0]), "abc");
    EXPECT_EQ(archive.Text(archive.Entries()[1]), "INI!!");
    EXPECT_EQ(archive.TrailingBytes(), 0u);
    EXPECT_EQ(archive.DataOffset(), 16u + 25u + 8u);
}

TEST(SkinArchive, LooksUpByExactNameAndBySubstringIgnoringCase) {
    const SkinArchive archive(
        MakeArchive(20000, "titlebar-min.bmp\r\nmenu.ini.bak\r\nskin.ini\r\nmin.bmp", {1, 1, 1, 1}, "1234"));
    ASSERT_NE(archive.Find("MIN.BMP"), nullptr);
    EXPECT_EQ(archive.Text(*archive.Find("MIN.BMP")), "4");  // exact, not the first containing it
    EXPECT_EQ(archive.Find("min"), nullptr);
    EXPECT_EQ(archive.Find("frame-top.bmp"), nullptr);
    ASSERT_NE(archive.FindContaining("MIN.B"), nullptr);
    EXPECT_EQ(archive.FindContaining("MIN.B")->name, "titlebar-min.bmp");  // the first that contains it
    // The INI entry is the first whose name contains ".ini", whatever follows.
    ASSERT_NE(archive.FindIni(), nullptr);
    EXPECT_EQ(archive.FindIni()->name, "menu.ini.bak");
    EXPECT_EQ(archive.FindContaining(".gif"), nullptr);
}

struct NameListCase {
    const char* names;
    std::vector<std::string> expected;
};

class SkinArchiveNameListTest : public testing::TestWithParam<NameListCase> {};

TEST_P(SkinArchiveNameListTest, OneEntryPerLine) {
    const auto& c = GetParam();
    const std::vector<std::uint32_t> sizes(c.expected.size(), 0);
    const SkinArchive archive(MakeArchive(20000, c.names, sizes, ""));
    std::vector<std::string> names;
    for (const auto& entry : archive.Entries()) names.push_back(entry.name);
    EXPECT_EQ(names, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, SkinArchiveNameListTest,
    testing::Values(NameListCase{"", {}}, NameListCase{"a", {"a"}}, NameListCase{"a\r\n", {"a"}},
                    NameListCase{"a\r\nb", {"a", "b"}}, NameListCase{"a\r\n\r\n", {"a", ""}},
                    NameListCase{"\r\n", {""}}, NameListCase{"a\nb\rc", {"a", "b", "c"}},
                    NameListCase{"A\xC9.BMP", {"a\xE9.bmp"}}));

TEST(SkinArchive, WrongVersionCarriesTheOlderSkinMessage) {
    try {
        SkinArchive archive(MakeArchive(10000, "", {}, ""));
        FAIL() << "opened an archive of version 10000";
    } catch (const ESkinVersionError& error) {
        EXPECT_STREQ(error.what(), "This is Older Skin File\rPlease update to new version !");
    }
    EXPECT_EQ(PeekSkinArchiveVersion(MakeArchive(10000, "", {}, "")), 10000u);
    EXPECT_EQ(PeekSkinArchiveVersion(Bytes{1, 2}), std::nullopt);
}

TEST(SkinArchive, RejectsCountsAndSizesBeyondTheData) {
    const Bytes good = MakeArchive(20000, "a\r\nb\r\n", {2, 2}, "xxyy");
    std::vector<Bytes> bad = {
        {},
        {0x20, 0x4E},                                              // version cut short
        Bytes(good.begin(), good.begin() + 12),                   // header cut short
        Bytes(good.begin(), good.begin() + 20),                   // name list cut short
        Bytes(good.begin(), good.begin() + 16 + 6 + 6),           // second size cut short
        Bytes(good.begin(), good.end() - 1),                      // data one byte short
        MakeArchive(20000, "a\r\nb", {0xFFFFFFFF, 2}, "xxyy"),   // a size past the end
        MakeArchive(20000, "a\r\nb", {0xFFFFFFFF, 0xFFFFFFFF}, "xxyy"),  // sizes whose sum overflows 32 bits
        MakeArchive(20000, "a\r\nb\r\nc\r\nd", {1}, "xxxx"),     // more names than sizes
    };
    Bytes hugeNameList = good;
    hugeNameList[4] = hugeNameList[5] = hugeNameList[6] = hugeNameList[7] = 0xFF;
    bad.push_back(hugeNameList);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_THROW(SkinArchive archive(bad[i]), ESkinFormatError) << "case " << i;
    }
}

TEST(SkinArchive, ToleratesBytesAfterTheLastEntry) {
    const SkinArchive archive(MakeArchive(20000, "a", {2}, "xxyyy"));
    EXPECT_EQ(archive.Text(archive.Entries()[0]), "xx");
    EXPECT_EQ(archive.TrailingBytes(), 3u);
}

TEST(WriteSkinArchive, RoundTripsAndEndsEveryNameWithALineBreak) {
    const std::vector<SkinArchiveFile> files = {
        {"frame-top.bmp", ToBytes("BMdata")}, {"empty.bmp", {}}, {"skin.ini", ToBytes("[Colours]\r\n")}};
    const Bytes bytes = WriteSkinArchive(files);
    const SkinArchive archive(bytes);
    EXPECT_EQ(archive.NameListLength(), std::string("frame-top.bmp\r\nempty.bmp\r\nskin.ini\r\n").size());
    ASSERT_EQ(archive.Entries().size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(archive.Entries()[i].name, files[i].name);
        const auto data = archive.Data(archive.Entries()[i]);
        EXPECT_EQ(Bytes(data.begin(), data.end()), files[i].bytes);
    }
    EXPECT_EQ(archive.TrailingBytes(), 0u);
    EXPECT_EQ(archive.Size(), bytes.size());
    EXPECT_EQ(SkinArchive(WriteSkinArchive({})).Entries().size(), 0u);
    const std::vector<SkinArchiveFile> badName = {{"a\r\nb", {}}};
    EXPECT_THROW(WriteSkinArchive(badName), std::invalid_argument);
}

TEST(SkinStream, LengthThenSkinFile) {
    const Bytes property = WriteSkinStream(ToBytes("skin"));
    EXPECT_EQ(property, (Bytes{4, 0, 0, 0, 's', 'k', 'i', 'n'}));
    Bytes followed = property;
    followed.push_back(0x99);  // whatever the form data holds next
    const SkinStreamView view = ReadSkinStream(followed);
    EXPECT_EQ(Bytes(view.skinFile.begin(), view.skinFile.end()), ToBytes("skin"));
    EXPECT_EQ(view.consumed, 8u);
    EXPECT_TRUE(ReadSkinStream(Bytes{0, 0, 0, 0}).skinFile.empty());
    EXPECT_THROW(ReadSkinStream(Bytes{5, 0, 0, 0, 's', 'k', 'i', 'n'}), ESkinFormatError);
    EXPECT_THROW(ReadSkinStream(Bytes{0xFF, 0xFF, 0xFF, 0xFF}), ESkinFormatError);
    EXPECT_THROW(ReadSkinStream(Bytes{0, 0}), ESkinFormatError);
}

}  // namespace
