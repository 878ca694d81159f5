#pragma once
// A window's menu bar: named items with captions, shortcuts shown beside them and click handlers.
// Separators are items whose caption is "-".

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/shortcut.hpp"

namespace tips::widgets {

struct TMenuItem {
    std::string Name;
    std::string Caption;
    TShortCut ShortCut = 0;
    std::function<void(TMenuItem& sender)> OnClick;
    std::vector<TMenuItem> Items;
};

class TMainMenu {
public:
    explicit TMainMenu(std::vector<TMenuItem> items);
    ~TMainMenu();
    TMainMenu(const TMainMenu&) = delete;
    TMainMenu& operator=(const TMainMenu&) = delete;

    HMENU Handle() const { return handle_; }
    // The items are fixed once the menu is built (commands point into them); their handlers may change.
    const std::vector<TMenuItem>& Items() const { return items_; }

    // The item of a name, or nullptr.
    TMenuItem* Find(const std::string& name);
    // The item a WM_COMMAND from the menu names, or nullptr.
    TMenuItem* FromCommand(WORD id);
    // The item with the shortcut, or nullptr.
    TMenuItem* FindShortCut(TShortCut shortCut);

private:
    HMENU Build(std::vector<TMenuItem>& items, bool bar);

    std::vector<TMenuItem> items_;
    std::vector<TMenuItem*> byCommand_;   // command id - 1 -> item
    HMENU handle_ = nullptr;
};

}  // namespace tips::widgets
