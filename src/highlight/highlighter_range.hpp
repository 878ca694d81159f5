#pragma once
// The scanner state a highlighter carries from one line to the next.

#include <cstdint>

namespace tips::highlight {

// Opaque to everybody but the highlighter that produced it; pointer-sized so a highlighter may encode what it likes.
using TCodeRange = std::uintptr_t;

// Stored for lines that no scan has reached yet; no highlighter ever returns it, so it never matches a computed range.
inline constexpr TCodeRange NotScannedRange = ~TCodeRange{0};

}  // namespace tips::highlight
