#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/damaged_file_backup.hpp"

namespace {

namespace fs = std::filesystem;
using tips::app::KeepBackupOf;

class DamagedFileBackup : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tips-backup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        file_ = (dir_ / "trucos.dat").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path dir_;
    std::string file_;
};

TEST_F(DamagedFileBackup, CopiesTheBytesBesideTheFile) {
    const std::string damaged("Ver\xCD\xCC\x00\x01 cut here", 14);
    Write(file_, damaged);
    EXPECT_EQ(KeepBackupOf(file_), file_ + ".bak");
    EXPECT_EQ(Read(file_ + ".bak"), damaged);
    EXPECT_EQ(Read(file_), damaged);
}

TEST_F(DamagedFileBackup, MissingFileNeedsNoBackup) {
    EXPECT_EQ(KeepBackupOf(file_), std::nullopt);
    EXPECT_FALSE(fs::exists(file_ + ".bak"));
}

TEST_F(DamagedFileBackup, IdenticalBackupIsReused) {
    Write(file_, "same");
    Write(file_ + ".bak", "same");
    EXPECT_EQ(KeepBackupOf(file_), file_ + ".bak");
    EXPECT_FALSE(fs::exists(file_ + ".bak.1"));
}

TEST_F(DamagedFileBackup, OlderDifferentBackupsAreNeverOverwritten) {
    Write(file_ + ".bak", "first damage");
    Write(file_ + ".bak.1", "second damage");
    Write(file_, "third damage");
    EXPECT_EQ(KeepBackupOf(file_), file_ + ".bak.2");
    EXPECT_EQ(Read(file_ + ".bak"), "first damage");
    EXPECT_EQ(Read(file_ + ".bak.1"), "second damage");
    EXPECT_EQ(Read(file_ + ".bak.2"), "third damage");
}

}  // namespace
