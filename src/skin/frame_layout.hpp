#pragma once
// Where the pieces of a skinned frame go for a window size: the border widths taken from the skin's
// pieces, the rectangles of the left, right, bottom and top pieces, the title bar, the menu bar and
// the client area, and the sizes that keep a client area when the frame is put on or taken off.

#include "platform/view_geometry.hpp"
#include "skin/frame_window.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

using platform::TViewRect;
using platform::TViewSize;

// Left width L, right width R, bottom height B, caption height C, menu bar height M.
struct TFrameMetrics {
    int Left = 0;
    int Right = 0;
    int Bottom = 0;
    int Caption = 0;
    int MenuBar = 0;
    friend bool operator==(const TFrameMetrics&, const TFrameMetrics&) = default;
};

// Each piece's size along its thickness divided by its frame count (Top and Bottom stack their
// frames, Left and Right lay them side by side); all 0 for frameless windows. M is `menuBarHeight`
// for a window with a menu that is not an MDI child, else 0.
TFrameMetrics FrameMetricsOf(const TSkinData& skin, const TFrameWindowTraits& traits, int menuBarHeight);

struct TFrameLayout {
    TViewRect Left;
    TViewRect Right;
    TViewRect Bottom;
    TViewRect Caption;  // the title bar: where the top piece goes
    TViewRect MenuBar;  // empty without a menu bar
    TViewRect Client;
};

// Window coordinates for a window of `size`. Parts that do not fit come out empty, never inverted.
TFrameLayout LayoutFrame(const TFrameMetrics& metrics, TViewSize size);

// The client rectangle for a proposed window rectangle (screen or parent coordinates).
TViewRect ClientRectFor(const TFrameMetrics& metrics, const TViewRect& window);
// The window size that keeps `client` when the skinned frame is put on.
TViewSize WindowSizeFor(const TFrameMetrics& metrics, TViewSize client);

// Whether the frame is drawn and computed at all: not for frameless windows or maximised MDI children.
bool FramePainted(const TFrameWindowTraits& traits, const TFrameWindowState& state);

}  // namespace tips::skin
