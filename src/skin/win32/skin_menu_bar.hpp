#pragma once
// A window's menu bar drawn in the skinned frame: the window's own menu is taken from it (so the
// system neither reserves room for it nor draws it) and given back later; its items are read from that
// menu; an item's drop-down is shown by TrackPopupMenuEx below the item, and while it is open the
// arrow keys and presses on the bar move to the other items' drop-downs. Alt alone (or F10) selects
// the bar from the keyboard.

#include <windows.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "platform/view_geometry.hpp"
#include "skin/menu_bar_layout.hpp"
#include "skin/win32/skin_menu_items.hpp"

namespace tips::skin::win32 {

class TSkinMenuBar {
public:
    // The items' rectangles as laid out now, in window coordinates.
    using TItemRects = std::function<std::vector<platform::TViewRect>()>;

    // Takes `menu` (the window's menu) off the window. `repaint` redraws the bar after the open or
    // selected item changed.
    TSkinMenuBar(HWND window, HMENU menu, TSkinMenuItems& menuItems, TItemRects itemRects,
                 std::function<void()> repaint);
    ~TSkinMenuBar();
    TSkinMenuBar(const TSkinMenuBar&) = delete;
    TSkinMenuBar& operator=(const TSkinMenuBar&) = delete;

    // Puts the menu back on the window (not for a window being destroyed: the menu's owner frees it).
    void GiveBack();
    HMENU Menu() const { return menu_; }

    // The top-level items as the menu holds them now (a changed menu shows at once).
    std::vector<TMenuBarItem> Items() const;
    // The item shown pressed (its drop-down is open) or selected from the keyboard.
    std::optional<std::size_t> OpenItem() const { return open_; }
    std::optional<std::size_t> SelectedItem() const { return selected_; }
    bool InMenuMode() const { return open_.has_value() || selected_.has_value(); }
    // The item an Alt+`key` opens.
    std::optional<std::size_t> ItemForKey(char key) const;

    // Opens the item's drop-down and stays in the menu mode until it ends, following the user to
    // other items. From the keyboard the drop-down's first item is selected.
    void Open(std::size_t item, bool fromKeyboard);
    // Asks for `Open` once the current message is done (keys and characters are delivered inside the
    // system's own handling of them).
    void PostOpen(std::size_t item, bool fromKeyboard) const;
    // Alt alone: the first item selected, Left and Right move, Enter, Down or the item's letter open
    // it, Esc, Alt or a press elsewhere leave. Once per key press, whichever path reports it first.
    void PostSelectFromKeyboard();
    // The bar's posted requests and WM_MENUSELECT while open: true when handled.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void SelectFromKeyboard();
    void Track(std::size_t item, bool fromKeyboard);
    bool Filter(const MSG& message);
    void SwitchTo(std::size_t item, bool fromKeyboard);
    bool ChooseFirstItem();
    std::optional<std::size_t> ItemAt(POINT screen) const;
    HMENU SubmenuOf(std::size_t item) const;
    static LRESULT CALLBACK FilterProcedure(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam);
    void KeyboardEvent(WPARAM key, LPARAM flags);

    HWND window_;
    HMENU menu_;
    TSkinMenuItems& menuItems_;
    TItemRects itemRects_;
    std::function<void()> repaint_;
    std::optional<std::size_t> open_;
    std::optional<std::size_t> selected_;
    // Where the open drop-down's selection is: a cascade below it, an item that opens one.
    HMENU selectedMenu_ = nullptr;
    bool selectedOpensCascade_ = false;
    // The item to go to once the open drop-down has closed.
    std::optional<std::size_t> switchTo_;
    bool switchFromKeyboard_ = false;
    // Opened from the keyboard and the first item not selected yet; a command chosen by the filter.
    bool firstItemPending_ = false;
    UINT chosen_ = 0;
    // Alt or F10 pressed with no other key since: its release selects the bar. The controls of the
    // window may keep the keys from the system, so the thread's keyboard hook watches them.
    WPARAM loneKey_ = 0;
    bool selectPosted_ = false;
    HHOOK keyboardHook_ = nullptr;
};

}  // namespace tips::skin::win32
