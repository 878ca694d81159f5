#include "highlight/vb_highlighter.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "highlight/highlighter_list.hpp"
#include "highlight/vb_keywords.hpp"

namespace {

using tips::highlight::StandardAttributeKind;
using tips::highlight::TCodeHighlighterAttributes;
using tips::highlight::TokenKindName;
using tips::highlight::TVBHighlighter;
using tips::highlight::TVBTokenKind;
using tips::platform::clNone;
using tips::platform::fsBold;
using tips::platform::fsItalic;
using tips::platform::TFontStyles;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// "Kind:text" per token of one line.
std::vector<std::string> Tokens(const std::string& line) {
    TVBHighlighter h;
    std::vector<std::string> out;
    for (h.BeginLine(line, 0); !h.AtLineEnd(); h.NextToken()) {
        out.push_back(std::string(TokenKindName(h.TokenKind())) + ":" + h.TokenText());
    }
    return out;
}

struct ScanCase {
    const char* name;
    std::string line;
    std::vector<std::string> tokens;
};

class VBScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(VBScan, CutsTheLineIntoTheExpectedTokens) {
    EXPECT_THAT(Tokens(GetParam().line), ElementsAreArray(GetParam().tokens)) << GetParam().line;
}

INSTANTIATE_TEST_SUITE_P(
    Words, VBScan,
    ::testing::Values(
        ScanCase{"Declaration", "Dim x As Integer",
                 {"Key:Dim", "Space: ", "Identifier:x", "Space: ", "Key:As", "Space: ", "Key:Integer"}},
        ScanCase{"UpperCaseKeyword", "DIM PROPERTY", {"Key:DIM", "Space: ", "Key:PROPERTY"}},
        ScanCase{"MixedCaseKeyword", "eLSeIf", {"Key:eLSeIf"}},
        ScanCase{"SameLettersOtherOrder", "sba", {"Identifier:sba"}},
        ScanCase{"KeywordPrefixIsIdentifier", "Dimension", {"Identifier:Dimension"}},
        ScanCase{"DigitsBelongToTheWord", "Print2 x1", {"Identifier:Print2", "Space: ", "Identifier:x1"}},
        ScanCase{"UnderscoreWord", "_do", {"Identifier:_do"}},
        ScanCase{"DollarAfterFunction", "Left$(s)",
                 {"Key:Left", "Stray:$", "Symbol:(", "Identifier:s", "Symbol:)"}},
        ScanCase{"AccentedLetterIsStray", "a\xF1o", {"Identifier:a", "Stray:\xF1", "Identifier:o"}},
        ScanCase{"LineContinuation", "x = 1 _", {"Identifier:x", "Space: ", "Symbol:=", "Space: ", "Number:1",
                                                  "Space: ", "Identifier:_"}},
        ScanCase{"LongWordIsNeverAKeyword", "zzzzzz", {"Identifier:zzzzzz"}}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Comments, VBScan,
    ::testing::Values(ScanCase{"RemWithText", "Rem hello 'x\"", {"Comment:Rem hello 'x\""}},
                      ScanCase{"RemAlone", "REM", {"Comment:REM"}},
                      ScanCase{"RemAfterColon", "x = 1: rem note",
                               {"Identifier:x", "Space: ", "Symbol:=", "Space: ", "Number:1", "Symbol::", "Space: ",
                                "Comment:rem note"}},
                      ScanCase{"RemTouchingText", "Rem'x", {"Comment:Rem'x"}},
                      ScanCase{"Remark", "Remark", {"Identifier:Remark"}},
                      ScanCase{"MyRem", "myRem", {"Identifier:myRem"}},
                      ScanCase{"MemberRem", "x.Rem y", {"Identifier:x", "Symbol:.", "Comment:Rem y"}},
                      ScanCase{"Apostrophe", "x ' note", {"Identifier:x", "Space: ", "Comment:' note"}},
                      ScanCase{"ApostropheAlone", "'", {"Comment:'"}},
                      ScanCase{"ApostropheWithTab", "'a\tb", {"Comment:'a\tb"}}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    StringsAndDates, VBScan,
    ::testing::Values(ScanCase{"Plain", "\"abc\" x", {"String:\"abc\"", "Space: ", "Identifier:x"}},
                      ScanCase{"Empty", "\"\"", {"String:\"\""}},
                      ScanCase{"DoubledQuoteInside", "\"a\"\"b\"", {"String:\"a\"", "String:\"b\""}},
                      ScanCase{"ThreeQuotesAtStart", "\"\"\"abc\" x", {"String:\"\"\"abc\"", "Space: ", "Identifier:x"}},
                      ScanCase{"FourQuotes", "\"\"\"\"", {"String:\"\"\"\""}},
                      ScanCase{"Unterminated", "x = \"abc",
                               {"Identifier:x", "Space: ", "Symbol:=", "Space: ", "String:\"abc"}},
                      ScanCase{"LoneQuote", "\"", {"String:\""}},
                      ScanCase{"ApostropheInString", "\"it's\"", {"String:\"it's\""}},
                      ScanCase{"Date", "d = #1/2/2003#", {"Identifier:d", "Space: ", "Symbol:=", "Space: ",
                                                          "String:#1/2/2003#"}},
                      ScanCase{"DateUnterminated", "#1/2 x", {"String:#1/2 x"}},
                      ScanCase{"DateLone", "#", {"String:#"}},
                      ScanCase{"DateHasNoDoubledStart", "###x", {"String:##", "String:#x"}},
                      ScanCase{"FileNumber", "Print #1, x", {"Key:Print", "Space: ", "String:#1, x"}}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NumbersAndSymbols, VBScan,
    ::testing::Values(ScanCase{"Exponent", "1.5E10", {"Number:1.5E10"}},
                      ScanCase{"NegativeExponent", "1E-5", {"Number:1E", "Symbol:-", "Number:5"}},
                      ScanCase{"Ordinal", "2nd", {"Number:2", "Identifier:nd"}},
                      ScanCase{"Dots", "3.14.15e", {"Number:3.14.15e"}},
                      ScanCase{"HexIsNotANumber", "&H4C", {"Symbol:&", "Identifier:H4C"}},
                      ScanCase{"OctalIsNotANumber", "&O17", {"Symbol:&", "Identifier:O17"}},
                      ScanCase{"LeadingPointIsASymbol", ".5", {"Symbol:.", "Number:5"}},
                      ScanCase{"TypeSuffix", "10#", {"Number:10", "String:#"}},
                      ScanCase{"NotEqual", "a<>b", {"Identifier:a", "Symbol:<>", "Identifier:b"}},
                      ScanCase{"LessEqual", "<=", {"Symbol:<="}},
                      ScanCase{"GreaterEqual", ">=", {"Symbol:>="}},
                      ScanCase{"EqualGreater", "=>", {"Symbol:=", "Symbol:>"}},
                      ScanCase{"EqualEqual", "==", {"Symbol:=", "Symbol:="}},
                      ScanCase{"GreaterLess", "><", {"Symbol:>", "Symbol:<"}},
                      ScanCase{"SingleSymbols", "&()*+,-./:;=^{}",
                               {"Symbol:&", "Symbol:(", "Symbol:)", "Symbol:*", "Symbol:+", "Symbol:,", "Symbol:-",
                                "Symbol:.", "Symbol:/", "Symbol::", "Symbol:;", "Symbol:=", "Symbol:^", "Symbol:{",
                                "Symbol:}"}},
                      ScanCase{"Strays", "!$%?@[]\\`|~\x7F\x80\xFF",
                               {"Stray:!", "Stray:$", "Stray:%", "Stray:?", "Stray:@", "Stray:[", "Stray:]",
                                "Stray:\\", "Stray:`", "Stray:|", "Stray:~", "Stray:\x7F", "Stray:\x80", "Stray:\xFF"}}),
    [](const auto& param) { return std::string(param.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Blanks, VBScan,
    ::testing::Values(ScanCase{"RunOfBlanksAndTabs", "\t  \t x", {"Space:\t  \t ", "Identifier:x"}},
                      ScanCase{"ControlCodesAreBlanks", "\x01\x0B\x0C\x1F", {"Space:\x01\x0B\x0C\x1F"}},
                      ScanCase{"LineFeedAlone", "\n\n", {"Space:\n", "Space:\n"}},
                      ScanCase{"CrLf", "\r\n\r", {"Space:\r\n", "Space:\r"}},
                      ScanCase{"CommentStopsAtABreak", "'a\rb", {"Comment:'a", "Space:\r", "Identifier:b"}},
                      ScanCase{"StringTakesTheBreak", "\"a\nb", {"String:\"a\n", "Identifier:b"}},
                      ScanCase{"NulInsideALineIsAByte", std::string("a\0\"x\0\"", 6),
                               {"Identifier:a", std::string("Stray:\0", 7), std::string("String:\"x\0\"", 11)}}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(VBHighlighter, EmptyLineIsAtItsEndAtOnce) {
    TVBHighlighter h;
    h.BeginLine("", 0);
    EXPECT_TRUE(h.AtLineEnd());
    EXPECT_EQ(h.TokenKindCode(), 3);
    EXPECT_EQ(h.TokenAttributes(), nullptr);
    EXPECT_EQ(h.TokenStart(), 0);
}

TEST(VBHighlighter, EveryKeywordIsRecognisedInAnyCase) {
    for (const auto keyword : tips::highlight::vb::kKeywords) {
        if (keyword == "rem") continue;
        std::string upper(keyword);
        for (auto& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        std::string capital(keyword);
        capital[0] = upper[0];
        for (const auto& word : {std::string(keyword), upper, capital}) {
            EXPECT_THAT(Tokens(word), ElementsAre("Key:" + word));
            EXPECT_THAT(Tokens(word + "x"), ElementsAre("Identifier:" + word + "x"));
        }
    }
}

TEST(VBHighlighter, WordsThatVisualBasicReservesButTheTableLacksAreIdentifiers) {
    for (const char* word : {"ByVal", "ByRef", "True", "False", "Step", "Type", "Declare", "Optional", "Friend",
                             "Enum"}) {
        EXPECT_THAT(Tokens(word), ElementsAre(std::string("Identifier:") + word));
    }
}

TEST(VBHighlighter, TokensCarryOffsetsCodesAndAttributes) {
    TVBHighlighter h;
    h.BeginLine("If a$ Then 'c", 0);
    struct Seen {
        int start;
        int code;
        TCodeHighlighterAttributes* attribute;
    };
    std::vector<Seen> seen;
    for (; !h.AtLineEnd(); h.NextToken()) seen.push_back({h.TokenStart(), h.TokenKindCode(), h.TokenAttributes()});
    ASSERT_EQ(seen.size(), 8u);
    const int starts[] = {0, 2, 3, 4, 5, 6, 10, 11};
    const int codes[] = {2, 5, 1, 8, 5, 2, 5, 0};
    TCodeHighlighterAttributes* attributes[] = {&h.KeyAttri(),   &h.SpaceAttri(), &h.IdentifierAttri(),
                                                &h.IdentifierAttri(), &h.SpaceAttri(), &h.KeyAttri(),
                                                &h.SpaceAttri(), &h.CommentAttri()};
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].start, starts[i]) << i;
        EXPECT_EQ(seen[i].code, codes[i]) << i;
        EXPECT_EQ(seen[i].attribute, attributes[i]) << i;
    }
}

TEST(VBHighlighter, NumbersStringsAndSymbolsHaveTheirAttributes) {
    TVBHighlighter h;
    h.BeginLine("1\"s\"+", 0);
    EXPECT_EQ(h.TokenAttributes(), &h.NumberAttri());
    h.NextToken();
    EXPECT_EQ(h.TokenAttributes(), &h.StringAttri());
    h.NextToken();
    EXPECT_EQ(h.TokenAttributes(), &h.SymbolAttri());
}

TEST(VBHighlighter, ConstructorAttributesAndTexts) {
    TVBHighlighter h;
    ASSERT_EQ(h.AttributeCount(), 7);
    std::vector<std::string> names;
    for (int i = 0; i < h.AttributeCount(); ++i) names.push_back(h.AttributeAt(i)->Name());
    EXPECT_THAT(names, ElementsAre("Comment", "Identifier", "Number", "Reserved word", "Space", "String", "Symbol"));
    EXPECT_EQ(h.CommentAttri().Style(), TFontStyles(fsItalic));
    EXPECT_EQ(h.KeyAttri().Style(), TFontStyles(fsBold));
    EXPECT_EQ(h.KeyAttri().Name(), "Reserved word");
    for (int i = 0; i < h.AttributeCount(); ++i) {
        EXPECT_EQ(h.AttributeAt(i)->Background(), clNone);
        EXPECT_EQ(h.AttributeAt(i)->Foreground(), clNone);
        EXPECT_FALSE(h.AttributeAt(i)->IsStyleStored());
    }
    EXPECT_EQ(h.DefaultFilter(), "Visual Basic Files (*.bas)|*.bas");
    EXPECT_EQ(h.LanguageTitle(), "Visual Basic");
    EXPECT_TRUE(h.Enabled());
}

TEST(VBHighlighter, StandardAttributesByRole) {
    TVBHighlighter h;
    EXPECT_EQ(h.StandardAttribute(StandardAttributeKind::Comment), &h.CommentAttri());
    EXPECT_EQ(h.StandardAttribute(StandardAttributeKind::Identifier), &h.IdentifierAttri());
    EXPECT_EQ(h.StandardAttribute(StandardAttributeKind::Keyword), &h.KeyAttri());
    EXPECT_EQ(h.StandardAttribute(StandardAttributeKind::String), &h.StringAttri());
    EXPECT_EQ(h.StandardAttribute(StandardAttributeKind::Whitespace), &h.SpaceAttri());
    EXPECT_EQ(h.StandardAttribute(StandardAttributeKind::Symbol), &h.SymbolAttri());
    EXPECT_EQ(h.StandardAttribute(static_cast<StandardAttributeKind>(6)), nullptr);
}

TEST(VBHighlighter, IdentifierCharsAreAsciiWordCharsAndWesternLetters) {
    const auto chars = TVBHighlighter().IdentifierChars();
    EXPECT_EQ(chars.count(), 125u);
    for (const int c : std::initializer_list<int>{'0', '9', 'A', 'z', '_', 192, 214, 216, 246, 248, 255}) EXPECT_TRUE(chars.test(c)) << c;
    for (const int c : std::initializer_list<int>{' ', '$', 191, 215, 247}) EXPECT_FALSE(chars.test(c)) << c;
}

TEST(VBHighlighter, RangeIsAlwaysTheBaseValue) {
    TVBHighlighter h;
    h.RestoreRange(5);
    h.BeginLine("\"open string", 0);
    h.SkipToLineEnd();
    EXPECT_EQ(h.CurrentRange(), 0u);
}

TEST(VBHighlighter, HashingRule) {
    std::size_t length = 0;
    EXPECT_EQ(tips::highlight::vb::HashIdentifier("Property(", length), 133);
    EXPECT_EQ(length, 8u);
    EXPECT_EQ(tips::highlight::vb::HashIdentifier("a_9Z", length), 1 + 31 + 0 + 26);
    EXPECT_EQ(length, 4u);
    EXPECT_EQ(tips::highlight::vb::FindKeyword(133, "PROPERTY"), "property");
    EXPECT_EQ(tips::highlight::vb::FindKeyword(134, "anything"), "");
}

}  // namespace

namespace {

TEST(HighlighterList, TheVisualBasicClassIsEnteredOnceAndCreatesHighlighters) {
    using tips::highlight::TCodeHighlighterList;
    const auto* entry = TCodeHighlighterList::Find("TVBHighlighter");
    ASSERT_NE(entry, nullptr);
    const auto before = TCodeHighlighterList::Classes().size();
    TCodeHighlighterList::Register({"TVBHighlighter", entry->create});
    EXPECT_EQ(TCodeHighlighterList::Classes().size(), before);
    const auto created = entry->create();
    EXPECT_EQ(created->LanguageTitle(), "Visual Basic");
    EXPECT_EQ(TCodeHighlighterList::Find("TNoSuchHighlighter"), nullptr);
}

}  // namespace

namespace {

// Restores the single-byte code page even when an expectation fails.
struct DoubleByteCodePage {
    DoubleByteCodePage() {
        TVBHighlighter::SetLeadByteTest([](unsigned char c) { return c >= 0x81 && c <= 0x9F; });
    }
    ~DoubleByteCodePage() { TVBHighlighter::SetLeadByteTest(nullptr); }
};

TEST(VBHighlighter, AStrayLeadByteTakesItsTrailByteInADoubleByteCodePage) {
    EXPECT_THAT(Tokens("a\x82\xA0" "b"), ElementsAre("Identifier:a", "Stray:\x82", "Stray:\xA0", "Identifier:b"));
    DoubleByteCodePage codePage;
    EXPECT_THAT(Tokens("a\x82\xA0" "b"), ElementsAre("Identifier:a", "Stray:\x82\xA0", "Identifier:b"));
    EXPECT_THAT(Tokens("a\x82"), ElementsAre("Identifier:a", "Stray:\x82"));  // no trail byte left
    EXPECT_THAT(Tokens("\xA0\x82z"), ElementsAre("Stray:\xA0", "Stray:\x82z"));
}

}  // namespace
