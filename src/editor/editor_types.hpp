#pragma once
// Small value types every part of the code editor shares.

#include <cstdint>

namespace tips::editor {

// A position in the text: column X and line Y, both 1-based. Logical columns count characters,
// display columns count character cells after tab expansion; the type does not say which.
struct TPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// True when `a` comes before `b` in (line, column) order.
constexpr bool PointBefore(TPoint a, TPoint b) {
    return a.Y < b.Y || (a.Y == b.Y && a.X < b.X);
}

// How the two ends of a selection are read; the values are those stored on the clipboard
// and in undo records.
enum TCodeSelectionMode : std::uint8_t {
    smNormal = 0,  // the stream of text between the two points
    smLine = 1,    // whole lines from the first point's line to the second's
    smColumn = 2,  // the rectangle between the two points' columns
};

}  // namespace tips::editor
