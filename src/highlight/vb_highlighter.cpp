#include "highlight/vb_highlighter.hpp"

#include <array>
#include <memory>

#include "highlight/highlight_texts.hpp"
#include "highlight/highlighter_list.hpp"
#include "highlight/vb_keywords.hpp"

namespace tips::highlight {

namespace {

enum class Rule : std::uint8_t { Space, LineFeed, CarriageReturn, String, Date, Comment, Symbol, Less, Greater, Number, Word, Stray };

constexpr bool IsBlank(unsigned char c) { return (c >= 1 && c <= 9) || c == 11 || c == 12 || (c >= 14 && c <= 32); }

constexpr std::array<Rule, 256> BuildDispatch() {
    std::array<Rule, 256> rules{};
    for (auto& rule : rules) rule = Rule::Stray;  // NUL inside a line is a stray byte too
    for (int c = 1; c <= 32; ++c) {
        if (IsBlank(static_cast<unsigned char>(c))) rules[static_cast<std::size_t>(c)] = Rule::Space;
    }
    rules[10] = Rule::LineFeed;
    rules[13] = Rule::CarriageReturn;
    rules['"'] = Rule::String;
    rules['#'] = Rule::Date;
    rules['\''] = Rule::Comment;
    for (const char c : std::string_view("&()*+,-./:;=^{}")) rules[static_cast<unsigned char>(c)] = Rule::Symbol;
    rules['<'] = Rule::Less;
    rules['>'] = Rule::Greater;
    for (int c = '0'; c <= '9'; ++c) rules[static_cast<std::size_t>(c)] = Rule::Number;
    for (int c = 'A'; c <= 'Z'; ++c) rules[static_cast<std::size_t>(c)] = Rule::Word;
    for (int c = 'a'; c <= 'z'; ++c) rules[static_cast<std::size_t>(c)] = Rule::Word;
    rules['_'] = Rule::Word;
    return rules;
}

constexpr auto kDispatch = BuildDispatch();

TVBHighlighter::LeadByteTest leadByteTest = nullptr;

const THighlighterClassRegistrar registrar{
    {"TVBHighlighter", []() -> std::unique_ptr<TCodeCustomHighlighter> { return std::make_unique<TVBHighlighter>(); }}};

}  // namespace

void TVBHighlighter::SetLeadByteTest(LeadByteTest test) { leadByteTest = test; }

std::string_view TokenKindName(TVBTokenKind kind) {
    switch (kind) {
        case TVBTokenKind::Comment: return "Comment";
        case TVBTokenKind::Identifier: return "Identifier";
        case TVBTokenKind::Key: return "Key";
        case TVBTokenKind::LineEnd: return "LineEnd";
        case TVBTokenKind::Number: return "Number";
        case TVBTokenKind::Space: return "Space";
        case TVBTokenKind::String: return "String";
        case TVBTokenKind::Symbol: return "Symbol";
        case TVBTokenKind::Stray: return "Stray";
    }
    return "";
}

TVBHighlighter::TVBHighlighter() {
    const auto make = [this](const char* name, TFontStyles style) {
        auto attribute = std::make_unique<TCodeHighlighterAttributes>(name);
        attribute->SetStyle(style);
        return &AddAttribute(std::move(attribute));
    };
    comment_ = make(texts::kAttrComment, platform::fsItalic);
    identifier_ = make(texts::kAttrIdentifier, {});
    key_ = make(texts::kAttrReservedWord, platform::fsBold);
    number_ = make(texts::kAttrNumber, {});
    space_ = make(texts::kAttrSpace, {});
    string_ = make(texts::kAttrString, {});
    symbol_ = make(texts::kAttrSymbol, {});
    InstallChangeHandlers();
    SetDefaultFilter(texts::kVBFilter);
}

std::array<TVBHighlighter::TPublishedAttribute, 7> TVBHighlighter::PublishedAttributes() const {
    return {{{"CommentAttri", comment_},
             {"IdentifierAttri", identifier_},
             {"KeyAttri", key_},
             {"NumberAttri", number_},
             {"SpaceAttri", space_},
             {"StringAttri", string_},
             {"SymbolAttri", symbol_}}};
}

TCodeHighlighterAttributes* TVBHighlighter::StandardAttribute(StandardAttributeKind kind) const {
    switch (kind) {
        case StandardAttributeKind::Comment: return comment_;
        case StandardAttributeKind::Identifier: return identifier_;
        case StandardAttributeKind::Keyword: return key_;
        case StandardAttributeKind::String: return string_;
        case StandardAttributeKind::Whitespace: return space_;
        case StandardAttributeKind::Symbol: return symbol_;
    }
    return nullptr;
}

TCharSet TVBHighlighter::IdentifierChars() const {
    TCharSet set = CharSetOf("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_");
    for (int c = 192; c <= 255; ++c) {
        if (c != 215 && c != 247) set.set(static_cast<std::size_t>(c));  // not the multiplication and division signs
    }
    return set;
}

std::string TVBHighlighter::LanguageTitle() const { return texts::kVBLanguageTitle; }

void TVBHighlighter::BeginLine(std::string_view text, int /*lineIndex*/) {
    line_ = text;
    run_ = 0;
    NextToken();
}

std::string TVBHighlighter::TokenText() const { return std::string(TokenView()); }

TCodeHighlighterAttributes* TVBHighlighter::TokenAttributes() const {
    switch (kind_) {
        case TVBTokenKind::Comment: return comment_;
        case TVBTokenKind::Identifier:
        case TVBTokenKind::Stray: return identifier_;
        case TVBTokenKind::Key: return key_;
        case TVBTokenKind::Number: return number_;
        case TVBTokenKind::Space: return space_;
        case TVBTokenKind::String: return string_;
        case TVBTokenKind::Symbol: return symbol_;
        case TVBTokenKind::LineEnd: break;
    }
    return nullptr;
}

void TVBHighlighter::NextToken() {
    tokenStart_ = run_;
    if (run_ >= line_.size()) {
        kind_ = TVBTokenKind::LineEnd;
        return;
    }
    const unsigned char c = At(run_);
    switch (kDispatch[c]) {
        case Rule::Space: ScanSpace(); break;
        case Rule::LineFeed:
            kind_ = TVBTokenKind::Space;
            ++run_;
            break;
        case Rule::CarriageReturn:
            kind_ = TVBTokenKind::Space;
            ++run_;
            if (At(run_) == 10) ++run_;
            break;
        case Rule::String: ScanQuoted('"', true); break;
        case Rule::Date: ScanQuoted('#', false); break;
        case Rule::Comment: ScanComment(); break;
        case Rule::Symbol:
            kind_ = TVBTokenKind::Symbol;
            ++run_;
            break;
        case Rule::Less:
            kind_ = TVBTokenKind::Symbol;
            ++run_;
            if (At(run_) == '=' || At(run_) == '>') ++run_;
            break;
        case Rule::Greater:
            kind_ = TVBTokenKind::Symbol;
            ++run_;
            if (At(run_) == '=') ++run_;
            break;
        case Rule::Number: ScanNumber(); break;
        case Rule::Word: ScanWord(); break;
        case Rule::Stray:
            kind_ = TVBTokenKind::Stray;
            // A lead byte at the very end has no trail byte to take.
            run_ += (leadByteTest && leadByteTest(c) && run_ + 1 < line_.size()) ? 2 : 1;
            break;
    }
}

void TVBHighlighter::ScanSpace() {
    kind_ = TVBTokenKind::Space;
    while (run_ < line_.size() && IsBlank(At(run_))) ++run_;
}

void TVBHighlighter::ScanComment() {
    kind_ = TVBTokenKind::Comment;
    ++run_;
    while (!EndsLine(run_)) ++run_;
}

void TVBHighlighter::ScanQuoted(unsigned char quote, bool doubledQuoteStart) {
    kind_ = TVBTokenKind::String;
    if (doubledQuoteStart && At(run_ + 1) == quote && At(run_ + 2) == quote) run_ += 2;
    while (!EndsLine(run_)) {
        ++run_;
        if (At(run_) == quote) break;
    }
    if (run_ < line_.size()) ++run_;
}

void TVBHighlighter::ScanNumber() {
    kind_ = TVBTokenKind::Number;
    ++run_;
    for (unsigned char c = At(run_); (c >= '0' && c <= '9') || c == '.' || c == 'E' || c == 'e'; c = At(run_)) ++run_;
}

void TVBHighlighter::ScanWord() {
    std::size_t length = 0;
    const int hash = vb::HashIdentifier(line_.substr(run_), length);
    identLength_ = length;
    kind_ = TVBTokenKind::Identifier;
    if (hash < vb::kKeywordSlots) {
        const std::string_view keyword = vb::FindKeyword(hash, line_.substr(run_, length));
        if (keyword == "rem") {
            identLength_ = 0;
            ScanComment();
            return;
        }
        if (!keyword.empty()) kind_ = TVBTokenKind::Key;
    }
    run_ += length;
    while (run_ < line_.size() && vb::IsIdentChar(At(run_))) ++run_;
}

}  // namespace tips::highlight
