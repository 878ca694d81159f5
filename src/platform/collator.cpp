// The collator's byte-level shortcut, shared by every platform's collator.

#include <algorithm>

#include "platform/collator.hpp"

namespace tips::platform {
namespace {

constexpr char FoldAsciiCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The place of a case-folded ASCII letter or digit in the table of pairs, or -1 for any other byte.
constexpr int PlainIndex(char c) {
    if (c >= 'a' && c <= 'z') return c - 'a';
    if (c >= '0' && c <= '9') return 26 + (c - '0');
    return -1;
}

constexpr char PlainCharacter(int index) {
    return static_cast<char>(index < 26 ? 'a' + index : '0' + (index - 26));
}

}  // namespace

const TCollator::TDistinctPairs& TCollator::DistinctPairs() const {
    std::call_once(distinctPairsFound_, [this] {
        for (int i = 0; i < kPlainCount; ++i) {
            for (int j = i + 1; j < kPlainCount; ++j) {
                const char left[] = {PlainCharacter(i)};
                const char right[] = {PlainCharacter(j)};
                const bool distinct = Compare({left, 1}, {right, 1}, true) != 0;
                distinctPairs_[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] = distinct;
                distinctPairs_[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)] = distinct;
            }
        }
    });
    return distinctPairs_;
}

bool TCollator::PlainlyUnequal(std::string_view a, std::string_view b) const {
    const std::size_t length = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < length; ++i) {
        const char x = FoldAsciiCase(a[i]);
        const char y = FoldAsciiCase(b[i]);
        if (x != y) {
            const int left = PlainIndex(x);
            const int right = PlainIndex(y);
            return left >= 0 && right >= 0 &&
                   DistinctPairs()[static_cast<std::size_t>(left)][static_cast<std::size_t>(right)];
        }
        if (x == '\0') return false;
    }
    return false;
}

}  // namespace tips::platform
