#include "skin/win32/skin_popup_menu.hpp"

namespace tips::skin::win32 {

TSkinPopupMenu::TSkinPopupMenu(HWND menuWindow, TSkinContext context, bool fromMenuBar)
    : window_(menuWindow), context_(context), fromMenuBar_(fromMenuBar) {
    hold_ = std::make_unique<TWindowSubclass>(
        window_, [this](UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
            return Handle(message, wParam, lParam, next);
        });
}

TSkinPopupMenu::~TSkinPopupMenu() = default;

LRESULT TSkinPopupMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam, const TWindowSubclass::TNext& next) {
    return next(message, wParam, lParam);
}

void TSkinPopupMenu::MakeBackground() {}

}  // namespace tips::skin::win32
