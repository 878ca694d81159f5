#include "print/print_lines.hpp"

#include <utility>

#include "base/line_split.hpp"

namespace tips::print {

void TPrintLines::Add(std::string line) {
    lines_.push_back(std::move(line));
    ++changes_;
}

void TPrintLines::Put(int index, std::string line) {
    lines_.at(static_cast<std::size_t>(index)) = std::move(line);
    ++changes_;
}

void TPrintLines::Clear() {
    lines_.clear();
    ++changes_;
}

std::string TPrintLines::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void TPrintLines::SetText(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    lines_.clear();
    for (const std::string_view line : base::SplitLines(text, base::TFinalBreak::ClosesLastLine)) lines_.emplace_back(line);
    ++changes_;
}

std::string ExpandTabs(std::string_view line, int tabWidth) {
    if (tabWidth < 1) tabWidth = 1;
    std::string out;
    out.reserve(line.size());
    for (const char c : line) {
        if (c != '\t') {
            out += c;
            continue;
        }
        const std::size_t blanks = static_cast<std::size_t>(tabWidth) - out.size() % static_cast<std::size_t>(tabWidth);
        out.append(blanks, ' ');
    }
    return out;
}

}  // namespace tips::print
