#pragma once
// The splitter panel: panes side by side (or stacked) with a bar between each two that the user drags,
// and a grip button on the bar that collapses the first pane and restores it. The bar's place is kept
// as a whole percentage, so the panes keep their shares when the panel is resized.
//
// Set it up like a form layout: construct the panel, its panes (each registers itself, and each
// pane beyond the first adds a bar), set Bars(i)'s properties; LayoutLoaded then lays it out once.

#include <windows.h>

#include <functional>
#include <vector>

#include "widgets/splitter_drag.hpp"
#include "widgets/splitter_hover_cursor.hpp"
#include "widgets/splitter_layout.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/window_services.hpp"

namespace tips::widgets {

class TExtSplitterPane;

class TExtSplitterPanel : public TWinControl, private TExtSplitterView, private TExtSplitterDragPort {
public:
    explicit TExtSplitterPanel(TWinControl* parent);
    ~TExtSplitterPanel() override;

    TExtSplitterOrientation Orientation() const { return layout_.Orientation(); }
    void SetOrientation(TExtSplitterOrientation value) { layout_.SetOrientation(value); }
    bool InstantUpdate() const { return layout_.InstantUpdate(); }
    void SetInstantUpdate(bool value) { layout_.SetInstantUpdate(value); }
    // Total width of the bevel round the panel (0: none).
    int BevelWidth() const { return layout_.BevelWidth(); }
    void SetBevelWidth(int value) { layout_.SetBevelWidth(value); }

    // The bars in use (visible panes minus one) and every bar item the collection holds.
    int BarCount() const { return layout_.BarCount(); }
    int BarItemCount() const { return layout_.BarItemCount(); }
    TExtSplitterBarItem& Bars(int index) { return layout_.Bar(index); }

    int PaneCount() const { return static_cast<int>(panes_.size()); }
    TExtSplitterPane& Panes(int index) const { return *panes_.at(static_cast<std::size_t>(index)); }
    // Shows or hides a pane and lays the panel out again.
    void SetPaneVisible(int index, bool visible);

    // After a drag of bar `barIndex` ended.
    std::function<void(TExtSplitterPanel& sender, int barIndex)> OnSplitChange;

    void LayoutLoaded() override;
    // Every resize: the full relayout, which places the panes.
    void AlignControls() override;

    const TExtSplitterLayout& Layout() const { return layout_; }
    bool Dragging() const { return drag_.Dragging(); }

protected:
    void CreateParams(TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class TExtSplitterPane;
    void RegisterPane(TExtSplitterPane& pane);
    void UnregisterPane(TExtSplitterPane& pane);

    // TExtSplitterView
    void PlacePanes(const std::vector<TSplitterPanePlacement>& placements) override;
    void InvalidatePanel() override;
    void InvalidateBar(const platform::TViewRect& rect) override;
    // TExtSplitterDragPort
    void InvertGhost(const platform::TViewRect& rect) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;

    void Paint();
    bool SetCursorFromHitPoint();
    void TrackLeave();

    // Invalidation and capture. The panel's background shows between and behind the bars: erase it.
    TWin32WindowServices services_{*this, TWin32WindowServices::TErase::Yes};
    TExtSplitterLayout layout_{this};
    TExtSplitterDrag drag_{layout_, *this};
    TExtSplitterHover hover_{layout_};
    std::vector<TExtSplitterPane*> panes_;
    bool trackingLeave_ = false;
};

}  // namespace tips::widgets
