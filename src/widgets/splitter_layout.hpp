#pragma once
// The splitter panel's geometry: its panes (up to four, in registration order), its bars (one per
// boundary between visible panes), and the full relayout that turns each bar's percentage into a
// pixel position and places the panes. Placement is worked out for one or two visible panes; a
// third or fourth visible pane is registered and counted but gets an empty rectangle.

#include <functional>
#include <memory>
#include <vector>

#include "platform/view_port.hpp"
#include "widgets/splitter_bar.hpp"
#include "widgets/splitter_bar_painter.hpp"

namespace tips::widgets {

struct TSplitterPanePlacement {
    int Pane = 0;  // index in the panel's pane list
    platform::TViewRect Bounds;
    friend bool operator==(const TSplitterPanePlacement&, const TSplitterPanePlacement&) = default;
};

// What the layout asks of the window that shows it.
class TExtSplitterView {
public:
    virtual ~TExtSplitterView() = default;
    virtual void PlacePanes(const std::vector<TSplitterPanePlacement>& placements) = 0;
    virtual void InvalidatePanel() = 0;
    virtual void InvalidateBar(const platform::TViewRect& rect) = 0;
};

class TExtSplitterLayout final : public TExtSplitterBarOwner {
public:
    static constexpr int kMaxPanes = 4;

    explicit TExtSplitterLayout(TExtSplitterView* view = nullptr) : view_(view) {}
    TExtSplitterLayout(const TExtSplitterLayout&) = delete;
    TExtSplitterLayout& operator=(const TExtSplitterLayout&) = delete;

    void SetView(TExtSplitterView* view) { view_ = view; }

    // Panes. AddPane returns the new pane's index, or -1 when the panel already holds four.
    int AddPane();
    void RemovePane(int index);
    void SetPaneVisible(int index, bool visible);
    bool PaneVisible(int index) const { return paneVisible_.at(static_cast<std::size_t>(index)); }
    int PaneCount() const { return static_cast<int>(paneVisible_.size()); }
    int VisiblePaneCount() const;
    int NthVisiblePane(int n) const;  // -1 when there are fewer visible panes

    // Bars: the collection holds one item per boundary between registered panes; only the first
    // BarCount() of them (visible panes minus one) are in use.
    int BarCount() const;
    int BarItemCount() const { return static_cast<int>(bars_.size()); }
    TExtSplitterBarItem& Bar(int index) { return *bars_.at(static_cast<std::size_t>(index)); }
    const TExtSplitterBarItem& Bar(int index) const { return *bars_.at(static_cast<std::size_t>(index)); }
    int IndexOf(const TExtSplitterBarItem& bar) const;

    TExtSplitterOrientation Orientation() const { return orientation_; }
    void SetOrientation(TExtSplitterOrientation value);
    bool InstantUpdate() const { return instantUpdate_; }
    void SetInstantUpdate(bool value) { instantUpdate_ = value; }
    // Total width of the frame drawn round the panel.
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int value);
    platform::TViewSize ClientSize() const { return clientSize_; }
    void SetClientSize(platform::TViewSize size);  // a resize: full relayout

    // Brackets in which no relayout runs. EndLoading runs the one relayout after loading; the
    // outermost EndUpdate runs one too.
    void BeginLoading() { loading_ = true; }
    void EndLoading();
    bool Loading() const { return loading_; }
    void BeginUpdate() { ++updateCount_; }
    void EndUpdate();
    void BeginDestroy() { destroying_ = true; }

    // Every bar's position from its percentage (a dragged bar: the reverse), then the panes.
    void Relayout();
    void PlacePanes();

    // Client rectangle shrunk by the bevel.
    platform::TViewRect InnerRect() const;
    platform::TViewRect BarRect(int index) const;
    std::vector<TSplitterPanePlacement> PanePlacements() const;

    // Paints bar `index`; the bar keeps the grip button rectangle it shows. Nothing while loading.
    // `background` is what a transparent bar shows.
    void PaintBar(platform::TCanvas& canvas, int index, platform::TColor background);

    // Fires after a drag ends (sender is the window that owns this layout).
    std::function<void(int barIndex)> OnSplitChange;

private:
    void BarLayoutChanged(TExtSplitterBarItem& bar) override;
    void BarNeedsRepaint(TExtSplitterBarItem& bar) override;
    bool Horizontal() const;
    void RelayoutAfterPaneChange();

    TExtSplitterView* view_;
    std::vector<bool> paneVisible_;
    std::vector<std::unique_ptr<TExtSplitterBarItem>> bars_;
    TExtSplitterOrientation orientation_ = TExtSplitterOrientation::spVertRight;
    bool instantUpdate_ = false;
    int bevelWidth_ = 0;
    platform::TViewSize clientSize_{200, 100};
    bool loading_ = false;
    bool destroying_ = false;
    int updateCount_ = 0;
};

}  // namespace tips::widgets
