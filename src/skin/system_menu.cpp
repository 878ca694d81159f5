#include "skin/system_menu.hpp"

namespace tips::skin {

std::vector<TSystemMenuItem> SystemMenuItems(const TFrameWindowTraits& traits, const TFrameWindowState& state) {
    std::vector<TSystemMenuItem> items;
    items.push_back({" Restore ", 0, state.Show != TWindowShow::Normal, 0, TSystemCommand::Restore});
    if (traits.HasMaximiseBox) items.push_back({" Maximize ", 1, !state.Maximised(), 0, TSystemCommand::Maximise});
    if (traits.HasMinimiseBox) items.push_back({" Minimize ", 2, !state.Minimised(), 0, TSystemCommand::Minimise});
    items.push_back({"", -1, true, 0, std::nullopt});
    items.push_back({" Close ", 3, true, kShiftF4, TSystemCommand::Close});
    return items;
}

std::optional<TWindowShow> ShowForSystemCommand(TSystemCommand command, TWindowShow show) {
    switch (command) {
    case TSystemCommand::Restore: return TWindowShow::Normal;
    case TSystemCommand::Maximise: return show == TWindowShow::Maximised ? TWindowShow::Normal : TWindowShow::Maximised;
    case TSystemCommand::Minimise: return show == TWindowShow::Minimised ? TWindowShow::Normal : TWindowShow::Minimised;
    case TSystemCommand::Close: return std::nullopt;
    }
    return std::nullopt;
}

TSystemMenuRequests::TAnswer TSystemMenuRequests::Request(std::int64_t now, std::int64_t doubleClickTime) {
    if (lastShown_ && now - *lastShown_ >= 0 && now - *lastShown_ <= doubleClickTime) {
        lastShown_.reset();
        return TAnswer::Close;
    }
    lastShown_ = now;
    return TAnswer::Show;
}

}  // namespace tips::skin
