#include "skin/scroll_bar_layout.hpp"

#include <algorithm>

namespace tips::skin {
namespace {

// A span [start, end) along the bar turned into a rectangle across its full thickness.
TViewRect Along(TScrollOrientation orientation, const TViewRect& bar, int start, int end) {
    if (orientation == TScrollOrientation::Horizontal) return {bar.Left + start, bar.Top, bar.Left + end, bar.Bottom};
    return {bar.Left, bar.Top + start, bar.Right, bar.Top + end};
}

}  // namespace

bool ScrollBarSizeSane(const TViewRect& bar) {
    return !bar.IsEmpty() && bar.Right - bar.Left < 10000 && bar.Bottom - bar.Top < 10000;
}

TScrollBarParts LayoutScrollBar(TScrollOrientation orientation, const TViewRect& bar, int arrowLength,
                                const TScrollRange& range, int minThumb) {
    TScrollBarParts parts;
    parts.Bar = bar;
    if (bar.IsEmpty()) return parts;
    const int length = orientation == TScrollOrientation::Horizontal ? bar.Right - bar.Left : bar.Bottom - bar.Top;
    const int arrow = length < 2 * arrowLength ? length / 2 : std::max(arrowLength, 0);
    parts.FirstArrow = Along(orientation, bar, 0, arrow);
    parts.SecondArrow = Along(orientation, bar, length - arrow, length);
    parts.Track = Along(orientation, bar, arrow, length - arrow);

    const long long span = static_cast<long long>(range.Max) - range.Min + 1;
    const int page = std::max(range.Page, 0);
    if (span <= 0 || page >= span) return parts;
    const int track = length - 2 * arrow;
    int thumb = page > 0 ? static_cast<int>(static_cast<long long>(track) * page / span) : arrowLength;
    thumb = std::max(thumb, minThumb);
    if (thumb > track || track <= 0) return parts;
    // The last position shows the last page: positions run from Min to Max - Page + 1.
    const long long positions = span - std::max(page, 1);
    const long long pos = std::clamp<long long>(static_cast<long long>(range.Pos) - range.Min, 0, positions);
    const int offset = positions > 0 ? static_cast<int>(pos * (track - thumb) / positions) : 0;
    parts.Thumb = Along(orientation, bar, arrow + offset, arrow + offset + thumb);
    return parts;
}

}  // namespace tips::skin
