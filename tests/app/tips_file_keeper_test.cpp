#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/app_texts.hpp"
#include "app/tips_file_keeper.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace {

namespace fs = std::filesystem;
using tips::app::TTipsFileKeeper;
using tips::store::TMemoryTable;

class TipsFileKeeper : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tips-keeper-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        path_ = (dir_ / "trucos.dat").string();
    }
    void TearDown() override { fs::remove_all(dir_); }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    // A tips file image with the given titles, in this order.
    static std::string FileWith(std::initializer_list<const char*> titles) {
        TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        const auto fields = tips::store::CreateTipsFields(table);
        table.Open();
        for (const char* title : titles) {
            table.Append();
            fields.Categoria->SetAsString("General");
            fields.Descripcion->SetAsString(title);
            fields.Truco->SetAsString("Dim x As Integer\r\nx = 1");
            table.Post();
        }
        return table.SaveToBytes();
    }

    // Start and exit as the main window does them.
    void StartAndExit(TTipsFileKeeper& keeper) {
        TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        tips::store::CreateTipsFields(table);
        keeper.Load(table, path_);
        table.Open();
        table.SetSortedField("Descripcion");
        keeper.Save(table, path_);
    }

    fs::path dir_;
    std::string path_;
};

TEST_F(TipsFileKeeper, MissingFileBecomesTheEmptyFile) {
    TTipsFileKeeper keeper;
    StartAndExit(keeper);
    EXPECT_EQ(Read(path_).size(), 67u);
    EXPECT_FALSE(keeper.DamagedFile());
    EXPECT_FALSE(fs::exists(path_ + ".bak"));
}

TEST_F(TipsFileKeeper, SortedFileSurvivesStartAndExitByteIdentical) {
    const std::string original = FileWith({"Abrir un fichero", "Bucles For", "Colecciones"});
    Write(path_, original);
    TTipsFileKeeper keeper;
    StartAndExit(keeper);
    EXPECT_EQ(Read(path_), original);
    EXPECT_FALSE(fs::exists(path_ + ".bak"));
}

TEST_F(TipsFileKeeper, ZeroByteFileLoadsEmptyWithoutBackup) {
    Write(path_, "");
    TTipsFileKeeper keeper;
    StartAndExit(keeper);
    EXPECT_FALSE(keeper.DamagedFile());
    EXPECT_EQ(Read(path_).size(), 67u);
    EXPECT_FALSE(fs::exists(path_ + ".bak"));
}

TEST_F(TipsFileKeeper, TruncatedFileIsKeptBeforeItIsOverwritten) {
    const std::string whole = FileWith({"Abrir un fichero", "Bucles For"});
    const std::string cut = whole.substr(0, whole.size() - 5);  // the second record loses its end
    Write(path_, cut);
    TTipsFileKeeper keeper;
    StartAndExit(keeper);
    ASSERT_TRUE(keeper.DamagedFile());
    ASSERT_TRUE(keeper.Backup());
    EXPECT_EQ(Read(*keeper.Backup()), cut);
    // The file itself now holds the one complete record, as the program always saved it.
    EXPECT_EQ(Read(path_), FileWith({"Abrir un fichero"}));
}

TEST_F(TipsFileKeeper, ADamagedFileIsKeptWhenReadAndTheNoticeNamesFileAndCopy) {
    struct TCase {
        const char* what;
        std::string bytes;
        bool notice;
    } const cases[] = {
        {"missing", "", false},
        {"zero bytes", "", false},
        {"whole", FileWith({"Abrir un fichero"}), false},
        {"cut short", FileWith({"Abrir un fichero", "Bucles For"}).substr(0, 80), true},
        {"garbage", "not a tips file at all", true},
    };
    for (const TCase& c : cases) {
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        if (std::string(c.what) != "missing") Write(path_, c.bytes);
        TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        tips::store::CreateTipsFields(table);
        TTipsFileKeeper keeper;
        keeper.Load(table, path_);
        const std::optional<std::string> notice = keeper.DamagedFileNotice();
        ASSERT_EQ(notice.has_value(), c.notice) << c.what;
        if (!c.notice) {
            EXPECT_FALSE(fs::exists(path_ + ".bak")) << c.what;
            continue;
        }
        // The copy exists as soon as the file was read, before any save, and holds the original bytes.
        ASSERT_TRUE(keeper.Backup()) << c.what;
        EXPECT_EQ(Read(*keeper.Backup()), c.bytes) << c.what;
        EXPECT_EQ(notice->rfind(tips::app::kSomeTipsUnreadPrefix + path_, 0), 0u) << *notice;
        EXPECT_NE(notice->find(tips::app::kOriginalKeptPrefix + *keeper.Backup()), std::string::npos) << *notice;
    }
}

TEST_F(TipsFileKeeper, AFailedSaveSaysTheTipsWereNotSavedAndNamesTheFile) {
    // The place the file should go is a folder, or lies in a folder that does not exist.
    const std::string folder = (dir_ / "trucos.dat.d").string();
    fs::create_directories(folder);
    const std::string missing = (dir_ / "no-such-folder" / "trucos.dat").string();
    for (const std::string& path : {folder, missing}) {
        TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
        tips::store::CreateTipsFields(table);
        table.Open();
        TTipsFileKeeper keeper;
        try {
            keeper.Save(table, path);
            ADD_FAILURE() << "saved to " << path;
        } catch (const tips::app::ETipsNotSaved& error) {
            const std::string text = error.what();
            EXPECT_EQ(text.rfind(tips::app::kTipsNotSavedPrefix, 0), 0u) << text;
            EXPECT_NE(text.find(path), std::string::npos) << text;
            EXPECT_GT(text.size(), tips::app::kTipsNotSavedPrefix.size() + path.size() + 4) << "no reason: " << text;
            EXPECT_EQ(text.substr(text.size() - 2), ").") << text;
            EXPECT_EQ(text.find(".)"), std::string::npos) << text;
        }
    }
    EXPECT_TRUE(fs::is_directory(folder));
}

TEST_F(TipsFileKeeper, GarbageFileIsKeptToo) {
    Write(path_, "not a tips file at all");
    TTipsFileKeeper keeper;
    StartAndExit(keeper);
    ASSERT_TRUE(keeper.Backup());
    EXPECT_EQ(Read(*keeper.Backup()), "not a tips file at all");
    EXPECT_EQ(Read(path_).size(), 67u);
}

}  // namespace
