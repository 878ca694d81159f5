#pragma once
// Locale-aware ordering of Windows-1252 texts, as the user's default locale orders them.

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
};

// True when the bytes alone show that no collation finds `a` and `b` equal: ignoring the case of ASCII
// letters, they are the same up to a position where both hold ASCII letters or digits and these differ.
// No language's rules make two different letters or digits equal, and what comes before them is the
// same text. False only means that a collator must be asked. A zero byte ends a text for the collators,
// so nothing after one decides anything.
bool PlainlyUnequal(std::string_view a, std::string_view b);

// The collator of the user's default locale for this build's platform.
const TCollator& UserDefaultCollator();

}  // namespace tips::platform
