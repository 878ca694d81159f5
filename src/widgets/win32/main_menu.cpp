#include "widgets/win32/main_menu.hpp"

#include <stdexcept>

namespace tips::widgets {
namespace {

template <typename Visit>
TMenuItem* FindIn(std::vector<TMenuItem>& items, const Visit& matches) {
    for (TMenuItem& item : items) {
        if (matches(item)) return &item;
        if (TMenuItem* found = FindIn(item.Items, matches)) return found;
    }
    return nullptr;
}

}  // namespace

TMainMenu::TMainMenu(std::vector<TMenuItem> items) : items_(std::move(items)) { handle_ = Build(items_, true); }

// The form detaches the menu before its window goes, so the handle is always ours to free.
TMainMenu::~TMainMenu() {
    if (handle_) DestroyMenu(handle_);
}

HMENU TMainMenu::Build(std::vector<TMenuItem>& items, bool bar) {
    const HMENU menu = bar ? CreateMenu() : CreatePopupMenu();
    if (!menu) throw std::runtime_error("Out of system resources");
    for (TMenuItem& item : items) {
        if (item.Caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.Items.empty()) {
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(Build(item.Items, false)),
                        item.Caption.c_str());
        } else {
            byCommand_.push_back(&item);
            const std::string shortCut = ShortCutToText(item.ShortCut);
            const std::string text = shortCut.empty() ? item.Caption : item.Caption + "\t" + shortCut;
            AppendMenuA(menu, MF_STRING, byCommand_.size(), text.c_str());
        }
    }
    return menu;
}

TMenuItem* TMainMenu::Find(const std::string& name) {
    return FindIn(items_, [&](const TMenuItem& item) { return item.Name == name; });
}

TMenuItem* TMainMenu::FromCommand(WORD id) {
    if (id == 0 || id > byCommand_.size()) return nullptr;
    return byCommand_[id - 1u];
}

TMenuItem* TMainMenu::FindShortCut(TShortCut shortCut) {
    if (shortCut == 0) return nullptr;
    return FindIn(items_, [&](const TMenuItem& item) { return item.ShortCut == shortCut; });
}

}  // namespace tips::widgets
