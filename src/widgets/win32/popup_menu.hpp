#pragma once
// A pop-up menu of named items with captions and tags, all handled by click handlers; separators are
// items whose caption is "-". Popup shows it at a point of the screen and runs the chosen item.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tips::widgets {

struct TPopupMenuItem {
    std::string Name;
    std::string Caption;
    int Tag = 0;
    std::function<void(TPopupMenuItem& sender)> OnClick;
};

class TPopupMenu {
public:
    explicit TPopupMenu(std::vector<TPopupMenuItem> items);
    ~TPopupMenu();
    TPopupMenu(const TPopupMenu&) = delete;
    TPopupMenu& operator=(const TPopupMenu&) = delete;

    HMENU Handle() const { return handle_; }
    std::vector<TPopupMenuItem>& Items() { return items_; }
    int Tag = 0;  // free for the program; the skin leaves menus alone by it
    // The item of a name, or nullptr.
    TPopupMenuItem* Find(const std::string& name);

    // Shows the menu with its top-left corner at a screen point, owned by `owner`, and runs the item
    // chosen (none when the menu is dismissed). Returns once the menu has closed.
    void Popup(int x, int y, HWND owner);
    // Runs an item's handler as choosing it does.
    void Click(TPopupMenuItem& item);

private:
    std::vector<TPopupMenuItem> items_;
    HMENU handle_ = nullptr;
};

}  // namespace tips::widgets
