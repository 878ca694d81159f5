#pragma once
// Cutting text into lines. A line break is CR LF, a lone CR or a lone LF (so LF CR is two breaks).
// The places that cut text differ in two rules, and each names its choice:
// - what a break at the very end means: it closes the last line (a text read as a list of lines: an
//   INI text, a name list, the editor's whole text) or it starts one more, empty line (a piece of text
//   put in at the caret, where the part after the last break joins the rest of the line);
// - whether a NUL byte ends a line too (a memo streamed into the editor may hold NULs; a line cannot).

#include <cstddef>
#include <string_view>
#include <vector>

namespace tips::base {

// One line and the break that ended it: "\r\n", "\r", "\n", "\0" when NULs end lines, or empty for the
// last line of a text without a final break.
struct TTextLine {
    std::string_view text;
    std::string_view lineBreak;
};

enum class TNulByte { IsText, EndsLine };

// Walks a text one line at a time; nothing is left once the position reaches the end, so a break at
// the very end starts no further line here.
class TLineScanner {
public:
    explicit TLineScanner(std::string_view text, TNulByte nul = TNulByte::IsText) : text_(text), nul_(nul) {}

    bool AtEnd() const { return position_ >= text_.size(); }
    TTextLine Next();

private:
    bool EndsLine(char c) const { return c == '\r' || c == '\n' || (c == '\0' && nul_ == TNulByte::EndsLine); }

    std::string_view text_;
    TNulByte nul_;
    std::size_t position_ = 0;
};

enum class TFinalBreak {
    ClosesLastLine,   // "a\r\n" is one line, "" has none
    StartsEmptyLine,  // n breaks give n + 1 lines: "a\r\n" is "a" and "", "" is one empty line
};

std::vector<std::string_view> SplitLines(std::string_view text, TFinalBreak finalBreak);

}  // namespace tips::base
