// The status bar's size grip after the bar grows (as when its window is maximised): drawn again at the
// bar's new right edge, with nothing of it left where the edge was before.

#include <gtest/gtest.h>

#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/status_bar.hpp"

namespace {

using namespace tips::widgets;

class TBarForm : public TForm {
public:
    TBarForm() {
        bar.SetBounds(0, 80, 200, 22);
        bar.SetPanelWidths({80, 0});
        TFormLayout layout;
        layout.className = "TSizeGripProbe";
        layout.caption = "Size grip";
        layout.width = 500;
        layout.height = 102;
        CreateForm(layout);
    }
    TStatusBar bar{this};
};

// Pixels of the rectangle in the bar unlike the bar's face.
int Marks(HWND bar, const RECT& area) {
    RedrawWindow(bar, nullptr, nullptr, RDW_UPDATENOW);
    Application().ProcessMessages();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const HDC dc = GetDC(bar);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) count += GetPixel(dc, x, y) != face ? 1 : 0;
    }
    ReleaseDC(bar, dc);
    return count;
}

TEST(StatusBarSizeGrip, FollowsTheRightEdgeWhenTheBarGrows) {
    TOwnedWindow<TBarForm> form;
    ShowWindow(form.Handle(), SW_SHOW);
    UpdateWindow(form.Handle());
    Application().ProcessMessages();
    const HWND bar = form.bar.Handle();
    const RECT oldGrip{200 - 12, 22 - 12, 200 - 2, 22 - 2};
    const int before = Marks(bar, oldGrip);
    ASSERT_GT(before, 10);  // the grip is there to begin with

    form.bar.SetBounds(0, 80, 480, 22);
    UpdateWindow(bar);
    Application().ProcessMessages();
    EXPECT_EQ(Marks(bar, oldGrip), 0);
    EXPECT_EQ(Marks(bar, {480 - 12, 22 - 12, 480 - 2, 22 - 2}), before);
}

}  // namespace
