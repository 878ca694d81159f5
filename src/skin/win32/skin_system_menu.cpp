#include "skin/win32/skin_system_menu.hpp"

#include <memory>
#include <string>
#include <type_traits>

namespace tips::skin::win32 {
namespace {

struct TMenuDestroyer {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};
using TMenuHandle = std::unique_ptr<std::remove_pointer_t<HMENU>, TMenuDestroyer>;

void PostShow(HWND window, TWindowShow show) {
    const WPARAM command = show == TWindowShow::Maximised   ? SC_MAXIMIZE
                           : show == TWindowShow::Minimised ? SC_MINIMIZE
                                                            : SC_RESTORE;
    PostMessageW(window, WM_SYSCOMMAND, command, 0);
}

}  // namespace

void TSkinSystemMenu::Request(POINT screen, const TFrameWindowTraits& traits, const TFrameWindowState& state) {
    if (requests_.Request(static_cast<std::int64_t>(GetTickCount64()), GetDoubleClickTime()) ==
        TSystemMenuRequests::TAnswer::Close) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return;
    }
    const TMenuHandle menu(CreatePopupMenu());
    if (!menu) return;
    const std::vector<TSystemMenuItem> items = SystemMenuItems(traits, state);
    for (std::size_t index = 0; index < items.size(); ++index) {
        const TSystemMenuItem& item = items[index];
        if (item.Caption.empty()) {
            AppendMenuA(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string caption = item.Caption;
        if (item.ShortCut == kShiftF4) caption += "\tShift+F4";
        AppendMenuA(menu.get(), MF_STRING | (item.Enabled ? 0u : MF_GRAYED), index + 1, caption.c_str());
    }
    const int chosen = static_cast<int>(TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                                       screen.x, screen.y, 0, window_, nullptr));
    if (chosen <= 0 || static_cast<std::size_t>(chosen) > items.size()) return;
    const auto& command = items[static_cast<std::size_t>(chosen - 1)].Command;
    if (!command) return;
    if (*command == TSystemCommand::Close) {
        PostMessageW(window_, WM_CLOSE, 0, 0);
    } else if (const auto show = ShowForSystemCommand(*command, state.Show)) {
        PostShow(window_, *show);
    }
}

}  // namespace tips::skin::win32
