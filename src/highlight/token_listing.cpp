#include "highlight/token_listing.hpp"

namespace tips::highlight {

std::string EscapeTokenText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t': out += "\\t"; break;
            case '\r': out += "\\r"; break;
            case '\n': out += "\\n"; break;
            case '\\': out += "\\\\"; break;
            default: out += c;
        }
    }
    return out;
}

void AppendTokenListing(TVBHighlighter& highlighter, std::string_view line, int lineNumber, std::string& out) {
    highlighter.ClearRange();
    highlighter.BeginLine(line, lineNumber - 1);
    for (; !highlighter.AtLineEnd(); highlighter.NextToken()) {
        out += std::to_string(lineNumber);
        out += '\t';
        out += std::to_string(highlighter.TokenStart());
        out += '\t';
        out += TokenKindName(highlighter.TokenKind());
        out += '\t';
        out += EscapeTokenText(highlighter.TokenView());
        out += '\n';
    }
}

}  // namespace tips::highlight
