#pragma once
// A control that lives inside another: it knows its parent and its children, is placed as designed and
// follows its parent's size by its alignment or its anchors, and takes part in the tab order. Windows are
// made lazily: a form creates its own window and then, in tab order, those of its children.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/view_geometry.hpp"
#include "widgets/control_align.hpp"
#include "widgets/win32/graphic_control.hpp"
#include "widgets/win32/window.hpp"

namespace tips::widgets {

class TWinControl : public TWindow {
public:
    // A control registers with its parent, which must outlive it (declare parents first). A form has none.
    explicit TWinControl(TWinControl* parent);
    ~TWinControl() override;

    TWinControl* Parent() const { return parent_; }
    const std::vector<TWinControl*>& Controls() const { return controls_; }

    std::string Name;  // the component's name, as the window that owns it calls it
    int Tag = 0;       // free for the program; the skin leaves controls alone by it

    // Placement in the parent's client area. Setting it also makes it the layout the anchors keep.
    void SetBounds(int left, int top, int width, int height);
    platform::TViewRect BoundsRect() const;
    int Left() const { return BoundsRect().Left; }
    int Top() const { return BoundsRect().Top; }
    int Width() const;
    int Height() const;

    TAlign Align() const { return placement_.align; }
    void SetAlign(TAlign align);       // also gives the anchors of that alignment
    TAnchors Anchors() const { return placement_.anchors; }
    void SetAnchors(TAnchors anchors);

    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop);

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    std::string Caption() const;
    void SetCaption(const std::string& caption);

    // The font the window draws with: its own when one was set (the caller keeps it alive), else its parent's.
    HFONT Font() const;
    void SetFont(HFONT font);

    bool Focused() const;
    void SetFocus();

    // Creates this window, if it is not there yet, then the children's in tab order, then places them.
    void HandleNeeded();

    // After the owning form's layout is built; the default runs every child's hook.
    virtual void LayoutLoaded();
    // Places the children by their alignment and anchors; runs on every resize.
    virtual void AlignControls();

    // Whether Tab may stop here: a visible, enabled tab stop.
    virtual bool CanTabTo() const;
    // The focusable controls of this subtree in tab order, this control first when it is one.
    void CollectTabStops(std::vector<TWinControl*>& stops);

    // The control of ours that holds a window, or the nearest such ancestor of it.
    static TWinControl* FindControl(HWND hwnd);

    // The windowless controls painted on this one, in creation order (the last one on top).
    const std::vector<TGraphicControl*>& GraphicControls() const { return graphicControls_; }
    // The topmost visible, enabled graphic control at a point of the client area, or nullptr.
    TGraphicControl* GraphicControlAt(int x, int y) const;

    std::function<void(TWinControl& sender)> OnEnter;
    std::function<void(TWinControl& sender)> OnExit;

protected:
    // The window's class and styles. The default makes a child window of our class "TWinControl".
    virtual void CreateParams(TWindowParams& params);
    // Runs after the window exists and before its children are made.
    virtual void CreateWnd() {}
    // Notifications a parent receives from a child window (WM_COMMAND, WM_NOTIFY) are handed to the child.
    virtual LRESULT HandleCommand(WORD /*code*/) { return 0; }
    virtual LRESULT HandleNotify(NMHDR& /*header*/) { return 0; }

    // Makes the children's windows, in tab order (a form calls it after making its own window).
    void CreateChildHandles();

    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Paints the graphic controls over what the window drew. WM_PAINT does it here; a class that
    // handles WM_PAINT itself calls it with its paint context once its own picture is drawn.
    void PaintGraphicControls(HDC dc) const;
    // Hands a mouse message, or WM_SETCURSOR, to the graphic control it is for: true when one took it.
    // WndProc does it first; a class that handles one of these messages itself calls it before.
    bool RouteToGraphicControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    friend class TGraphicControl;
    void AddGraphicControl(TGraphicControl* control) { graphicControls_.push_back(control); }
    void RemoveGraphicControl(TGraphicControl* control);
    void GraphicControlDisabled(TGraphicControl* control);
    bool OwnsGraphicControl(const TGraphicControl* control) const;

    void CreateOwnHandle();   // this window only, and its parent's when that is missing
    platform::TViewSize ClientViewSize() const;
    void RememberParentSize();

    TWinControl* parent_;
    std::vector<TWinControl*> controls_;
    TPlacement placement_{TAlign::alNone, kDefaultAnchors, {0, 0, 100, 25}, {}};
    int tabOrder_ = 0;
    bool tabStop_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    HFONT font_ = nullptr;
    std::vector<TGraphicControl*> graphicControls_;
    TGraphicControl* pressed_ = nullptr;  // took a left press; gets the moves and the release
    bool pressClicks_ = false;            // the press was not the second of a double click
};

}  // namespace tips::widgets
