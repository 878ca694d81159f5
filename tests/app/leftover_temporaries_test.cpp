#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/leftover_temporaries.hpp"

namespace {

namespace fs = std::filesystem;
using tips::app::IsLeftoverTemporaryName;
using tips::app::RemoveLeftoverTemporaries;

struct TNameCase {
    const char* name;
    bool ours;
};

class LeftoverName : public ::testing::TestWithParam<TNameCase> {};

TEST_P(LeftoverName, OnlyTheSavesOwnNamingCounts) {
    EXPECT_EQ(IsLeftoverTemporaryName(GetParam().name, "trucos.dat"), GetParam().ours) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Names, LeftoverName,
                         ::testing::Values(TNameCase{"trucos.dat.~0.tmp", true}, TNameCase{"trucos.dat.~17.tmp", true},
                                           TNameCase{"trucos.dat.~.tmp", false}, TNameCase{"trucos.dat.~x.tmp", false},
                                           TNameCase{"trucos.dat.~1a.tmp", false},
                                           TNameCase{"trucos.dat.~0.tmp.keep", false},
                                           TNameCase{"otros.dat.~0.tmp", false}, TNameCase{"trucos.dat", false},
                                           TNameCase{"xtrucos.dat.~0.tmp", false},
                                           TNameCase{"trucos.dat.bak", false}));

TEST(LeftoverTemporaries, AStartRemovesOnlyItsOwnLeftoversBesideItsOwnFile) {
    const fs::path dir = fs::temp_directory_path() / "tips-leftovers";
    fs::remove_all(dir);
    fs::create_directories(dir / "sub");
    const auto make = [&](const fs::path& path) { std::ofstream(path, std::ios::binary) << "partial"; };
    for (const char* name : {"trucos.dat", "trucos.dat.~0.tmp", "trucos.dat.~3.tmp", "otros.dat.~0.tmp",
                             "trucos.dat.~x.tmp", "trucos.dat.bak"}) {
        make(dir / name);
    }
    make(dir / "sub" / "trucos.dat.~0.tmp");           // beside another file of that name
    fs::create_directories(dir / "trucos.dat.~5.tmp");  // not a file: never ours to delete

    EXPECT_EQ(RemoveLeftoverTemporaries((dir / "trucos.dat").string()), 2);
    EXPECT_FALSE(fs::exists(dir / "trucos.dat.~0.tmp"));
    EXPECT_FALSE(fs::exists(dir / "trucos.dat.~3.tmp"));
    for (const char* kept : {"trucos.dat", "otros.dat.~0.tmp", "trucos.dat.~x.tmp", "trucos.dat.bak",
                             "sub/trucos.dat.~0.tmp", "trucos.dat.~5.tmp"}) {
        EXPECT_TRUE(fs::exists(dir / kept)) << kept;
    }
    fs::remove_all(dir);
}

TEST(LeftoverTemporaries, AMissingFolderIsNoError) {
    EXPECT_EQ(RemoveLeftoverTemporaries((fs::temp_directory_path() / "tips-no-such-folder" / "trucos.dat").string()), 0);
}

}  // namespace
