#pragma once
// Text laid out in a rectangle, as Windows' DrawText lays it out: the format flags (with DrawText's own
// values, so the GDI canvas hands them on unchanged), and a portable layout that canvases without
// DrawText measure and draw by.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas_geometry.hpp"
#include "platform/view_geometry.hpp"

namespace tips::platform {

using TTextFormat = std::uint32_t;
inline constexpr TTextFormat tfLeft = 0x0000;
inline constexpr TTextFormat tfCenter = 0x0001;
inline constexpr TTextFormat tfRight = 0x0002;
inline constexpr TTextFormat tfTop = 0x0000;
inline constexpr TTextFormat tfVCenter = 0x0004;  // single line only
inline constexpr TTextFormat tfBottom = 0x0008;   // single line only
inline constexpr TTextFormat tfWordBreak = 0x0010;
inline constexpr TTextFormat tfSingleLine = 0x0020;
inline constexpr TTextFormat tfExpandTabs = 0x0040;
inline constexpr TTextFormat tfNoClip = 0x0100;
inline constexpr TTextFormat tfNoPrefix = 0x0800;  // an ampersand is drawn, not an accelerator mark
inline constexpr TTextFormat tfEditControl = 0x2000;  // a word wider than the line is broken inside
inline constexpr TTextFormat tfPathEllipsis = 0x4000;
inline constexpr TTextFormat tfEndEllipsis = 0x8000;

// One line of laid-out text: what is drawn (accelerator marks taken out, ellipses put in) and where.
struct TTextBoxLine {
    TViewPoint At;
    std::string Text;
    int Width = 0;
    // The character drawn underlined as the accelerator, an index into Text.
    std::optional<std::size_t> Accelerator;
    friend bool operator==(const TTextBoxLine&, const TTextBoxLine&) = default;
};

struct TTextBoxLayout {
    std::vector<TTextBoxLine> Lines;
    // From the rectangle's top-left: as wide as the widest line, as high as the lines together.
    TViewRect Bounds;
};

// What the layout measures with: the width of a run of characters without tabs or line ends, the
// height of a line and the distance between tab stops.
struct TTextBoxMetrics {
    std::function<int(std::string_view)> Width;
    int LineHeight = 0;
    int TabWidth = 8;
};

// Lays `text` out in `rect`. Lines end at CR LF, LF or CR unless tfSingleLine (a line end at the very
// end opens no line); with tfWordBreak they also break after the last word that keeps them inside the
// width, keeping the blanks after it as far as they fit; a word wider than the line stands alone and
// overflows, or with tfEditControl is broken where it reaches the edge. An ellipsis flag shortens each
// line that is too wide. Lines are placed by the horizontal flag, and a single line also by the
// vertical one. An empty text is one empty line on a single line and no line otherwise. (DrawText
// as Wine draws it, the platform the tests run on.)
TTextBoxLayout LayoutTextBox(const TViewRect& rect, std::string_view text, TTextFormat format,
                             const TTextBoxMetrics& metrics);

}  // namespace tips::platform
