#include "widgets/control_align.hpp"

#include <algorithm>
#include <array>

namespace tips::widgets {
namespace {

using platform::TViewRect;
using platform::TViewSize;

int Width(const TViewRect& rect) { return rect.Right - rect.Left; }
int Height(const TViewRect& rect) { return rect.Bottom - rect.Top; }

// One axis of an unaligned child: its start and length for a parent of the given length.
struct TSpan {
    int start;
    int length;
};

TSpan AnchoredSpan(int start, int length, int designParent, int parent, bool nearAnchor, bool farAnchor) {
    const int farGap = designParent - (start + length);
    if (nearAnchor && farAnchor) return {start, std::max(0, parent - farGap - start)};
    if (farAnchor) return {parent - farGap - length, length};
    if (nearAnchor) return {start, length};
    // Neither side: the centre stays at the same fraction of the parent.
    if (designParent <= 0) return {start, length};
    const long long centre2 = 2LL * start + length;
    return {static_cast<int>(centre2 * parent / designParent / 2 - length / 2), length};
}

TViewRect PlaceUnaligned(const TPlacement& child, TViewSize client) {
    const TSpan x = AnchoredSpan(child.bounds.Left, Width(child.bounds), child.parent.Width, client.Width,
                                 (child.anchors & akLeft) != 0, (child.anchors & akRight) != 0);
    const TSpan y = AnchoredSpan(child.bounds.Top, Height(child.bounds), child.parent.Height, client.Height,
                                 (child.anchors & akTop) != 0, (child.anchors & akBottom) != 0);
    return {x.start, y.start, x.start + x.length, y.start + y.length};
}

// Places an aligned child against the remaining area and takes its room from that area.
TViewRect PlaceAligned(const TPlacement& child, TViewSize client, TViewRect& remaining) {
    const TViewRect& design = child.bounds;
    TViewRect rect = remaining;
    switch (child.align) {
        case TAlign::alTop: {
            int bottom = remaining.Top + Height(design);
            if (child.anchors & akBottom) bottom = client.Height - (child.parent.Height - design.Bottom);
            rect.Bottom = std::clamp(bottom, remaining.Top, remaining.Bottom);
            remaining.Top = rect.Bottom;
            break;
        }
        case TAlign::alBottom: {
            int top = remaining.Bottom - Height(design);
            if (child.anchors & akTop) top = design.Top;
            rect.Top = std::clamp(top, remaining.Top, remaining.Bottom);
            remaining.Bottom = rect.Top;
            break;
        }
        case TAlign::alLeft: {
            int right = remaining.Left + Width(design);
            if (child.anchors & akRight) right = client.Width - (child.parent.Width - design.Right);
            rect.Right = std::clamp(right, remaining.Left, remaining.Right);
            remaining.Left = rect.Right;
            break;
        }
        case TAlign::alRight: {
            int left = remaining.Right - Width(design);
            if (child.anchors & akLeft) left = design.Left;
            rect.Left = std::clamp(left, remaining.Left, remaining.Right);
            remaining.Right = rect.Left;
            break;
        }
        case TAlign::alClient:
            remaining.Right = remaining.Left;
            remaining.Bottom = remaining.Top;
            break;
        case TAlign::alNone:
            break;
    }
    return rect;
}

}  // namespace

std::vector<TViewRect> AlignChildren(TViewSize client, const std::vector<TPlacement>& children) {
    std::vector<TViewRect> result(children.size());
    TViewRect remaining{0, 0, client.Width, client.Height};
    constexpr std::array kOrder{TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient};
    for (const TAlign align : kOrder) {
        for (std::size_t i = 0; i < children.size(); ++i) {
            if (children[i].align == align) result[i] = PlaceAligned(children[i], client, remaining);
        }
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].align == TAlign::alNone) result[i] = PlaceUnaligned(children[i], client);
    }
    return result;
}

}  // namespace tips::widgets
