// Each Visual Basic file in tests/data/highlight is compared with the token listing beside it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "editor/line_buffer.hpp"
#include "highlight/token_listing.hpp"
#include "highlight/vb_highlighter.hpp"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> GoldenSources() {
    std::vector<fs::path> sources;
    for (const auto& entry : fs::directory_iterator(fs::path(TIPS_TEST_DATA) / "highlight")) {
        if (entry.path().extension() == ".bas") sources.push_back(entry.path());
    }
    std::sort(sources.begin(), sources.end());
    return sources;
}

class VBGolden : public ::testing::TestWithParam<fs::path> {};

TEST_P(VBGolden, ListingMatchesTheExpectedTokens) {
    const fs::path source = GetParam();
    fs::path expectedPath = source;
    expectedPath.replace_extension(".tokens");
    ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath;

    std::ifstream in(source, std::ios::binary);
    tips::editor::TCodeEditStringList lines;
    lines.LoadFromStream(in);
    tips::highlight::TVBHighlighter highlighter;
    std::string listing;
    for (int i = 0; i < lines.Count(); ++i) tips::highlight::AppendTokenListing(highlighter, lines.Get(i), i + 1, listing);

    // Compare line by line so a failure names the first differing token.
    std::istringstream got(listing);
    std::istringstream expected(ReadFile(expectedPath));
    std::string gotLine;
    std::string expectedLine;
    int number = 0;
    while (std::getline(expected, expectedLine)) {
        ++number;
        ASSERT_TRUE(std::getline(got, gotLine)) << "listing ends early before expected line " << number;
        ASSERT_EQ(gotLine, expectedLine) << "at listing line " << number;
    }
    EXPECT_FALSE(std::getline(got, gotLine)) << "listing has more lines than expected: " << gotLine;
}

INSTANTIATE_TEST_SUITE_P(Files, VBGolden, ::testing::ValuesIn(GoldenSources()), [](const auto& param) {
    return param.param.stem().string();
});

TEST(VBGoldenFiles, ThereAreSome) { EXPECT_GE(GoldenSources().size(), 2u); }

}  // namespace
