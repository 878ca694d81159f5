#include "skin/win32/skin_menu_bar.hpp"

#include <windowsx.h>

#include <string>
#include <utility>

#include "skin/win32/skin_manager.hpp"

namespace tips::skin::win32 {
namespace {

UINT OpenRequest() {
    static const UINT message = RegisterWindowMessageA("TipsSkinMenuBarOpen");
    return message;
}
UINT SelectRequest() {
    static const UINT message = RegisterWindowMessageA("TipsSkinMenuBarSelect");
    return message;
}

// The bar whose drop-down is open on this thread: the message filter hook has no other context.
thread_local TSkinMenuBar* tracking = nullptr;
// Every bar of the thread, for its keyboard hook.
thread_local std::vector<TSkinMenuBar*> bars;

bool IsAltKey(WPARAM key) { return key == VK_MENU || key == VK_LMENU || key == VK_RMENU; }

std::string ItemText(HMENU menu, UINT position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

bool IsPress(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK || message == WM_NCLBUTTONDOWN ||
           message == WM_NCLBUTTONDBLCLK;
}
bool IsMove(UINT message) { return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE; }

// A mouse message's point on the screen: non-client messages carry it, the others are client-relative.
POINT ScreenPointOf(const MSG& message) {
    POINT at{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const bool nonClient = message.message >= WM_NCMOUSEMOVE && message.message <= WM_NCMBUTTONDBLCLK;
    if (!nonClient && message.hwnd) ClientToScreen(message.hwnd, &at);
    return at;
}

// Scoped: the thread's message filter hook for the menu mode and the bar it serves.
class TFilterHook {
public:
    TFilterHook(TSkinMenuBar& bar, HOOKPROC procedure)
        : previous_(tracking), hook_(SetWindowsHookExW(WH_MSGFILTER, procedure, nullptr, GetCurrentThreadId())) {
        tracking = &bar;
    }
    ~TFilterHook() {
        if (hook_) UnhookWindowsHookEx(hook_);
        tracking = previous_;
    }
    TFilterHook(const TFilterHook&) = delete;
    TFilterHook& operator=(const TFilterHook&) = delete;

private:
    TSkinMenuBar* previous_;
    HHOOK hook_;
};

// Scoped: the manager draws the menu windows made meanwhile as menu-bar drop-downs.
class TMenuBarOpening {
public:
    TMenuBarOpening() {
        if (TSkinManager* manager = TSkinManager::Current()) manager->SetMenuBarOpening(true);
    }
    ~TMenuBarOpening() {
        if (TSkinManager* manager = TSkinManager::Current()) manager->SetMenuBarOpening(false);
    }
    TMenuBarOpening(const TMenuBarOpening&) = delete;
    TMenuBarOpening& operator=(const TMenuBarOpening&) = delete;
};

}  // namespace

TSkinMenuBar::TSkinMenuBar(HWND window, HMENU menu, TSkinMenuItems& menuItems, TItemRects itemRects,
                           std::function<void()> repaint)
    : window_(window), menu_(menu), menuItems_(menuItems), itemRects_(std::move(itemRects)), repaint_(std::move(repaint)) {
    SetMenu(window_, nullptr);
    bars.push_back(this);
    keyboardHook_ = SetWindowsHookExW(WH_KEYBOARD, KeyboardProcedure, nullptr, GetCurrentThreadId());
}

TSkinMenuBar::~TSkinMenuBar() {
    if (keyboardHook_) UnhookWindowsHookEx(keyboardHook_);
    std::erase(bars, this);
}

LRESULT CALLBACK TSkinMenuBar::KeyboardProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        for (TSkinMenuBar* bar : bars) bar->KeyboardEvent(wParam, lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinMenuBar::KeyboardEvent(WPARAM key, LPARAM flags) {
    const bool released = (flags & 0x80000000) != 0;
    const bool repeated = (flags & 0x40000000) != 0;
    if (!released) {
        if (repeated && key == loneKey_) return;
        // Alt pressed while the bar is in its menu mode leaves it; its release must not enter it again.
        loneKey_ = (IsAltKey(key) || key == VK_F10) && !InMenuMode() ? (IsAltKey(key) ? VK_MENU : VK_F10) : 0;
        return;
    }
    const WPARAM lone = IsAltKey(key) ? VK_MENU : key;
    if (loneKey_ != 0 && lone == loneKey_ && !InMenuMode() && GetActiveWindow() == window_ && !IsIconic(window_)) {
        PostSelectFromKeyboard();
    }
    loneKey_ = 0;
}

void TSkinMenuBar::GiveBack() {
    if (menu_ && IsMenu(menu_)) SetMenu(window_, menu_);
}

std::vector<TMenuBarItem> TSkinMenuBar::Items() const {
    std::vector<TMenuBarItem> items;
    const int count = menu_ ? GetMenuItemCount(menu_) : 0;
    for (int position = 0; position < count; ++position) {
        const UINT state = GetMenuState(menu_, static_cast<UINT>(position), MF_BYPOSITION);
        items.push_back({ItemText(menu_, static_cast<UINT>(position)), (state & (MF_GRAYED | MF_DISABLED)) == 0});
    }
    return items;
}

std::optional<std::size_t> TSkinMenuBar::ItemForKey(char key) const {
    if (key == 0) return std::nullopt;
    return ItemForAccelerator(Items(), key);
}

HMENU TSkinMenuBar::SubmenuOf(std::size_t item) const { return GetSubMenu(menu_, static_cast<int>(item)); }

std::optional<std::size_t> TSkinMenuBar::ItemAt(POINT screen) const {
    RECT window{};
    GetWindowRect(window_, &window);
    const int x = screen.x - window.left;
    const int y = screen.y - window.top;
    const std::vector<platform::TViewRect> rects = itemRects_();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const platform::TViewRect& rect = rects[i];
        if (x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom) return i;
    }
    return std::nullopt;
}

void TSkinMenuBar::PostOpen(std::size_t item, bool fromKeyboard) const {
    PostMessageW(window_, OpenRequest(), item, fromKeyboard ? 1 : 0);
}

void TSkinMenuBar::PostSelectFromKeyboard() {
    if (selectPosted_) return;
    selectPosted_ = true;
    PostMessageW(window_, SelectRequest(), 0, 0);
}

bool TSkinMenuBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == OpenRequest()) {
        if (!InMenuMode()) Open(static_cast<std::size_t>(wParam), lParam != 0);
        return true;
    }
    if (message == SelectRequest()) {
        selectPosted_ = false;
        if (!InMenuMode()) SelectFromKeyboard();
        return true;
    }
    if (message == WM_MENUSELECT && open_) {
        selectedMenu_ = reinterpret_cast<HMENU>(lParam);
        const UINT flags = HIWORD(wParam);
        selectedOpensCascade_ = flags != 0xFFFF && (flags & MF_POPUP) != 0;
        if (flags != 0xFFFF && LOWORD(wParam) != 0) firstItemPending_ = false;
    }
    return false;
}

void TSkinMenuBar::Open(std::size_t item, bool fromKeyboard) {
    std::optional<std::size_t> next = item;
    bool keyboard = fromKeyboard;
    // Each switch to another item closes the open drop-down first, then opens the next one here.
    while (next && IsWindow(window_)) {
        switchTo_.reset();
        Track(*next, keyboard);
        next = switchTo_;
        keyboard = switchFromKeyboard_;
    }
    switchTo_.reset();
}

void TSkinMenuBar::Track(std::size_t item, bool fromKeyboard) {
    const std::vector<platform::TViewRect> rects = itemRects_();
    if (item >= rects.size() || item >= Items().size()) return;
    const HMENU submenu = SubmenuOf(item);
    if (!submenu) {
        // A command on the bar itself.
        const UINT id = GetMenuItemID(menu_, static_cast<int>(item));
        if (id != static_cast<UINT>(-1)) PostMessageW(window_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        return;
    }
    RECT window{};
    GetWindowRect(window_, &window);
    const platform::TViewRect& rect = rects[item];
    TPMPARAMS keepClear{};
    keepClear.cbSize = sizeof keepClear;
    keepClear.rcExclude = {window.left + rect.Left, window.top + rect.Top, window.left + rect.Right,
                           window.top + rect.Bottom};

    TOwnerDrawOptions options;
    options.MainMenu = true;
    menuItems_.MakeOwnerDrawn(submenu, options);
    open_ = item;
    selectedMenu_ = submenu;
    selectedOpensCascade_ = false;
    repaint_();
    // From the keyboard the system's own bar selects the drop-down's first item; the menu loop reads
    // this key as its first.
    firstItemPending_ = fromKeyboard;
    chosen_ = 0;
    if (fromKeyboard) PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 0);
    UINT command = 0;
    {
        const TFilterHook hook(*this, FilterProcedure);
        const TMenuBarOpening opening;
        command = static_cast<UINT>(TrackPopupMenuEx(submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                     keepClear.rcExclude.left, keepClear.rcExclude.bottom, window_,
                                                     &keepClear));
    }
    if (command == 0) command = chosen_;
    // The selecting key the menu never read: it must not reach the window's controls.
    MSG left{};
    if (firstItemPending_ && PeekMessageW(&left, window_, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) &&
        left.wParam == VK_DOWN && left.lParam == 0) {
        PeekMessageW(&left, window_, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
    }
    firstItemPending_ = false;
    open_.reset();
    selectedMenu_ = nullptr;
    if (IsWindow(window_)) {
        repaint_();
        if (command != 0) PostMessageW(window_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
}

void TSkinMenuBar::SwitchTo(std::size_t item, bool fromKeyboard) {
    switchTo_ = item;
    switchFromKeyboard_ = fromKeyboard;
    EndMenu();
}

// The drop-down's first item that runs a command, chosen as Enter would once it is selected.
bool TSkinMenuBar::ChooseFirstItem() {
    const HMENU submenu = SubmenuOf(*open_);
    const int count = GetMenuItemCount(submenu);
    for (int position = 0; position < count; ++position) {
        const UINT state = GetMenuState(submenu, static_cast<UINT>(position), MF_BYPOSITION);
        if (state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED | MF_POPUP)) continue;
        chosen_ = GetMenuItemID(submenu, position);
        EndMenu();
        return true;
    }
    return false;
}

bool TSkinMenuBar::Filter(const MSG& message) {
    if (!open_) return false;
    const std::size_t count = Items().size();
    if (count == 0) return false;
    // Keys typed ahead of the drop-down: an Enter read before the first item was selected chooses it.
    if (firstItemPending_ && message.message == WM_KEYDOWN) {
        if (message.wParam == VK_RETURN) return ChooseFirstItem();
        if (message.wParam == VK_DOWN && message.hwnd == window_ && message.lParam == 0) firstItemPending_ = false;
    }
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        const bool rightToLeft = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
        const bool left = message.wParam == (rightToLeft ? VK_RIGHT : VK_LEFT);
        const bool right = message.wParam == (rightToLeft ? VK_LEFT : VK_RIGHT);
        // Inside a cascade Left closes it, on an item that opens one Right opens it: the menu's own keys.
        if (left && selectedMenu_ == SubmenuOf(*open_)) {
            SwitchTo(NeighbourItem(*open_, -1, count), true);
            return true;
        }
        if (right && !selectedOpensCascade_) {
            SwitchTo(NeighbourItem(*open_, +1, count), true);
            return true;
        }
        return false;
    }
    if (IsPress(message.message)) {
        const auto item = ItemAt(ScreenPointOf(message));
        if (!item) return false;
        // A press on the open item closes it; on another item, that one opens.
        if (*item == *open_) {
            EndMenu();
        } else {
            SwitchTo(*item, false);
        }
        return true;
    }
    if (IsMove(message.message)) {
        const auto item = ItemAt(ScreenPointOf(message));
        if (item && *item != *open_) {
            SwitchTo(*item, false);
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK TSkinMenuBar::FilterProcedure(int code, WPARAM wParam, LPARAM lParam) {
    if (code == MSGF_MENU && tracking && lParam) {
        try {
            if (tracking->Filter(*reinterpret_cast<const MSG*>(lParam))) return TRUE;
        } catch (...) {
            // The menu goes on as the system runs it.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinMenuBar::SelectFromKeyboard() {
    const std::size_t count = Items().size();
    if (count == 0) return;
    selected_ = 0;
    repaint_();
    std::optional<std::size_t> toOpen;
    bool done = false;
    MSG message{};
    bool quit = false;
    // A small menu loop of its own: the bar has no system menu behind it any more.
    while (!done) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            quit = got == 0;
            break;
        }
        switch (message.message) {
            case WM_KEYDOWN:
            case WM_SYSKEYDOWN:
                switch (message.wParam) {
                    case VK_LEFT:
                    case VK_RIGHT: {
                        const bool rightToLeft = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
                        selected_ = NeighbourItem(*selected_, message.wParam == VK_LEFT ? -1 : +1, count, rightToLeft);
                        repaint_();
                        break;
                    }
                    case VK_RETURN:
                    case VK_DOWN:
                    case VK_UP:
                        toOpen = selected_;
                        done = true;
                        break;
                    case VK_ESCAPE:
                    case VK_MENU:
                    case VK_F10:
                        done = true;
                        break;
                    default:
                        // A letter comes back as its character.
                        TranslateMessage(&message);
                        break;
                }
                break;
            case WM_KEYUP:
            case WM_SYSKEYUP:
                break;
            case WM_CHAR:
            case WM_SYSCHAR:
                if (const auto item = ItemForKey(static_cast<char>(message.wParam))) {
                    toOpen = item;
                    done = true;
                } else {
                    MessageBeep(0);
                }
                break;
            case WM_LBUTTONDOWN:
            case WM_RBUTTONDOWN:
            case WM_MBUTTONDOWN:
            case WM_NCLBUTTONDOWN:
            case WM_NCRBUTTONDOWN:
                // A press elsewhere leaves the bar and does what it does there.
                done = true;
                selected_.reset();
                repaint_();
                DispatchMessageW(&message);
                break;
            default:
                TranslateMessage(&message);
                DispatchMessageW(&message);
                break;
        }
        if (!IsWindow(window_)) return;
        if (GetActiveWindow() != window_) done = true;
    }
    if (quit) PostQuitMessage(static_cast<int>(message.wParam));
    if (!IsWindow(window_)) return;
    selected_.reset();
    repaint_();
    if (toOpen) Open(*toOpen, true);
}

}  // namespace tips::skin::win32
