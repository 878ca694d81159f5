#pragma once
// Locale-aware ordering of Windows-1252 texts, as the user's default locale orders them.

#include <array>
#include <atomic>
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
    bool PlainlyUnequal(std::string_view a, std::string_view b) const {
        const TPlainClasses& classes = PlainClasses();
        const std::size_t length = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < length; ++i) {
            const auto x = static_cast<unsigned char>(a[i]);
            const auto y = static_cast<unsigned char>(b[i]);
            if (x == y) {
                if (x == 0) return false;
                continue;
            }
            const int left = classes[x];
            const int right = classes[y];
            if (left != right) return left >= 0 && right >= 0;
            // The same class: the same letter in another case, or letters this collator does not tell apart.
            if (left < 0) return false;
        }
        return false;
    }

private:
    // By byte: for an ASCII letter or digit, the class of the characters Compare finds equal to it ignoring
    // case (the two cases of a letter share one); -1 for every other byte.
    using TPlainClasses = std::array<signed char, 256>;
    const TPlainClasses& PlainClasses() const {
        // The search box asks for every title: once the table is made, the flag answers.
        if (plainClassesReady_.load(std::memory_order_acquire)) return plainClasses_;
        return FindPlainClasses();
    }
    const TPlainClasses& FindPlainClasses() const;

    mutable std::once_flag plainClassesFound_;
    mutable std::atomic<bool> plainClassesReady_{false};
    mutable TPlainClasses plainClasses_{};
};

// The collator of the user's default locale for this build's platform.
const TCollator& UserDefaultCollator();

}  // namespace tips::platform
