#pragma once
// The skinned system menu: its items for a window's boxes and state, and the rule that asking for it
// again within the double-click time closes the window instead.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "skin/frame_window.hpp"

namespace tips::skin {

enum class TSystemCommand { Restore, Maximise, Minimise, Close };

struct TSystemMenuItem {
    std::string Caption;  // empty for the separator
    int Image = -1;       // index into the system-menu image list
    bool Enabled = true;
    std::uint16_t ShortCut = 0;
    std::optional<TSystemCommand> Command;
};

inline constexpr int kSystemMenuTag = 33333;
inline constexpr std::uint16_t kShiftF4 = 0x2000 | 0x73;

// " Restore ", " Maximize " (with a maximise box), " Minimize " (with a minimise box), a separator and
// " Close "; each enabled unless the window already is in that state.
std::vector<TSystemMenuItem> SystemMenuItems(const TFrameWindowTraits& traits, const TFrameWindowState& state);

// The window state a chosen command asks for (maximise and minimise toggle back to normal); nothing
// for Close.
std::optional<TWindowShow> ShowForSystemCommand(TSystemCommand command, TWindowShow show);

// Two requests (a right press on the caption or the icon button) within the double-click time: the
// second closes the window instead of showing the menu again.
class TSystemMenuRequests {
public:
    enum class TAnswer { Show, Close };
    // `now` and `doubleClickTime` in milliseconds.
    TAnswer Request(std::int64_t now, std::int64_t doubleClickTime);

private:
    std::optional<std::int64_t> lastShown_;
};

}  // namespace tips::skin
