#pragma once
// One window's skinned frame: the borders, the title bar with its fixed text and buttons drawn from the
// skin, the client area the frame leaves, what each point of the frame is, and the title-bar buttons
// answering the mouse. The window's own procedure keeps everything inside the client area.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/font.hpp"
#include "skin/frame_painter.hpp"
#include "skin/nc_element_tracker.hpp"
#include "skin/win32/skin_context.hpp"
#include "skin/win32/skin_form_controls.hpp"
#include "skin/win32/skin_menu_bar.hpp"
#include "skin/win32/skin_menu_items.hpp"
#include "skin/win32/skin_system_menu.hpp"
#include "skin/win32/window_subclass.hpp"

namespace tips::skin::win32 {

class TSkinForm {
public:
    // Takes the window's frame over; the window keeps its client size. What the context refers to must
    // outlive the form. `onDestroyed` runs once the window is gone.
    TSkinForm(HWND window, TSkinContext context, std::function<void()> onDestroyed = {});
    // Gives the window its own frame back (styles and region), keeping its client size.
    ~TSkinForm();
    TSkinForm(const TSkinForm&) = delete;
    TSkinForm& operator=(const TSkinForm&) = delete;

    HWND Window() const { return window_; }
    bool Attached() const { return subclass_ && subclass_->Attached(); }
    const TFrameMetrics& Metrics() const { return metrics_; }
    // The frame laid out for the window's present size and state, in window coordinates.
    TFrameGeometry Geometry() const;

    // The window's controls, skinned from here on and given back with the frame.
    void AttachControls(std::unique_ptr<TSkinFormControls> controls);
    TSkinMenuItems& MenuItems() { return menuItems_; }
    // The menu bar drawn in the frame, when the window had a menu; nullptr otherwise.
    TSkinMenuBar* MenuBar() { return menuBar_.get(); }

    static constexpr UINT_PTR kHoverTimer = 0x5EED;

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next);
    TFrameScene Scene() const;
    TFrameHit HitAt(POINT screen) const;
    LRESULT HitTestAnswer(POINT screen) const;
    void PaintFrame();
    void Apply(const std::vector<TNcChange>& changes);
    void RunButton(int laidOutIndex);
    void HoverTick();
    void UpdateShow();
    void UpdateRegion();
    void KeepClientSize(SIZE client);
    // A message box whose caption would not fit its title bar is made wider, its children kept centred.
    void WidenMessageBoxToItsCaption();
    void PressMenuItem(const TFrameHit& hit);
    bool KeyMenu(char key);
    std::vector<TViewRect> MenuItemRects() const;

    HWND window_;
    TSkinContext context_;
    const TSkinData& skin_;
    TSkinFramePainter painter_;
    std::unique_ptr<platform::TFont> titleFont_;
    std::unique_ptr<platform::TFont> menuFont_;
    LONG_PTR savedStyle_ = 0;
    LONG_PTR removedStyles_ = 0;
    TFrameWindowTraits traits_;
    TFrameWindowState state_;
    TFrameMetrics metrics_;
    TNcElementTracker tracker_;
    bool capturing_ = false;
    TSkinSystemMenu systemMenu_{window_};
    TSkinMenuItems menuItems_{context_};
    std::unique_ptr<TWindowSubclass> subclass_;
    std::unique_ptr<TSkinMenuBar> menuBar_;
    std::unique_ptr<TSkinFormControls> controls_;
};

}  // namespace tips::skin::win32
