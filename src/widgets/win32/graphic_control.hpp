#pragma once
// A control without a window of its own: its parent paints it, after the parent's own background and
// in creation order, and hands it the mouse while the pointer is over it (the topmost visible, enabled
// one under the point). Labels, bevels and pictures are such controls: a window each would cost handles
// and would hide the parent's background.

#include <windows.h>

#include <string>

#include "platform/canvas.hpp"
#include "platform/view_geometry.hpp"
#include "widgets/mouse_button.hpp"

namespace tips::widgets {

class TWinControl;

class TGraphicControl {
public:
    // Registers with the parent, which must outlive the control (declare parents first).
    explicit TGraphicControl(TWinControl* parent);
    TGraphicControl(const TGraphicControl&) = delete;
    TGraphicControl& operator=(const TGraphicControl&) = delete;
    virtual ~TGraphicControl();

    TWinControl* Parent() const { return parent_; }

    std::string Name;  // the component's name, as the window that owns it calls it

    // Placement in the parent's client area.
    void SetBounds(int left, int top, int width, int height);
    platform::TViewRect BoundsRect() const { return bounds_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Right - bounds_.Left; }
    int Height() const { return bounds_.Bottom - bounds_.Top; }
    // The control's own rectangle, from 0, 0: what Paint draws in.
    platform::TViewRect ClientRect() const { return {0, 0, Width(), Height()}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // Repaints the control's rectangle on the parent (at its next paint).
    void Invalidate() const;

    // The cursor shown while the mouse is over the control; nullptr leaves the parent's.
    HCURSOR Cursor() const { return cursor_; }
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }

protected:
    // The canvas has its origin at the control's top-left and is clipped to its bounds. Runs from the
    // parent's WM_PAINT, only while the control is visible.
    virtual void Paint(platform::TCanvas& canvas) = 0;
    // Points are in the control's coordinates. While a button is held after a press on the control,
    // every move and the release come here, wherever the mouse is.
    virtual void MouseDown(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void MouseMove(int /*x*/, int /*y*/) {}
    virtual void MouseUp(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    // A left press and release both over the control, while it stayed enabled. The second press of a
    // double click comes as MouseDown and MouseUp without a click, so a double click is one click.
    virtual void Click() {}
    // After the layout of the form it is on was built (TWinControl::LayoutLoaded).
    virtual void LayoutLoaded() {}

private:
    friend class TWinControl;

    TWinControl* parent_;
    platform::TViewRect bounds_{0, 0, 65, 17};
    bool visible_ = true;
    bool enabled_ = true;
    HCURSOR cursor_ = nullptr;
};

}  // namespace tips::widgets
