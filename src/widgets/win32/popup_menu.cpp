#include "widgets/win32/popup_menu.hpp"

namespace tips::widgets {

TPopupMenu::TPopupMenu(std::vector<TPopupMenuItem> items) : items_(std::move(items)), handle_(CreatePopupMenu()) {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const TPopupMenuItem& item = items_[i];
        if (item.Caption == "-") {
            AppendMenuA(handle_, MF_SEPARATOR, 0, nullptr);
        } else {
            // Command ids start at 1: TrackPopupMenu answers 0 for a dismissed menu.
            AppendMenuA(handle_, MF_STRING, i + 1, item.Caption.c_str());
        }
    }
}

TPopupMenu::~TPopupMenu() {
    if (handle_ != nullptr) DestroyMenu(handle_);
}

TPopupMenuItem* TPopupMenu::Find(const std::string& name) {
    for (auto& item : items_) {
        if (item.Name == name) return &item;
    }
    return nullptr;
}

void TPopupMenu::Popup(int x, int y, HWND owner) {
    const int chosen = static_cast<int>(
        TrackPopupMenu(handle_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, owner, nullptr));
    if (chosen <= 0 || chosen > static_cast<int>(items_.size())) return;
    Click(items_[static_cast<std::size_t>(chosen - 1)]);
}

void TPopupMenu::Click(TPopupMenuItem& item) {
    if (item.OnClick) item.OnClick(item);
}

}  // namespace tips::widgets
