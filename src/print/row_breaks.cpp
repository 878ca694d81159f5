#include "print/row_breaks.hpp"

#include <algorithm>
#include <optional>

namespace tips::print {

namespace {

bool InFirstSet(char c) { return c == '\t' || c == ' ' || c == ',' || c == '-'; }
bool InSecondSet(char c) { return c == ')' || c == '.' || c == ';'; }

// Breaks at the characters of one set, or nothing when some row would hold none of them.
template <typename InSet>
std::optional<std::vector<int>> BreaksAt(std::string_view line, int rowChars, InSet inSet) {
    std::vector<int> breaks;
    const int length = static_cast<int>(line.size());
    int last = 0;    // characters before the current row
    int latest = 0;  // the latest break character seen in this row, 1-based; 0 for none
    for (int i = 1; i <= length && length - last > rowChars; ++i) {
        if (inSet(line[static_cast<std::size_t>(i - 1)])) latest = i;
        if (i - last < rowChars && i < length) continue;
        if (latest <= last) return std::nullopt;
        breaks.push_back(latest);
        last = latest;
    }
    return breaks;
}

}  // namespace

std::vector<int> RowBreaks(std::string_view line, int rowChars) {
    rowChars = std::max(rowChars, 1);
    const int length = static_cast<int>(line.size());
    if (length <= rowChars) return {};
    if (auto breaks = BreaksAt(line, rowChars, InFirstSet)) return std::move(*breaks);
    if (auto breaks = BreaksAt(line, rowChars, InSecondSet)) return std::move(*breaks);
    std::vector<int> breaks;
    for (int at = rowChars; at < length; at += rowChars) breaks.push_back(at);
    return breaks;
}

std::vector<TLineRow> LineRows(std::string_view line, const std::vector<int>& breaks) {
    std::vector<TLineRow> rows;
    int start = 0;
    for (const int at : breaks) {
        rows.push_back({start, at - start});
        start = at;
    }
    rows.push_back({start, static_cast<int>(line.size()) - start});
    return rows;
}

}  // namespace tips::print
