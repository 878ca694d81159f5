#include <gtest/gtest.h>

#include "app/tips_file_path.hpp"

namespace {

struct PathCase {
    const char* executable;
    const char* expected;
};

class TipsFilePathCases : public ::testing::TestWithParam<PathCase> {};

TEST_P(TipsFilePathCases, SitsBesideTheExecutable) {
    EXPECT_EQ(tips::app::TipsFilePath(GetParam().executable), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, TipsFilePathCases,
    ::testing::Values(PathCase{"C:\\Programas\\Tips\\tips.exe", "C:\\Programas\\Tips\\trucos.dat"},
                      // A drive root keeps its separator, so two follow each other.
                      PathCase{"C:\\tips.exe", "C:\\\\trucos.dat"},
                      PathCase{"\\\\servidor\\compartido\\tips.exe", "\\\\servidor\\compartido\\trucos.dat"},
                      PathCase{"\\tips.exe", "\\\\trucos.dat"}, PathCase{"D:tips.exe", "D:\\trucos.dat"},
                      PathCase{"tips.exe", "\\trucos.dat"}));

}  // namespace
