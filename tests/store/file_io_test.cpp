// Loading and saving tips files on disk: the errors and the safe replacement.

#include "store/file_io.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "store/database_error.hpp"
#include "store_test_support.hpp"

namespace tips::store {
namespace {

namespace fs = std::filesystem;
using testing::TByteCollator;
using testing::TTip;
using testing::TTipsTable;

class TipsFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        directory = fs::temp_directory_path() / ("store_file_io_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                                                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(directory);
        fs::create_directories(directory);
        path = (directory / "trucos.dat").string();
        tips.table.Open();
        tips.Add({"API", "Beep", "Beep\r\n"});
    }
    void TearDown() override {
        std::error_code error;
        fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add, error);
        fs::remove_all(directory, error);
    }
    static void Write(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(directory)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path directory;
    std::string path;
    TByteCollator collator;
    TTipsTable tips{collator};
};

// A table of several megabytes is written in pieces as it is made: the file holds exactly the image,
// and a stream gets the same bytes.
TEST_F(TipsFileOnDisk, ALargeTableIsWrittenInPiecesToExactlyItsImage) {
    for (int i = 0; i < 6000; ++i) {
        tips.Add({"Cat" + std::to_string(i % 7), "Tip " + std::to_string(i), std::string(900 + i % 300, 'a' + i % 26)});
    }
    const std::string image = tips.table.SaveToBytes();
    ASSERT_GT(image.size(), 5u << 20);
    tips.table.SaveToFile(path);
    EXPECT_TRUE(ReadWholeFile(path) == image);
    std::ostringstream stream;
    tips.table.SaveToStream(stream);
    EXPECT_TRUE(stream.str() == image);
}

// Content handed over in pieces that fails midway: the old file stays, no temporary file is left, and
// the failure reaches the caller.
TEST_F(TipsFileOnDisk, APieceWriterThatFailsLeavesTheOldFile) {
    Write(path, "old bytes");
    EXPECT_THROW(ReplaceFileContents(path,
                                     [](const TByteSink& sink) {
                                         sink("new ");
                                         throw EWriteError("gave up");
                                     }),
                 EWriteError);
    EXPECT_EQ(ReadWholeFile(path), "old bytes");
    EXPECT_EQ(Entries(), std::vector<std::string>{"trucos.dat"});
}

TEST_F(TipsFileOnDisk, SaveWritesTheImageAndLeavesNoTemporaryFile) {
    Write(path, std::string(1000, 'x'));   // a longer old file is replaced whole
    tips.table.SaveToFile(path);
    EXPECT_EQ(ReadWholeFile(path), tips.table.SaveToBytes());
    EXPECT_EQ(Entries(), std::vector<std::string>{"trucos.dat"});
    TTipsTable loaded(collator);
    EXPECT_TRUE(loaded.table.LoadFromFile(path).complete);
    EXPECT_EQ(loaded.Tips(), tips.Tips());
}

TEST_F(TipsFileOnDisk, SavingAClosedTableDoesNothing) {
    tips.table.Close();
    tips.table.SaveToFile(path);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(TipsFileOnDisk, MissingFileFailsToOpenAndLeavesTheTableUntouched) {
    try {
        tips.table.LoadFromFile(path);
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file " + path);
    }
    EXPECT_EQ(tips.Tips(), std::vector<TTip>{TTip({"API", "Beep", "Beep\r\n"})});
}

TEST_F(TipsFileOnDisk, ZeroByteFileLoadsAsAnEmptyTable) {
    Write(path, "");
    EXPECT_TRUE(tips.table.LoadFromFile(path).complete);
    EXPECT_TRUE(tips.table.IsEmpty());
    EXPECT_TRUE(tips.table.Active());
}

TEST_F(TipsFileOnDisk, ReadOnlyFileRefusesTheSaveAndKeepsItsBytes) {
    Write(path, "old bytes");
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        tips.table.SaveToFile(path);
        FAIL();
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + path);
    }
    EXPECT_EQ(ReadWholeFile(path), "old bytes");
    EXPECT_EQ(Entries(), std::vector<std::string>{"trucos.dat"});
}

TEST_F(TipsFileOnDisk, TargetThatCannotBeReplacedKeepsItsContentAndNoTemporaryStays) {
    fs::create_directories(path);   // a directory where the file should be
    Write((fs::path(path) / "inside").string(), "kept");
    try {
        tips.table.SaveToFile(path);
        FAIL();
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + path);
    }
    EXPECT_EQ(ReadWholeFile((fs::path(path) / "inside").string()), "kept");
    EXPECT_EQ(Entries(), std::vector<std::string>{"trucos.dat"});
}

TEST_F(TipsFileOnDisk, MissingDirectoryCannotBeCreated) {
    const auto nowhere = (directory / "missing" / "trucos.dat").string();
    try {
        tips.table.SaveToFile(nowhere);
        FAIL();
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file " + nowhere);
    }
}

TEST_F(TipsFileOnDisk, MissingFileThenOpenSavesTheSixtySevenByteFile) {
    // As at a first start: the load fails, the table opens empty, the save writes the bare header.
    TTipsTable empty(collator);
    EXPECT_THROW(empty.table.LoadFromFile(path), EFOpenError);
    empty.table.Open();
    empty.table.SetSortedField("Descripcion");
    empty.table.SaveToFile(path);
    EXPECT_EQ(fs::file_size(path), 67u);
}

}  // namespace
}  // namespace tips::store
