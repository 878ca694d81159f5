#pragma once
// The control companions of one skinned window: which of its controls get which family (by DisableTag,
// the class map and the switches), made in ownership order, dropped when their control is gone, told
// when the hovered control lost the cursor, and detached all together.

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/skin_class_map.hpp"
#include "skin/win32/skin_context.hpp"
#include "skin/win32/skin_control.hpp"
#include "skin/win32/skin_scroll_bar.hpp"

namespace tips::widgets {
class TForm;
class TWinControl;
}  // namespace tips::widgets

namespace tips::skin::win32 {

// The kind and class name the class tests see for one of our controls.
TControlCandidate CandidateFor(const widgets::TWinControl& control);

class TSkinFormControls {
public:
    explicit TSkinFormControls(TSkinContext context);
    ~TSkinFormControls();  // every companion detached: procedures and colours back
    TSkinFormControls(const TSkinFormControls&) = delete;
    TSkinFormControls& operator=(const TSkinFormControls&) = delete;

    void AttachForm(widgets::TForm& form);  // every control of the form, in ownership order
    void AttachPlainWindow(HWND window);    // the direct children, by window class
    void Refresh();                         // colours set again, controls repainted
    void HoverTick();                       // the cursor left the hot control: it gets its leave

    // Whether a window has a companion here (a destroyed control's is purged first).
    bool Skins(HWND window);
    std::size_t Count();

private:
    void AttachControl(widgets::TWinControl& control);
    void Make(TSkinFamily family, HWND window);
    // The families that need the control object itself (its colour, its look).
    bool MakeFor(const TControlMapping& mapping, widgets::TWinControl& control);
    void Purge();

    TSkinContext context_;
    TSkinClassMap classMap_;
    std::vector<std::unique_ptr<TSkinControl>> companions_;
    struct TScrollBarCompanion {
        HWND Window;
        std::unique_ptr<TSkinScrollBar> Bars;
    };
    std::vector<TScrollBarCompanion> scrollBars_;
};

}  // namespace tips::skin::win32
