#pragma once
// The Visual Basic highlighter: comments, strings, dates, numbers, keywords, identifiers, symbols and blanks.
// Every line starts fresh; nothing spans lines.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "highlight/custom_highlighter.hpp"

namespace tips::highlight {

enum class TVBTokenKind : int {
    Comment = 0,
    Identifier = 1,
    Key = 2,
    LineEnd = 3,
    Number = 4,
    Space = 5,
    String = 6,
    Symbol = 7,
    Stray = 8,
};

// "Comment", "Identifier", ... as tipstool and the golden listings write them.
std::string_view TokenKindName(TVBTokenKind kind);

class TVBHighlighter : public TCodeCustomHighlighter {
public:
    TVBHighlighter();

    // Tells lead bytes of double-byte characters of the system's code page; null (the default, as in
    // Windows-1252) means there are none. A stray lead byte takes its trail byte with it.
    using LeadByteTest = bool (*)(unsigned char c);
    static void SetLeadByteTest(LeadByteTest test);

    TCodeHighlighterAttributes& CommentAttri() const { return *comment_; }
    TCodeHighlighterAttributes& IdentifierAttri() const { return *identifier_; }
    TCodeHighlighterAttributes& KeyAttri() const { return *key_; }
    TCodeHighlighterAttributes& NumberAttri() const { return *number_; }
    TCodeHighlighterAttributes& SpaceAttri() const { return *space_; }
    TCodeHighlighterAttributes& StringAttri() const { return *string_; }
    TCodeHighlighterAttributes& SymbolAttri() const { return *symbol_; }

    // The attributes as published properties, by property name ("CommentAttri", ...), in declaration order.
    struct TPublishedAttribute {
        const char* property;
        TCodeHighlighterAttributes* attribute;
    };
    std::array<TPublishedAttribute, 7> PublishedAttributes() const;

    TCodeHighlighterAttributes* StandardAttribute(StandardAttributeKind kind) const override;
    TCharSet IdentifierChars() const override;
    std::string LanguageTitle() const override;

    void BeginLine(std::string_view text, int lineIndex) override;
    bool AtLineEnd() const override { return kind_ == TVBTokenKind::LineEnd; }
    void NextToken() override;
    std::string TokenText() const override;
    int TokenStart() const override { return static_cast<int>(tokenStart_); }
    int TokenKindCode() const override { return static_cast<int>(kind_); }
    TCodeHighlighterAttributes* TokenAttributes() const override;

    TVBTokenKind TokenKind() const { return kind_; }
    // The current token's bytes without allocating.
    std::string_view TokenView() const { return line_.substr(tokenStart_, run_ - tokenStart_); }

private:
    // A byte of the line, or 0 past its end.
    unsigned char At(std::size_t offset) const {
        return offset < line_.size() ? static_cast<unsigned char>(line_[offset]) : 0;
    }
    // The end of the line or a line-break byte. The line's length marks its end, so a NUL byte
    // inside it is an ordinary byte rather than the end of the text.
    bool EndsLine(std::size_t offset) const {
        return offset >= line_.size() || line_[offset] == '\n' || line_[offset] == '\r';
    }
    void ScanSpace();
    void ScanComment();
    void ScanQuoted(unsigned char quote, bool doubledQuoteStart);
    void ScanNumber();
    void ScanWord();

    TCodeHighlighterAttributes* comment_;
    TCodeHighlighterAttributes* identifier_;
    TCodeHighlighterAttributes* key_;
    TCodeHighlighterAttributes* number_;
    TCodeHighlighterAttributes* space_;
    TCodeHighlighterAttributes* string_;
    TCodeHighlighterAttributes* symbol_;

    std::string_view line_;
    std::size_t run_ = 0;
    std::size_t tokenStart_ = 0;
    std::size_t identLength_ = 0;
    TVBTokenKind kind_ = TVBTokenKind::LineEnd;
};

}  // namespace tips::highlight
