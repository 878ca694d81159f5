#include "skin/text_case.hpp"

namespace tips::skin {

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        lines.push_back(text.substr(start, end - start));
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    return lines;
}

}  // namespace tips::skin
