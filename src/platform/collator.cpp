// The collator's byte-level shortcut, shared by every platform's collator.

#include <algorithm>

#include "platform/collator.hpp"

namespace tips::platform {
namespace {

constexpr char FoldAsciiCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool IsFoldedLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); }

}  // namespace

bool PlainlyUnequal(std::string_view a, std::string_view b) {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char x = FoldAsciiCase(a[i]);
        const char y = FoldAsciiCase(b[i]);
        if (x != y) return IsFoldedLetterOrDigit(x) && IsFoldedLetterOrDigit(y);
        if (x == '\0') return false;
    }
    return false;
}

}  // namespace tips::platform
