#include "skin/frame_layout.hpp"

#include <algorithm>

namespace tips::skin {
namespace {

int PerFrame(int length, int frameCount) { return length / std::max(frameCount, 1); }

// A rectangle with its right and bottom edges kept from crossing its left and top.
TViewRect Ordered(int left, int top, int right, int bottom) {
    return {left, top, std::max(left, right), std::max(top, bottom)};
}

}  // namespace

TFrameMetrics FrameMetricsOf(const TSkinData& skin, const TFrameWindowTraits& traits, int menuBarHeight) {
    TFrameMetrics metrics;
    if (traits.Kind != TFrameKind::Frameless) {
        metrics.Caption = PerFrame(skin.Top.Bitmap.Height(), skin.Top.FrameCount);
        metrics.Left = PerFrame(skin.Left.Bitmap.Width(), skin.Left.FrameCount);
        metrics.Right = PerFrame(skin.Right.Bitmap.Width(), skin.Right.FrameCount);
        metrics.Bottom = PerFrame(skin.Bottom.Bitmap.Height(), skin.Bottom.FrameCount);
    }
    if (traits.HasMenu && traits.Mdi != TMdiRole::Child) metrics.MenuBar = std::max(menuBarHeight, 0);
    return metrics;
}

TFrameLayout LayoutFrame(const TFrameMetrics& m, TViewSize size) {
    const int w = std::max(size.Width, 0);
    const int h = std::max(size.Height, 0);
    // Left and right pieces run the full height and win over each other's room from the left.
    const int leftEdge = std::min(m.Left, w);
    const int rightEdge = std::max(leftEdge, w - m.Right);
    const int captionBottom = std::min(m.Caption, h);
    const int menuBottom = std::min(m.Caption + m.MenuBar, h);
    const int bottomTop = std::max(menuBottom, h - m.Bottom);
    TFrameLayout layout;
    layout.Left = Ordered(0, 0, leftEdge, h);
    layout.Right = Ordered(rightEdge, 0, w, h);
    layout.Bottom = Ordered(leftEdge, bottomTop, rightEdge, h);
    layout.Caption = Ordered(leftEdge, 0, rightEdge, captionBottom);
    layout.MenuBar = m.MenuBar > 0 ? Ordered(leftEdge, captionBottom, rightEdge, menuBottom) : TViewRect{};
    layout.Client = Ordered(leftEdge, menuBottom, rightEdge, bottomTop);
    return layout;
}

TViewRect ClientRectFor(const TFrameMetrics& m, const TViewRect& window) {
    const TFrameLayout layout = LayoutFrame(m, {window.Right - window.Left, window.Bottom - window.Top});
    return {window.Left + layout.Client.Left, window.Top + layout.Client.Top, window.Left + layout.Client.Right,
            window.Top + layout.Client.Bottom};
}

TViewSize WindowSizeFor(const TFrameMetrics& m, TViewSize client) {
    return {client.Width + m.Left + m.Right, client.Height + m.Caption + m.Bottom + m.MenuBar};
}

bool FramePainted(const TFrameWindowTraits& traits, const TFrameWindowState& state) {
    if (traits.Kind == TFrameKind::Frameless) return false;
    return !(traits.Mdi == TMdiRole::Child && state.Maximised());
}

}  // namespace tips::skin
