#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "skin/skin_archive.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_folder.hpp"

namespace {

using namespace tips::skin;
namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

class SkinFolderTest : public testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() /
                ("skin_folder_test_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root_);
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path root_;
};

TEST_F(SkinFolderTest, UnpackThenReadBackGivesTheSameEntries) {
    const std::vector<SkinArchiveFile> files = {
        {"a.ini", ToBytes("[x]\r\n")}, {"b-empty.bmp", {}}, {"c.bmp", ToBytes(std::string(3000, '\x7F'))}};
    const SkinArchive archive(WriteSkinArchive(files));
    UnpackSkinArchive(archive, root_ / "new" / "dir");  // created on the way
    fs::create_directories(root_ / "new" / "dir" / "sub");  // sub-folders are not entries
    const auto readBack = ReadSkinFolder(root_ / "new" / "dir");
    ASSERT_EQ(readBack.size(), files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        EXPECT_EQ(readBack[i].name, files[i].name);
        EXPECT_EQ(readBack[i].bytes, files[i].bytes);
    }
}

TEST_F(SkinFolderTest, ReadsFilesInNameOrder) {
    for (const char* name : {"zeta.bmp", "Alpha.ini", "beta.bmp"}) WriteWholeFile(root_ / name, ToBytes(name));
    std::vector<std::string> names;
    for (const auto& file : ReadSkinFolder(root_)) names.push_back(file.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alpha.ini", "beta.bmp", "zeta.bmp"}));
}

TEST_F(SkinFolderTest, RefusesNamesThatWouldLeaveTheFolderOrCollide) {
    for (const char* bad : {"../evil.bmp", "sub/x.bmp", "sub\\x.bmp", "c:x.bmp", "..", "."}) {
        const std::vector<SkinArchiveFile> files = {{bad, ToBytes("x")}};
        const SkinArchive archive(WriteSkinArchive(files));
        EXPECT_THROW(UnpackSkinArchive(archive, root_ / "out"), ESkinFormatError) << bad;
        EXPECT_FALSE(fs::exists(root_ / "evil.bmp"));
    }
    const std::vector<SkinArchiveFile> twice = {{"a.bmp", ToBytes("1")}, {"A.BMP", ToBytes("2")}};
    EXPECT_THROW(UnpackSkinArchive(SkinArchive(WriteSkinArchive(twice)), root_ / "out"), ESkinFormatError);
    const std::vector<SkinArchiveFile> unnamed = {{"", ToBytes("x")}};
    EXPECT_THROW(UnpackSkinArchive(SkinArchive(WriteSkinArchive(unnamed)), root_ / "out"), ESkinFormatError);
}

}  // namespace
