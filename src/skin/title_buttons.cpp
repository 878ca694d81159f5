#include "skin/title_buttons.hpp"

#include <algorithm>

namespace tips::skin {
namespace {

bool ConditionHolds(int code, bool first, const TSkinSysButtonElement& button, const TFrameWindowTraits& traits,
                    const TFrameWindowState& state, const TFrameMetrics& metrics) {
    switch (code) {
    case 0:
        if (!first) return true;
        return traits.Kind != TFrameKind::Other && (button.Action != 0 || traits.HasSystemMenu);
    case 1: return state.Maximised();
    case 2: return !state.Maximised();
    case 3: return state.Active;
    case 4: return !state.Active;
    case 6: return traits.HasMaximiseBox && (!first || traits.HasSystemMenu);
    case 7: return !traits.HasMaximiseBox;
    case 8: return traits.HasMinimiseBox && (!first || traits.HasSystemMenu);
    case 9: return !traits.HasMinimiseBox;
    case 100: return traits.Mdi == TMdiRole::Frame && traits.MdiChildMaximised && metrics.MenuBar > 0;
    default: return code >= 200 && code <= 2000;
    }
}

}  // namespace

bool IsIconButton(const TSkinSysButtonElement& button) { return button.Action == 3 || button.Action == 11; }

bool IsMdiControlButton(const TSkinSysButtonElement& button) { return button.Align == 100; }

bool TitleButtonVisible(const TSkinSysButtonElement& button, const TFrameWindowTraits& traits,
                        const TFrameWindowState& state, const TFrameMetrics& metrics) {
    if (!ConditionHolds(button.Visibility, true, button, traits, state, metrics)) return false;
    if (!ConditionHolds(button.Visibility1, false, button, traits, state, metrics)) return false;
    if (button.Action == 1 && !traits.HasMaximiseBox) return false;
    if (button.Action == 2 && !traits.HasMinimiseBox) return false;
    return true;
}

std::vector<TTitleButton> LayoutTitleButtons(const TSkinData& skin, const TFrameWindowTraits& traits,
                                             const TFrameWindowState& state, const TFrameMetrics& metrics,
                                             int windowWidth, const TViewRect& captionText,
                                             platform::TViewSize iconSize) {
    std::vector<TTitleButton> buttons;
    for (std::size_t i = 0; i < skin.SysButtons.size(); ++i) {
        const TSkinSysButtonElement& element = skin.SysButtons[i];
        if (!TitleButtonVisible(element, traits, state, metrics)) continue;
        const bool icon = IsIconButton(element);
        const int width = icon ? iconSize.Width : element.Bitmap.Width() / std::max(element.FrameCount, 1);
        const int height = icon ? iconSize.Height : element.Bitmap.Height();
        if (width <= 0 || height <= 0) continue;  // nothing to draw or press
        int x = element.Xcoord;
        int y = element.Ycoord;
        switch (element.Align) {
        case 1: x = windowWidth - element.Xcoord; break;
        case 2:
        case 8: x = captionText.Left - width - element.Xcoord; break;
        case 3:
        case 9: x = captionText.Right + element.Xcoord; break;
        case 100: {
            // In the menu bar row, counted from the bar's far end past its fixed end part.
            const int fixedEnd = traits.RightToLeft ? skin.MenuBar.LeftWidth : skin.MenuBar.RightWidth;
            x = traits.RightToLeft ? metrics.Left + fixedEnd + element.Xcoord - width
                                   : windowWidth - metrics.Right - fixedEnd - element.Xcoord;
            y = metrics.Caption + (metrics.MenuBar - height) / 2;
            break;
        }
        default: break;
        }
        buttons.push_back({static_cast<int>(i), {x, y, x + width, y + height}, icon});
    }
    return buttons;
}

std::optional<int> RightButtonsLeft(const TSkinData& skin, const std::vector<TTitleButton>& buttons) {
    std::optional<int> left;
    for (const TTitleButton& button : buttons) {
        if (skin.SysButtons[static_cast<std::size_t>(button.Element)].Align != 1) continue;
        left = left ? std::min(*left, button.Rect.Left) : button.Rect.Left;
    }
    return left;
}

int TitleButtonFrame(const TSkinSysButtonElement& button, const TTitleButtonLook& look) {
    if (IsIconButton(button)) return 1;
    int frame = 1;
    if (!look.Enabled) frame = 5;
    else if (!look.Active) frame = 4;
    else if (look.State == TNcState::Pressed) frame = 2;
    else if (look.State == TNcState::Hover) frame = IsMdiControlButton(button) ? 4 : 3;
    return frame <= button.FrameCount ? frame : 1;
}

TTitleCommand TitleButtonCommand(int action, TWindowShow show) {
    switch (action) {
    case 0: return TTitleCommand::Close;
    case 1:
    case 22: return show == TWindowShow::Maximised ? TTitleCommand::Restore : TTitleCommand::Maximise;
    case 2:
    case 23: return show == TWindowShow::Minimised ? TTitleCommand::Restore : TTitleCommand::Minimise;
    case 3:
    case 11:
    case 12: return TTitleCommand::SystemMenu;
    case 7:
    case 60: return TTitleCommand::MdiMinimise;
    case 8:
    case 61: return TTitleCommand::MdiRestore;
    case 9:
    case 62: return TTitleCommand::MdiClose;
    default: return TTitleCommand::Unknown;
    }
}

TWindowShow ShowAfter(TTitleCommand command, TWindowShow show) {
    switch (command) {
    case TTitleCommand::Maximise: return TWindowShow::Maximised;
    case TTitleCommand::Minimise: return TWindowShow::Minimised;
    case TTitleCommand::Restore: return TWindowShow::Normal;
    default: return show;
    }
}

}  // namespace tips::skin
