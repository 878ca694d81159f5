#pragma once
// One bar of a splitter panel: the boundary between two consecutive visible panes. The percentage is
// the lasting state; the pixel position follows it on every relayout, except while the bar is dragged.

#include <functional>

#include "platform/color.hpp"
#include "platform/view_port.hpp"

namespace tips::widgets {

enum class TExtSplitterOrientation { spHorzDown, spHorzUp, spVertRight, spVertLeft, spCross };
enum class TExtResizeButtonStyle { rbsNoButton, rbsGripOnly, rbsGripWithArrows, rbsFlatGripOnly, rbsFlatGripWithArrows };
enum class TExtSplitterJump { sjUpLeft, sjDnRight };
// The Windows edge drawn round a bar before it is filled; each edge other than none is 2 pixels wide.
enum class TExtBarBorderStyle { lsNone, lsRaised, lsLowered };

// A point in the panel's client area.
struct TSplitterPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TSplitterPoint&, const TSplitterPoint&) = default;
};

// Right and bottom edges are outside, as for every window rectangle.
inline bool Contains(const platform::TViewRect& rect, TSplitterPoint point) {
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

class TExtSplitterBarItem;

// What a bar tells the panel that holds it.
class TExtSplitterBarOwner {
public:
    virtual ~TExtSplitterBarOwner() = default;
    // A change that moves panes or alters the bar's look: the whole panel is laid out again.
    virtual void BarLayoutChanged(TExtSplitterBarItem& bar) = 0;
    // A change that only this bar's paint shows.
    virtual void BarNeedsRepaint(TExtSplitterBarItem& bar) = 0;
};

// Integer percentage of `position` in `extent`, rounded half to even, kept within 0..100.
// `extent` must be positive.
int SplitterPercent(int position, int extent);

class TExtSplitterBarItem {
public:
    explicit TExtSplitterBarItem(TExtSplitterBarOwner* owner = nullptr) : owner_(owner) {}
    TExtSplitterBarItem(const TExtSplitterBarItem&) = delete;
    TExtSplitterBarItem& operator=(const TExtSplitterBarItem&) = delete;

    // Stored properties.
    int Position() const { return position_; }
    void SetPosition(int value);
    int PosPercent() const { return posPercent_; }
    void SetPosPercent(int value);
    int OldPosition() const { return oldPosition_; }
    void SetOldPosition(int value);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Width() const { return width_; }
    void SetWidth(int value);
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    platform::TColor ResizeColor() const { return resizeColor_; }
    void SetResizeColor(platform::TColor value);
    TExtResizeButtonStyle ResizeButtonStyle() const { return resizeButtonStyle_; }
    void SetResizeButtonStyle(TExtResizeButtonStyle value);
    TExtSplitterJump ResizeDirection() const { return resizeDirection_; }
    void SetResizeDirection(TExtSplitterJump value);
    bool Locked() const { return locked_; }
    void SetLocked(bool value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TExtBarBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TExtBarBorderStyle value);
    // Legacy form data: True reads as the flat grip with arrows; False changes nothing.
    void SetResizeButton(bool value);

    std::function<void(TExtSplitterBarItem& sender)> OnChange;

    // Run-time state, kept by the panel.
    int Extent() const { return extent_; }
    void SetExtent(int value) { extent_ = value; }
    bool Horizontal() const { return horizontal_; }
    void SetHorizontal(bool value) { horizontal_ = value; }
    bool Dragging() const { return dragging_; }
    void SetDragging(bool value) { dragging_ = value; }
    int DragPosition() const { return dragPosition_; }
    void SetDragPosition(int value) { dragPosition_ = value; }
    bool Moved() const { return moved_; }
    void SetMoved(bool value) { moved_ = value; }
    bool Hot() const { return hot_; }
    void SetHot(bool value);  // a change lays the panel out again
    const platform::TViewRect& GripButtonRect() const { return gripButton_; }
    void SetGripButtonRect(const platform::TViewRect& rect) { gripButton_ = rect; }
    bool Collapsed() const { return oldPosition_ != -1; }
    bool HasGripButton() const { return resizeButtonStyle_ != TExtResizeButtonStyle::rbsNoButton; }

    // The relayout's step for this bar: the position from the percentage, held within Min and
    // extent - Max; a dragged bar instead keeps its pixel position and refreshes its percentage.
    // A bar whose extent is 0 is left alone.
    void Recompute();

    // The grip button's click: collapse toward ResizeDirection, or return to the remembered position.
    void Toggle();

private:
    void PositionFromPercent();
    void PercentFromPosition();
    void Changed();
    void LayoutChanged();

    TExtSplitterBarOwner* owner_;
    int position_ = -1;
    int posPercent_ = 50;
    int oldPosition_ = -1;
    int min_ = 0;
    int max_ = 0;
    int width_ = 3;
    platform::TColor color_ = platform::clBtnFace;
    platform::TColor resizeColor_ = platform::clBtnFace;
    TExtResizeButtonStyle resizeButtonStyle_ = TExtResizeButtonStyle::rbsNoButton;
    TExtSplitterJump resizeDirection_ = TExtSplitterJump::sjUpLeft;
    bool locked_ = false;
    bool transparent_ = false;
    TExtBarBorderStyle borderStyle_ = TExtBarBorderStyle::lsNone;

    int extent_ = 0;
    bool horizontal_ = false;
    bool dragging_ = false;
    int dragPosition_ = 0;
    bool moved_ = false;
    bool hot_ = false;
    platform::TViewRect gripButton_{};
};

}  // namespace tips::widgets
