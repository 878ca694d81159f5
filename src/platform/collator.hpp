#pragma once
// Locale-aware ordering of Windows-1252 texts, as the user's default locale orders them.

#include <array>
#include <bitset>
#include <mutex>
#include <string>
#include <string_view>

namespace tips::platform {

class TCollator {
public:
    virtual ~TCollator() = default;

    // Negative, zero or positive as `a` sorts before, with or after `b`. Only the sign means anything.
    virtual int Compare(std::string_view a, std::string_view b, bool ignoreCase) const = 0;

    // Bytes whose plain unsigned byte order (std::string comparison) is the order Compare gives, equal
    // exactly where Compare answers zero. A sort computes them once per text and then compares bytes.
    virtual std::string SortKey(std::string_view text, bool ignoreCase) const = 0;

    // True when the bytes alone show that Compare finds `a` and `b` unequal, case ignored or not:
    // ignoring the case of ASCII letters they are the same up to a position where both hold ASCII
    // letters or digits that this collator tells apart as single characters even ignoring case (in
    // some locales two letters differ only as much as case does). The texts before that position are
    // the same text. False only means that Compare must be asked. A zero byte ends a text for Compare,
    // so nothing after one decides anything.
    bool PlainlyUnequal(std::string_view a, std::string_view b) const;

private:
    static constexpr int kPlainCount = 36;  // 'a' to 'z', then '0' to '9'
    using TDistinctPairs = std::array<std::bitset<kPlainCount>, kPlainCount>;
    // Which case-folded ASCII letters and digits Compare tells apart, asked once on first use.
    const TDistinctPairs& DistinctPairs() const;

    mutable std::once_flag distinctPairsFound_;
    mutable TDistinctPairs distinctPairs_{};
};

// The collator of the user's default locale for this build's platform.
const TCollator& UserDefaultCollator();

}  // namespace tips::platform
