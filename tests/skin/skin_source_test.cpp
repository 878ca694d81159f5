#include "skin/skin_source.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/byte_order.hpp"
#include "skin/bitmap.hpp"
#include "skin/lzhuf_encoder.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_stream.hpp"

namespace tips::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes TextBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// A small skin file: one bitmap and an INI text that names it.
Bytes MakeSkinFile(std::string_view ini, std::uint32_t version = kSkinArchiveVersion) {
    const std::vector<SkinArchiveFile> files = {{"frame-top.bmp", WriteBitmap(Image(12, 4, Rgb{1, 2, 3}))},
                                                {"test.ini", TextBytes(ini)}};
    Bytes archive = WriteSkinArchive(files);
    tips::base::StoreLittle(archive.data(), version);
    return EncodeSkinFile(archive);
}

constexpr std::string_view kIni = "[TitlebarSkin]\r\nSkinName=Small\r\n[Personality]\r\nTop=frame-top.bmp\r\n";

TEST(SkinSource, ReadsTheStoredPropertyAndLoadsAtOnce) {
    Bytes stored = WriteSkinStream(MakeSkinFile(kIni));
    const std::size_t propertySize = stored.size();
    stored.push_back(0x55);  // the next property of the window follows
    TSkinSource source;
    EXPECT_EQ(source.ReadSkinStream(stored), propertySize);
    ASSERT_TRUE(source.SkinLoaded()) << source.LastError();
    EXPECT_EQ(source.SkinData()->SkinName, "Small");
    EXPECT_EQ(source.SkinData()->Top.Bitmap.Width(), 12);
    EXPECT_EQ(source.SkinStore(), "(none)") << "run time";
    EXPECT_EQ(source.WriteSkinStream(), Bytes(stored.begin(), stored.end() - 1)) << "written back unchanged";
}

TEST(SkinSource, AtDesignTimeTheSkinIsKeptButNotLoaded) {
    TSkinSource source;
    source.Designing = true;
    EXPECT_EQ(source.SkinStore(), "(none)");
    source.ReadSkinStream(WriteSkinStream(MakeSkinFile(kIni)));
    EXPECT_FALSE(source.SkinLoaded());
    EXPECT_EQ(source.SkinStore(), "(Good)");
    source.SetSkinStore("anything");
    EXPECT_EQ(source.SkinStore(), "(Good)");
    EXPECT_TRUE(source.LoadSkin());
}

TEST(SkinSource, EmptyStreamLoadsNothing) {
    TSkinSource source;
    int messages = 0;
    source.OnShowMessage = [&](const std::string&) { ++messages; };
    EXPECT_EQ(source.ReadSkinStream(Bytes{0, 0, 0, 0}), 4u);
    EXPECT_FALSE(source.SkinLoaded());
    EXPECT_FALSE(source.LoadSkin());
    EXPECT_EQ(messages, 0);
    EXPECT_EQ(source.WriteSkinStream(), (Bytes{0, 0, 0, 0}));
}

TEST(SkinSource, ShortStoredPropertyIsAnError) {
    Bytes stored = WriteSkinStream(MakeSkinFile(kIni));
    stored.pop_back();
    TSkinSource source;
    EXPECT_THROW(source.ReadSkinStream(stored), ESkinFormatError);
    EXPECT_THROW(source.ReadSkinStream(Bytes{1, 0}), ESkinFormatError);
}

TEST(SkinSource, WrongVersionShowsTheOlderSkinMessageAndLoadsNothing) {
    TSkinSource source;
    std::vector<std::string> messages;
    source.OnShowMessage = [&](const std::string& text) { messages.push_back(text); };
    source.ReadSkinStream(WriteSkinStream(MakeSkinFile(kIni, 19999)));
    EXPECT_FALSE(source.SkinLoaded());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "This is Older Skin File\rPlease update to new version !");
}

TEST(SkinSource, DamagedSkinLoadsNothingAndSaysWhy) {
    struct Case {
        const char* what;
        Bytes skinFile;
    };
    Bytes noIni = EncodeSkinFile(WriteSkinArchive(std::vector<SkinArchiveFile>{{"a.bmp", TextBytes("x")}}));
    Bytes shortCode = MakeSkinFile(kIni);
    shortCode.resize(shortCode.size() / 2);
    const Case cases[] = {{"no INI entry", noIni}, {"code cut in half", shortCode}, {"size field only", Bytes{9, 0}}};
    for (const Case& c : cases) {
        TSkinSource source;
        int messages = 0;
        source.OnShowMessage = [&](const std::string&) { ++messages; };
        source.ReadSkinStream(WriteSkinStream(c.skinFile));
        EXPECT_FALSE(source.SkinLoaded()) << c.what;
        EXPECT_FALSE(source.LastError().empty()) << c.what;
        EXPECT_EQ(messages, 0) << c.what;
    }
}

class SkinFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::filesystem::temp_directory_path() /
                ("skin_source_test_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ".skn");
        const Bytes file = MakeSkinFile("[TitlebarSkin]\nSkinName=From disk\n");
        std::ofstream(path_, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                     static_cast<std::streamsize>(file.size()));
    }
    void TearDown() override { std::filesystem::remove(path_); }
    std::filesystem::path path_;
};

TEST_F(SkinFileTest, AnExistingFileReplacesTheSkinAndAsksForItToBeApplied) {
    TSkinSource source;
    source.ReadSkinStream(WriteSkinStream(MakeSkinFile(kIni)));
    int applied = 0;
    source.OnSkinFileLoaded = [&] { ++applied; };
    source.SetSkinFile(path_.string());
    ASSERT_TRUE(source.SkinLoaded());
    EXPECT_EQ(source.SkinData()->SkinName, "From disk");
    EXPECT_EQ(applied, 1);
    EXPECT_EQ(source.SkinFile(), path_.string());
    EXPECT_EQ(WriteSkinStream(source.SkinBuffer()), source.WriteSkinStream());
}

TEST_F(SkinFileTest, TheSkinInUseStaysAliveWhileTheNewOneIsApplied) {
    TSkinSource source;
    source.ReadSkinStream(WriteSkinStream(MakeSkinFile(kIni)));
    const TSkinData* inUse = source.SkinData();
    std::string seenWhileApplying;
    source.OnSkinFileLoaded = [&] { seenWhileApplying = inUse->SkinName; };
    source.SetSkinFile(path_.string());
    EXPECT_EQ(seenWhileApplying, "Small");
    EXPECT_EQ(source.SkinData()->SkinName, "From disk");
}

TEST_F(SkinFileTest, AFileThatHoldsNoSkinKeepsTheSkinInUse) {
    struct TCase {
        const char* what;
        Bytes file;
    } const cases[] = {
        {"empty", {}},
        {"not a skin file", Bytes{'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'}},
        {"cut short", [] {
             Bytes file = MakeSkinFile("[TitlebarSkin]\nSkinName=Cut\n");
             file.resize(file.size() / 2);
             return file;
         }()},
    };
    for (const TCase& c : cases) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(c.file.data()), static_cast<std::streamsize>(c.file.size()));
        TSkinSource source;
        source.ReadSkinStream(WriteSkinStream(MakeSkinFile(kIni)));
        const TSkinData* inUse = source.SkinData();
        const Bytes bufferInUse = source.SkinBuffer();
        int applied = 0;
        source.OnSkinFileLoaded = [&] { ++applied; };
        source.SetSkinFile(path_.string());
        EXPECT_EQ(source.SkinData(), inUse) << c.what;
        EXPECT_EQ(source.SkinBuffer(), bufferInUse) << c.what;
        EXPECT_EQ(applied, 0) << c.what;
    }
}

TEST_F(SkinFileTest, MissingFileOrDesignTimeKeepsTheSkin) {
    TSkinSource source;
    source.ReadSkinStream(WriteSkinStream(MakeSkinFile(kIni)));
    int applied = 0;
    source.OnSkinFileLoaded = [&] { ++applied; };
    source.SetSkinFile((path_.parent_path() / "no-such-skin.skn").string());
    EXPECT_EQ(source.SkinData()->SkinName, "Small");

    TSkinSource designer;
    designer.Designing = true;
    designer.OnSkinFileLoaded = [&] { ++applied; };
    designer.SetSkinFile(path_.string());
    EXPECT_FALSE(designer.SkinLoaded());
    EXPECT_TRUE(designer.SkinBuffer().empty());
    EXPECT_EQ(designer.SkinFile(), path_.string());
    EXPECT_EQ(applied, 0);
}

}  // namespace
}  // namespace tips::skin
