#include "skin/menu_bar_layout.hpp"

#include "base/text_case.hpp"

namespace tips::skin {

std::string CaptionWithoutPrefix(std::string_view caption) {
    std::string shown;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

std::optional<char> AcceleratorOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return base::LowerCase1252(std::string(1, caption[i + 1]))[0];
    }
    return std::nullopt;
}

std::vector<TViewRect> LayoutMenuBar(const TSkinElement& menuBar, const TViewRect& bar,
                                     const std::vector<TMenuBarItem>& items,
                                     const std::function<int(std::string_view)>& textWidth, bool rightToLeft) {
    const int barWidth = bar.Right - bar.Left;
    int start = 6;
    if (!menuBar.Bitmap.Empty()) {
        start = rightToLeft ? menuBar.RightWidth + 8 : menuBar.LeftWidth + 4;
        if (barWidth < start) start = 12;
    }
    const int height = std::max(bar.Bottom - bar.Top - 1, 0);
    std::vector<TViewRect> rects;
    int offset = start;
    for (const TMenuBarItem& item : items) {
        const std::string shown = CaptionWithoutPrefix(item.Caption);
        const int width = (shown.empty() ? 0 : textWidth(shown)) + 10;
        if (rightToLeft) rects.push_back({bar.Right - offset - width, bar.Top, bar.Right - offset, bar.Top + height});
        else rects.push_back({bar.Left + offset, bar.Top, bar.Left + offset + width, bar.Top + height});
        offset += width;
    }
    return rects;
}

std::optional<std::size_t> ItemForAccelerator(const std::vector<TMenuBarItem>& items, char key) {
    const char wanted = base::LowerCase1252(std::string(1, key))[0];
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (AcceleratorOf(items[i].Caption) == wanted) return i;
    }
    return std::nullopt;
}

std::size_t NeighbourItem(std::size_t current, int step, std::size_t count, bool rightToLeft) {
    if (count == 0) return 0;
    if (rightToLeft) step = -step;
    const auto n = static_cast<long long>(count);
    const long long next = (static_cast<long long>(current % count) + step % n + n) % n;
    return static_cast<std::size_t>(next);
}

std::optional<TNineSlice> MenuBarSlice(const TSkinElement& menuBar, bool active) {
    const int frame = active || menuBar.FrameCount < 2 ? 1 : 2;
    const TSliceMargins margins = menuBar.Tile == 1 ? TSliceMargins{} : TSliceMargins{menuBar.LeftWidth, 0, menuBar.RightWidth, 0};
    return SliceOf(menuBar.Bitmap, menuBar.FrameCount, frame, margins,
                   menuBar.Tile == 1 ? TSliceFill::Tile : TSliceFill::Stretch, menuBar.Trans == 1,
                   FrameLayout::Stacked);
}

}  // namespace tips::skin
