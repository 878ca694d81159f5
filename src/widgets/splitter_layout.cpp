#include "widgets/splitter_layout.hpp"

#include <algorithm>

namespace tips::widgets {

using platform::TViewRect;

int TExtSplitterLayout::AddPane() {
    if (PaneCount() >= kMaxPanes) return -1;
    paneVisible_.push_back(true);
    if (BarItemCount() < PaneCount() - 1) bars_.push_back(std::make_unique<TExtSplitterBarItem>(this));
    RelayoutAfterPaneChange();
    return PaneCount() - 1;
}

void TExtSplitterLayout::RemovePane(int index) {
    if (index < 0 || index >= PaneCount()) return;
    paneVisible_.erase(paneVisible_.begin() + index);
    if (orientation_ == TExtSplitterOrientation::spCross) orientation_ = TExtSplitterOrientation::spVertRight;
    if (BarItemCount() > std::max(0, PaneCount() - 1)) bars_.pop_back();
    RelayoutAfterPaneChange();
}

void TExtSplitterLayout::SetPaneVisible(int index, bool visible) {
    const auto slot = static_cast<std::size_t>(index);
    if (paneVisible_.at(slot) == visible) return;
    paneVisible_[slot] = visible;
    RelayoutAfterPaneChange();
}

void TExtSplitterLayout::RelayoutAfterPaneChange() {
    if (loading_) return;
    if (orientation_ == TExtSplitterOrientation::spCross) orientation_ = TExtSplitterOrientation::spVertRight;
    Relayout();
}

int TExtSplitterLayout::VisiblePaneCount() const {
    return static_cast<int>(std::count(paneVisible_.begin(), paneVisible_.end(), true));
}

int TExtSplitterLayout::NthVisiblePane(int n) const {
    for (int i = 0; i < PaneCount(); ++i) {
        if (paneVisible_[static_cast<std::size_t>(i)] && n-- == 0) return i;
    }
    return -1;
}

int TExtSplitterLayout::BarCount() const {
    return std::min(BarItemCount(), std::max(0, VisiblePaneCount() - 1));
}

int TExtSplitterLayout::IndexOf(const TExtSplitterBarItem& bar) const {
    for (int i = 0; i < BarItemCount(); ++i) {
        if (bars_[static_cast<std::size_t>(i)].get() == &bar) return i;
    }
    return -1;
}

void TExtSplitterLayout::SetOrientation(TExtSplitterOrientation value) {
    if (value == orientation_) return;
    if (value == TExtSplitterOrientation::spCross && PaneCount() < kMaxPanes && !loading_) return;
    orientation_ = value;
    Relayout();
}

void TExtSplitterLayout::SetBevelWidth(int value) {
    if (value == bevelWidth_) return;
    bevelWidth_ = value;
    Relayout();
}

void TExtSplitterLayout::SetClientSize(platform::TViewSize size) {
    clientSize_ = size;
    Relayout();
}

void TExtSplitterLayout::EndLoading() {
    loading_ = false;
    Relayout();
}

void TExtSplitterLayout::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0) Relayout();
}

bool TExtSplitterLayout::Horizontal() const {
    return orientation_ == TExtSplitterOrientation::spHorzDown || orientation_ == TExtSplitterOrientation::spHorzUp;
}

void TExtSplitterLayout::Relayout() {
    if (loading_ || destroying_ || updateCount_ > 0) return;
    const bool horizontal = Horizontal();
    for (auto& bar : bars_) bar->SetHorizontal(horizontal);
    if (VisiblePaneCount() == 2 && !bars_.empty()) {
        TExtSplitterBarItem& bar = *bars_.front();
        const int length = horizontal ? clientSize_.Height : clientSize_.Width;
        // A panel narrower than its bar has no room to share, not a negative one.
        bar.SetExtent(std::max(0, length - 2 * bevelWidth_ - bar.Width()));
    }
    for (int i = 0; i < BarCount(); ++i) Bar(i).Recompute();
    PlacePanes();
    if (view_) view_->InvalidatePanel();
}

void TExtSplitterLayout::PlacePanes() {
    if (view_) view_->PlacePanes(PanePlacements());
}

TViewRect TExtSplitterLayout::InnerRect() const {
    const int w = bevelWidth_;
    TViewRect inner{w, w, clientSize_.Width - w, clientSize_.Height - w};
    inner.Right = std::max(inner.Left, inner.Right);
    inner.Bottom = std::max(inner.Top, inner.Bottom);
    return inner;
}

TViewRect TExtSplitterLayout::BarRect(int index) const {
    if (VisiblePaneCount() < 2 || index != 0 || bars_.empty()) return {};
    const TExtSplitterBarItem& bar = *bars_.front();
    const int w = bevelWidth_;
    const int p = bar.Position();
    if (bar.Horizontal()) return {w, w + p, clientSize_.Width - w, w + p + bar.Width()};
    return {w + p, w, w + p + bar.Width(), clientSize_.Height - w};
}

std::vector<TSplitterPanePlacement> TExtSplitterLayout::PanePlacements() const {
    std::vector<TSplitterPanePlacement> placements;
    const TViewRect r = InnerRect();
    const int visible = VisiblePaneCount();
    if (visible == 1) {
        placements.push_back({NthVisiblePane(0), r});
    } else if (visible >= 2 && !bars_.empty()) {
        const TExtSplitterBarItem& bar = *bars_.front();
        const int p = bar.Position();
        const int width = bar.Width();
        // Positions outside the panel (limits that contradict each other) give empty panes, never
        // rectangles turned inside out.
        const auto along = [](int origin, int offset, int last) { return std::clamp(origin + offset, origin, last); };
        if (bar.Horizontal()) {
            const int split = along(r.Top, p, r.Bottom);
            const int after = along(r.Top, p + width, r.Bottom);
            placements.push_back({NthVisiblePane(0), {r.Left, r.Top, r.Right, split}});
            placements.push_back({NthVisiblePane(1), {r.Left, after, r.Right, r.Bottom}});
        } else {
            const int split = along(r.Left, p, r.Right);
            const int after = along(r.Left, p + width, r.Right);
            placements.push_back({NthVisiblePane(0), {r.Left, r.Top, split, r.Bottom}});
            placements.push_back({NthVisiblePane(1), {after, r.Top, r.Right, r.Bottom}});
        }
        for (int n = 2; n < visible; ++n) placements.push_back({NthVisiblePane(n), {}});
    }
    return placements;
}

void TExtSplitterLayout::PaintBar(platform::TCanvas& canvas, int index, platform::TColor background) {
    if (loading_ || index < 0 || index >= BarItemCount()) return;
    Bar(index).SetGripButtonRect(PaintSplitterBar(canvas, Bar(index), BarRect(index), background));
}

void TExtSplitterLayout::BarLayoutChanged(TExtSplitterBarItem&) { Relayout(); }

void TExtSplitterLayout::BarNeedsRepaint(TExtSplitterBarItem& bar) {
    const int index = IndexOf(bar);
    if (view_ && !loading_ && index >= 0) view_->InvalidateBar(BarRect(index));
}

}  // namespace tips::widgets
