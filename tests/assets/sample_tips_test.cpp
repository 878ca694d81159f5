// The sample tips that tools/run and tools/screenshot put beside tips.exe: tipstool builds them into a
// tips file, its dump gives every record back unchanged, every tip fits the table's fields, and the code
// of each tip is Visual Basic the highlighter scans cleanly.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "highlight/vb_highlighter.hpp"
#include "json_text.hpp"
#include "platform/collator.hpp"
#include "store/memory_table.hpp"
#include "store/tips_fields.hpp"

namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using tips::highlight::TVBHighlighter;
using tips::highlight::TVBTokenKind;

constexpr std::size_t kMinimumTips = 30;
constexpr std::size_t kMinimumCodeLines = 5;
constexpr std::size_t kMaximumCodeLines = 40;

json ReadJson(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path.string());
    return json::parse(in);
}

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

// A field of a record in the bytes the program keeps (Windows-1252).
std::string Bytes(const json& record, const char* field) {
    const auto text = tipstool::utf8ToCp1252(record.at(field).get<std::string>());
    if (!text) throw std::runtime_error(std::string(field) + " is not Windows-1252 text");
    return *text;
}

// The lines of a tip's code; the text ends with a line break, which closes the last line.
std::vector<std::string> CodeLines(const std::string& code) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = code.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(code.substr(start, end - start));
    if (start < code.size()) lines.push_back(code.substr(start));
    return lines;
}

struct TScannedToken {
    TVBTokenKind kind;
    std::string text;
};

std::vector<TScannedToken> Scan(TVBHighlighter& highlighter, const std::string& line) {
    std::vector<TScannedToken> tokens;
    for (highlighter.BeginLine(line, 0); !highlighter.AtLineEnd(); highlighter.NextToken())
        tokens.push_back({highlighter.TokenKind(), highlighter.TokenText()});
    return tokens;
}

class SampleTips : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const fs::path dir = fs::path(::testing::TempDir()) / "sample_tips_test";
        fs::create_directories(dir);
        const fs::path dat = dir / "trucos.dat";
        const fs::path dump = dir / "dump.json";
        fs::remove(dat);
        source_ = ReadJson(SAMPLE_TIPS);
        buildStatus_ = std::system((Quoted(TIPSTOOL) + " dat build " + Quoted(SAMPLE_TIPS) + " " + Quoted(dat)).c_str());
        dumpStatus_ = std::system((Quoted(TIPSTOOL) + " dat dump " + Quoted(dat) + " > " + Quoted(dump)).c_str());
        dump_ = ReadJson(dump);
    }

    static const json& Records() { return source_.at("records"); }

    static inline json source_;
    static inline json dump_;
    static inline int buildStatus_ = -1;
    static inline int dumpStatus_ = -1;
};

TEST_F(SampleTips, BuildsIntoATipsFileThatDumpsEveryRecordUnchanged) {
    ASSERT_EQ(buildStatus_, 0);
    ASSERT_EQ(dumpStatus_, 0);
    EXPECT_TRUE(dump_.at("complete").get<bool>());
    EXPECT_TRUE(dump_.at("error").is_null());

    const json& dumped = dump_.at("records");
    ASSERT_GE(Records().size(), kMinimumTips);
    ASSERT_EQ(dumped.size(), Records().size());
    for (std::size_t i = 0; i < Records().size(); ++i) {
        for (const char* field : {"Categoria", "Descripcion", "Truco"})
            EXPECT_EQ(dumped[i].at(field), Records()[i].at(field)) << field << " of record " << i;
    }
}

// The sizes are those of the program's own tips table.
TEST_F(SampleTips, CategoriesAndTitlesFitTheirFieldsAndCodeIsShort) {
    tips::store::TMemoryTable table("tbTrucos", tips::platform::UserDefaultCollator());
    const auto fields = tips::store::CreateTipsFields(table);
    const auto categorySize = static_cast<std::size_t>(fields.Categoria->Size());
    const auto titleSize = static_cast<std::size_t>(fields.Descripcion->Size());
    ASSERT_EQ(categorySize, 20u);
    ASSERT_EQ(titleSize, 40u);

    for (const auto& record : Records()) {
        const std::string category = Bytes(record, "Categoria");
        const std::string title = Bytes(record, "Descripcion");
        EXPECT_FALSE(category.empty());
        EXPECT_LE(category.size(), categorySize) << category;
        EXPECT_FALSE(title.empty());
        EXPECT_LE(title.size(), titleSize) << title;
        const auto lines = CodeLines(Bytes(record, "Truco"));
        EXPECT_GE(lines.size(), kMinimumCodeLines) << title;
        EXPECT_LE(lines.size(), kMaximumCodeLines) << title;
    }
}

TEST_F(SampleTips, TitlesAreUniqueAndStartWithBothLetterCases) {
    std::set<std::string> titles;
    int lowerInitials = 0, upperInitials = 0;
    for (const auto& record : Records()) {
        const std::string title = Bytes(record, "Descripcion");
        EXPECT_TRUE(titles.insert(title).second) << "twice: " << title;
        const auto initial = static_cast<unsigned char>(title.front());
        if (std::islower(initial)) ++lowerInitials;
        if (std::isupper(initial)) ++upperInitials;
    }
    EXPECT_GE(lowerInitials, 3);
    EXPECT_GE(upperInitials, 3);
}

TEST_F(SampleTips, CodeUsesWindowsLineBreaksAndEndsWithOne) {
    for (const auto& record : Records()) {
        const std::string code = Bytes(record, "Truco");
        ASSERT_GE(code.size(), 2u);
        EXPECT_EQ(code.substr(code.size() - 2), "\r\n") << record.at("Descripcion");
        for (std::size_t i = 0; i < code.size(); ++i) {
            if (code[i] == '\n') {
                EXPECT_TRUE(i > 0 && code[i - 1] == '\r') << record.at("Descripcion");
            }
            if (code[i] == '\r') {
                EXPECT_TRUE(i + 1 < code.size() && code[i + 1] == '\n') << record.at("Descripcion");
            }
        }
        EXPECT_EQ(code.find('\t'), std::string::npos) << record.at("Descripcion");
    }
}

// No character the scanner cannot place other than the few Visual Basic ones it leaves plain (type
// suffix, integer division, bang member access), every string literal closed on its line, and no line
// continuation left hanging at the end of a tip.
TEST_F(SampleTips, CodeScansAsVisualBasic) {
    TVBHighlighter highlighter;
    for (const auto& record : Records()) {
        const auto lines = CodeLines(Bytes(record, "Truco"));
        for (std::size_t n = 0; n < lines.size(); ++n) {
            int quotes = 0;
            for (const auto& token : Scan(highlighter, lines[n])) {
                if (token.kind == TVBTokenKind::Stray) {
                    EXPECT_TRUE(token.text == "$" || token.text == "\\" || token.text == "!")
                        << record.at("Descripcion") << ": " << lines[n];
                }
                if (token.kind == TVBTokenKind::Comment) continue;
                for (const char c : token.text) quotes += c == '"';
            }
            EXPECT_EQ(quotes % 2, 0) << record.at("Descripcion") << ": " << lines[n];
        }
        ASSERT_FALSE(lines.empty());
        EXPECT_FALSE(lines.back().ends_with(" _")) << record.at("Descripcion");
    }
}

// The sample shows off what the editor colours: both kinds of comment, strings, date literals,
// hexadecimal numbers, calls into the Windows API and continued lines.
TEST_F(SampleTips, CodeCoversWhatTheHighlighterColours) {
    TVBHighlighter highlighter;
    int remComments = 0, quoteComments = 0, strings = 0, dates = 0, hexNumbers = 0, declares = 0, continuations = 0;
    for (const auto& record : Records()) {
        for (const auto& line : CodeLines(Bytes(record, "Truco"))) {
            if (line.ends_with(" _")) ++continuations;
            const auto tokens = Scan(highlighter, line);
            for (std::size_t i = 0; i < tokens.size(); ++i) {
                const auto& token = tokens[i];
                if (token.kind == TVBTokenKind::Comment && token.text.starts_with("Rem ")) ++remComments;
                if (token.kind == TVBTokenKind::Comment && token.text.starts_with("'")) ++quoteComments;
                if (token.kind == TVBTokenKind::String && token.text.starts_with("\"")) ++strings;
                if (token.kind == TVBTokenKind::String && token.text.size() > 2 && token.text.starts_with("#") &&
                    std::isdigit(static_cast<unsigned char>(token.text[1])))
                    ++dates;
                if (token.kind == TVBTokenKind::Symbol && token.text == "&" && i + 1 < tokens.size() &&
                    tokens[i + 1].kind == TVBTokenKind::Identifier && tokens[i + 1].text.starts_with("H"))
                    ++hexNumbers;
                if (token.text == "Declare") ++declares;
            }
        }
    }
    EXPECT_GE(remComments, 3);
    EXPECT_GE(quoteComments, 30);
    EXPECT_GE(strings, 30);
    EXPECT_GE(dates, 5);
    EXPECT_GE(hexNumbers, 5);
    EXPECT_GE(declares, 5);
    EXPECT_GE(continuations, 10);
}

}  // namespace
