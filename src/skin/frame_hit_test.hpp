#pragma once
// What a point of a skinned window's frame is: a title-bar button, a menu-bar item, a border piece,
// the title bar or the client area; and what the mouse does there that the frame decides itself.

#include <optional>
#include <vector>

#include "platform/canvas_geometry.hpp"
#include "skin/frame_layout.hpp"
#include "skin/frame_window.hpp"
#include "skin/title_buttons.hpp"

namespace tips::skin {

using platform::TViewPoint;

enum class TFramePart { Outside, TopEdge, Left, Right, Bottom, Caption, MenuBar, Client, TitleButton, MenuItem };

struct TFrameHit {
    TFramePart Part = TFramePart::Outside;
    int Index = -1;  // the button (index into the laid-out buttons) or menu item
    friend bool operator==(const TFrameHit&, const TFrameHit&) = default;
};

// Window coordinates. Buttons come first, then menu items, then the areas of the layout; the title
// bar's top three rows are its resizing edge.
TFrameHit HitFrame(const TFrameLayout& layout, const std::vector<TTitleButton>& buttons,
                   const std::vector<TViewRect>& menuItems, TViewPoint at);

// Where the system found nothing: the menu below the title bar, the caption below the top three rows.
enum class TNowhereAnswer { Nowhere, Caption, Menu };
TNowhereAnswer AnswerForNowhere(const TFrameMetrics& metrics, TViewPoint at);

// A left press on the caption of a maximised active window is passed on as a press on the menu, so
// that the window cannot be dragged; elsewhere the caption stays a caption.
bool CaptionPressDrags(const TFrameWindowState& state);

// A left double-click on the frame: restore from maximised or minimised, else maximise when there is
// a box for it; nothing otherwise.
std::optional<TWindowShow> DoubleClickShow(const TFrameWindowTraits& traits, const TFrameWindowState& state);

bool Contains(const TViewRect& rect, TViewPoint at);

}  // namespace tips::skin
