// Random lines through the Visual Basic highlighter: the tokens must cover the line in order, without
// gaps or overlaps, each at least one byte long, and the scan must end.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "highlight/vb_highlighter.hpp"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static tips::highlight::TVBHighlighter highlighter;
    // The buffer is the line itself: a scan that reads past its end is caught by AddressSanitizer.
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    highlighter.ClearRange();
    highlighter.BeginLine(line, 0);
    std::size_t covered = 0;
    std::size_t tokens = 0;
    while (!highlighter.AtLineEnd()) {
        Check(static_cast<std::size_t>(highlighter.TokenStart()) == covered);
        const std::string text = highlighter.TokenText();
        Check(!text.empty());
        Check(line.substr(covered, text.size()) == text);
        const int kind = highlighter.TokenKindCode();
        Check(kind >= 0 && kind <= 8 && kind != 3);
        Check(highlighter.TokenAttributes() != nullptr);
        covered += text.size();
        Check(++tokens <= size);
        highlighter.NextToken();
    }
    Check(covered == size);
    Check(static_cast<std::size_t>(highlighter.TokenStart()) == size);
    Check(highlighter.TokenAttributes() == nullptr);
    Check(highlighter.CurrentRange() == 0);
    return 0;
}
