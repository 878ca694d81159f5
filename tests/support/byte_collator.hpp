#pragma once
// A predictable collator for tests and fuzz targets: orders the texts (up to a NUL) by their unsigned
// bytes, folding only the ASCII letters when asked to ignore case. Counts its calls.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/collator.hpp"

namespace tips::testing {

class TByteCollator final : public platform::TCollator {
public:
    int Compare(std::string_view a, std::string_view b, bool ignoreCase) const override {
        ++calls;
        a = a.substr(0, a.find('\0'));
        b = b.substr(0, b.find('\0'));
        const auto fold = [ignoreCase](char c) {
            const auto u = static_cast<unsigned char>(c);
            return ignoreCase && u >= 'a' && u <= 'z' ? static_cast<unsigned char>(u - 32) : u;
        };
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            if (fold(a[i]) != fold(b[i])) return fold(a[i]) < fold(b[i]) ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }

    // The folded bytes themselves: their byte order is Compare's. Not counted as calls.
    std::string SortKey(std::string_view text, bool ignoreCase) const override {
        std::string key(text.substr(0, text.find('\0')));
        if (ignoreCase) {
            for (auto& c : key) {
                if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
            }
        }
        return key;
    }

    mutable long calls = 0;
};

}  // namespace tips::testing
