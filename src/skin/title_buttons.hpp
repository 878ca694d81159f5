#pragma once
// The title-bar buttons: which are shown for a window and its state, where they go, which frame of
// their image each draws, and what releasing the mouse over one does.

#include <optional>
#include <vector>

#include "platform/view_geometry.hpp"
#include "skin/frame_layout.hpp"
#include "skin/frame_window.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;

// The state of a non-client element: normal, pressed, hovered (the numbers are the frames they draw).
enum class TNcState { Normal = 1, Pressed = 2, Hover = 3 };

// The window-icon buttons (Action 3 and 11) show the window's small icon instead of an image.
bool IsIconButton(const TSkinSysButtonElement& button);
// The three child-window control buttons of an MDI frame's menu bar.
bool IsMdiControlButton(const TSkinSysButtonElement& button);

// Whether both visibility conditions hold, and the window has the box a maximise (Action 1) or
// minimise (Action 2) button stands for.
bool TitleButtonVisible(const TSkinSysButtonElement& button, const TFrameWindowTraits& traits,
                        const TFrameWindowState& state, const TFrameMetrics& metrics);

struct TTitleButton {
    int Element = 0;  // index into the skin's SysButtons
    TViewRect Rect;   // window coordinates
    bool Icon = false;
};

// The visible buttons in the skin's order, placed for a window `windowWidth` wide. `captionText` is the
// caption-text box (buttons aligned 2, 3, 8 and 9 go beside it); `iconSize` the small icon's size.
std::vector<TTitleButton> LayoutTitleButtons(const TSkinData& skin, const TFrameWindowTraits& traits,
                                             const TFrameWindowState& state, const TFrameMetrics& metrics,
                                             int windowWidth, const TViewRect& captionText,
                                             platform::TViewSize iconSize = {16, 16});

// The leftmost left edge of the right-aligned buttons (Align 1), for clipping a popup's caption text.
std::optional<int> RightButtonsLeft(const TSkinData& skin, const std::vector<TTitleButton>& buttons);

// How a button is to look: its own state, the window's activation, and whether it is enabled.
struct TTitleButtonLook {
    TNcState State = TNcState::Normal;
    bool Active = true;
    bool Enabled = true;
};

// The frame (from 1) of the button's image: pressed 2, hovered 3 (4 for the child-window controls),
// otherwise 1; in an inactive window 4; disabled 5. A frame the image lacks falls back to 1; icon
// buttons always draw their one frame.
int TitleButtonFrame(const TSkinSysButtonElement& button, const TTitleButtonLook& look);

// What releasing the mouse over a pressed button does.
enum class TTitleCommand {
    Close,
    Maximise,
    Minimise,
    Restore,
    SystemMenu,
    MdiMinimise,
    MdiRestore,
    MdiClose,
    Unknown,  // posted back as a "skinned?" query, which does nothing
};
TTitleCommand TitleButtonCommand(int action, TWindowShow show);

// The state the window is in once a command has been posted (updated at once, not when the system
// answers).
TWindowShow ShowAfter(TTitleCommand command, TWindowShow show);

}  // namespace tips::skin
