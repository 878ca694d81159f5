#pragma once
// Token listings: one token per output line, LINE<TAB>START<TAB>KIND<TAB>TEXT, for tipstool and the golden files.

#include <string>
#include <string_view>

#include "highlight/vb_highlighter.hpp"

namespace tips::highlight {

// Tab, CR, LF and backslash written as \t, \r, \n and \\; every other byte as it is.
std::string EscapeTokenText(std::string_view text);

// Scans `line` from a cleared range and appends one listing line per token.
// `lineNumber` is 1-based; START is the token's 0-based byte offset.
void AppendTokenListing(TVBHighlighter& highlighter, std::string_view line, int lineNumber, std::string& out);

}  // namespace tips::highlight
