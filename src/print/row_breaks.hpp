#pragma once
// Where a line longer than a row of `rowChars` character cells is cut into rows: after the last
// blank, tab, comma or hyphen that keeps each row within the width; failing that, after the last
// ")", "." or ";"; failing that, after every `rowChars` characters. Each break is the number of
// characters before the row it starts (a row ends after its break character).

#include <string_view>
#include <vector>

namespace tips::print {

// Empty when the line fits in one row. A `rowChars` below 1 is taken as 1.
std::vector<int> RowBreaks(std::string_view line, int rowChars);

// One row of a line: where it starts (0-based) and how many characters it holds.
struct TLineRow {
    int Start = 0;
    int Length = 0;
    friend bool operator==(const TLineRow&, const TLineRow&) = default;
};

// The rows of a line cut at its breaks.
std::vector<TLineRow> LineRows(std::string_view line, const std::vector<int>& breaks);

}  // namespace tips::print
