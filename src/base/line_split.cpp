#include "base/line_split.hpp"

namespace tips::base {

TTextLine TLineScanner::Next() {
    const std::size_t start = position_;
    std::size_t end = start;
    while (end < text_.size() && !EndsLine(text_[end])) ++end;
    std::size_t next = end;
    if (next < text_.size()) next += text_[next] == '\r' && next + 1 < text_.size() && text_[next + 1] == '\n' ? 2 : 1;
    position_ = next;
    return {text_.substr(start, end - start), text_.substr(end, next - end)};
}

std::vector<std::string_view> SplitLines(std::string_view text, TFinalBreak finalBreak) {
    std::vector<std::string_view> lines;
    TLineScanner scanner(text);
    bool endsWithBreak = false;
    while (!scanner.AtEnd()) {
        const TTextLine line = scanner.Next();
        lines.push_back(line.text);
        endsWithBreak = !line.lineBreak.empty();
    }
    if (finalBreak == TFinalBreak::StartsEmptyLine && (text.empty() || endsWithBreak)) lines.push_back(text.substr(text.size()));
    return lines;
}

}  // namespace tips::base
