#pragma once
// The base of every control companion: a hold on the control's window that paints it from the skin
// in place of its own picture, repaints it when its focus, enabled state or caption changes, and
// answers the form's hover tick with a leave once the cursor is elsewhere.

#include <windows.h>

#include <string>

#include "platform/canvas.hpp"
#include "skin/win32/skin_context.hpp"
#include "skin/win32/window_subclass.hpp"

namespace tips::skin::win32 {

class TSkinControl {
public:
    TSkinControl(HWND window, TSkinContext context);
    virtual ~TSkinControl();
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    HWND Window() const { return hold_.Window(); }
    // False once the window is gone (the companion is then purged by its form's list).
    bool Alive() const { return alive_ && hold_.Attached(); }

    // Draws the control again (after the skin's colours were set again).
    virtual void Refresh();
    // The form's hover tick: a hot control whose window the cursor left gets its leave.
    void HoverTick();

protected:
    const TSkinContext& Context() const { return context_; }
    // A window's caption text (a control's caption is its window text).
    static std::string WindowText(HWND window);
    // Messages the family handles before the window's procedure: true when `result` is the answer.
    virtual bool PreFilter(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Draws the whole client area; `client` is its rectangle.
    virtual void Paint(platform::TCanvas& canvas, const RECT& client, HWND window) = 0;
    // False for families that leave the client area to the control's own painting.
    virtual bool PaintsClient() const { return true; }
    // The cursor left the window.
    virtual void MouseLeft() {}
    virtual bool Hot() const { return false; }
    void Redraw() const;

private:
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next);
    void PaintTo(HDC target);

    TSkinContext context_;
    bool alive_ = true;
    TWindowSubclass hold_;
};

}  // namespace tips::skin::win32
