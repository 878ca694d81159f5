#pragma once
// The bases a windowless label stands on, kept apart from any window: TExtBaseControl holds what every
// such control has (placement, visibility, enabled state, cursor, the click event, the loading
// bracket) and tells the platform side of each change through its hooks; TExtBaseGraphicControl adds
// painting on a canvas. The Win32 side derives from them and shows them as a graphic control.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/canvas.hpp"
#include "platform/view_geometry.hpp"
#include "widgets/mouse_button.hpp"

namespace tips::widgets {

enum class TExtCursor : std::uint8_t { crDefault, crHandPoint };

class TExtBaseControl {
public:
    TExtBaseControl() = default;
    TExtBaseControl(const TExtBaseControl&) = delete;
    TExtBaseControl& operator=(const TExtBaseControl&) = delete;
    virtual ~TExtBaseControl() = default;

    std::string Name;

    void SetBounds(int left, int top, int width, int height);
    const platform::TViewRect& BoundsRect() const { return bounds_; }
    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Right - bounds_.Left; }
    int Height() const { return bounds_.Bottom - bounds_.Top; }
    platform::TViewRect ClientRect() const { return {0, 0, Width(), Height()}; }

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    TExtCursor Cursor() const { return cursor_; }
    void SetCursor(TExtCursor cursor);

    // While a form's layout is being read: setters store and skip what depends on the whole layout;
    // ending it runs Loaded.
    bool Loading() const { return loading_; }
    void BeginLoading() { loading_ = true; }
    void EndLoading();

    std::function<void(TExtBaseControl& sender)> OnClick;

    // The mouse, in the control's coordinates, as the platform side hands it on.
    virtual void MouseDown(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    virtual void MouseUp(TMouseButton /*button*/, int /*x*/, int /*y*/) {}
    // A left press and release over the enabled control; the default runs OnClick.
    virtual void Click();

protected:
    virtual void Loaded() {}
    // Hooks for the platform side: the look changed (repaint), and each property it shows changed.
    virtual void Changed() {}
    virtual void BoundsChanged() {}
    virtual void VisibleChanged() {}
    virtual void EnabledChanged() {}
    virtual void CursorChanged() {}

private:
    platform::TViewRect bounds_{0, 0, 65, 17};
    bool visible_ = true;
    bool enabled_ = true;
    bool loading_ = false;
    TExtCursor cursor_ = TExtCursor::crDefault;
};

class TExtBaseGraphicControl : public TExtBaseControl {
public:
    // The background, where the control fills it.
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor color);

    // Draws the control with the canvas's origin at its top-left.
    virtual void Paint(platform::TCanvas& canvas) = 0;

private:
    platform::TColor color_ = platform::clBtnFace;
};

}  // namespace tips::widgets
