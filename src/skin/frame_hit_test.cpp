#include "skin/frame_hit_test.hpp"

namespace tips::skin {

bool Contains(const TViewRect& rect, TViewPoint at) {
    return at.X >= rect.Left && at.X < rect.Right && at.Y >= rect.Top && at.Y < rect.Bottom;
}

TFrameHit HitFrame(const TFrameLayout& layout, const std::vector<TTitleButton>& buttons,
                   const std::vector<TViewRect>& menuItems, TViewPoint at) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (Contains(buttons[i].Rect, at)) return {TFramePart::TitleButton, static_cast<int>(i)};
    }
    for (std::size_t i = 0; i < menuItems.size(); ++i) {
        if (Contains(menuItems[i], at) && Contains(layout.MenuBar, at)) return {TFramePart::MenuItem, static_cast<int>(i)};
    }
    if (Contains(layout.Client, at)) return {TFramePart::Client};
    if (Contains(layout.MenuBar, at)) return {TFramePart::MenuBar};
    if (Contains(layout.Caption, at)) return {at.Y - layout.Caption.Top < 3 ? TFramePart::TopEdge : TFramePart::Caption};
    if (Contains(layout.Left, at)) return {TFramePart::Left};
    if (Contains(layout.Right, at)) return {TFramePart::Right};
    if (Contains(layout.Bottom, at)) return {TFramePart::Bottom};
    return {};
}

TNowhereAnswer AnswerForNowhere(const TFrameMetrics& metrics, TViewPoint at) {
    if (at.Y > metrics.Caption) return TNowhereAnswer::Menu;
    if (at.Y > 3) return TNowhereAnswer::Caption;
    return TNowhereAnswer::Nowhere;
}

bool CaptionPressDrags(const TFrameWindowState& state) { return !(state.Maximised() && state.Active); }

std::optional<TWindowShow> DoubleClickShow(const TFrameWindowTraits& traits, const TFrameWindowState& state) {
    if (state.Show != TWindowShow::Normal) return TWindowShow::Normal;
    if (traits.HasMaximiseBox) return TWindowShow::Maximised;
    return std::nullopt;
}

}  // namespace tips::skin
