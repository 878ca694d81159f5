// Windowless controls on a real form: painted over the form's background in creation order and cut
// at their bounds, the mouse handed to the topmost visible, enabled one, their cursor shown over them.

#include "widgets/win32/graphic_control.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/win32/form.hpp"
#include "widgets/win32/panel.hpp"

namespace {

using tips::platform::TViewRect;
using namespace tips::widgets;

// Fills itself (and a little beyond, to show the clip) and writes down what the mouse did to it.
class TProbeControl final : public TGraphicControl {
public:
    TProbeControl(TWinControl* parent, tips::platform::TColor color) : TGraphicControl(parent), color_(color) {}
    std::vector<std::string> events;

protected:
    void Paint(tips::platform::TCanvas& canvas) override {
        canvas.FillRect({-5, -5, Width() + 5, Height() + 5}, color_);
        canvas.SetPixel({0, 0}, tips::platform::clBlack);  // marks the control's own origin
    }
    void MouseDown(TMouseButton, int x, int y) override { events.push_back("down " + Point(x, y)); }
    void MouseMove(int x, int y) override { events.push_back("move " + Point(x, y)); }
    void MouseUp(TMouseButton, int x, int y) override { events.push_back("up " + Point(x, y)); }
    void Click() override { events.push_back("click"); }

private:
    static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    tips::platform::TColor color_;
};

class TGraphicForm : public TForm {
public:
    TGraphicForm() {
        lower.SetBounds(10, 10, 40, 30);
        upper.SetBounds(30, 20, 40, 30);  // overlaps the lower one from 30,20 to 50,40
        panel.SetBounds(100, 0, 100, 100);
        onPanel.SetBounds(10, 10, 20, 20);
        TFormLayout layout;
        layout.className = "TGraphicProbeForm";
        layout.caption = "Graphic";
        layout.width = 200;
        layout.height = 100;
        CreateForm(layout);
    }
    TProbeControl lower{this, tips::platform::RgbColor(255, 0, 0)};
    TProbeControl upper{this, tips::platform::RgbColor(0, 0, 255)};
    TPanel panel{this};
    TProbeControl onPanel{&panel, tips::platform::RgbColor(0, 255, 0)};
};

LPARAM At(int x, int y) {
    return static_cast<LPARAM>((static_cast<DWORD>(static_cast<WORD>(y)) << 16) | static_cast<WORD>(x));
}

void ShowAndPaint(TForm& form) {
    ShowWindow(form.Handle(), SW_SHOWNA);
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

COLORREF PixelAt(HWND window, int x, int y) {
    const HDC dc = GetDC(window);
    const COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

TEST(GraphicControl, IsPaintedOverTheBackgroundInCreationOrderAndCutAtItsBounds) {
    TOwnedWindow<TGraphicForm> form;
    ShowAndPaint(form);
    const HWND hwnd = form.Handle();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    EXPECT_EQ(PixelAt(hwnd, 10, 10), RGB(0, 0, 0));     // the lower one's origin
    EXPECT_EQ(PixelAt(hwnd, 20, 15), RGB(255, 0, 0));   // lower only
    EXPECT_EQ(PixelAt(hwnd, 40, 30), RGB(0, 0, 255));   // the later one on top
    EXPECT_EQ(PixelAt(hwnd, 30, 20), RGB(0, 0, 0));     // the upper one's origin
    EXPECT_EQ(PixelAt(hwnd, 9, 9), face);               // the fill beyond the bounds is cut
    EXPECT_EQ(PixelAt(hwnd, 70, 30), face);
    EXPECT_EQ(PixelAt(hwnd, 55, 15), face);
    // A panel paints its own children after its face.
    EXPECT_EQ(PixelAt(form.panel.Handle(), 15, 15), RGB(0, 255, 0));
    EXPECT_EQ(PixelAt(form.panel.Handle(), 35, 15), face);
}

TEST(GraphicControl, HiddenOrMovedRepaintsWhereItWasAndWhereItGoes) {
    TOwnedWindow<TGraphicForm> form;
    ShowAndPaint(form);
    const HWND hwnd = form.Handle();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    form.upper.SetVisible(false);
    UpdateWindow(hwnd);
    EXPECT_EQ(PixelAt(hwnd, 40, 30), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(hwnd, 60, 45), face);
    form.upper.SetVisible(true);
    form.lower.SetBounds(10, 60, 20, 20);
    UpdateWindow(hwnd);
    EXPECT_EQ(PixelAt(hwnd, 20, 15), face);
    EXPECT_EQ(PixelAt(hwnd, 20, 70), RGB(255, 0, 0));
    EXPECT_EQ(PixelAt(hwnd, 40, 30), RGB(0, 0, 255));
}

TEST(GraphicControl, TheTopmostEnabledControlUnderThePressGetsTheMouseUntilTheRelease) {
    TOwnedWindow<TGraphicForm> form;
    const HWND hwnd = form.Handle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(35, 25));
    EXPECT_EQ(GetCapture(), hwnd);
    SendMessageA(hwnd, WM_MOUSEMOVE, MK_LBUTTON, At(150, 90));  // far outside: still the pressed one's
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(36, 26));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(form.upper.events, (std::vector<std::string>{"down 5,5", "move 120,70", "up 6,6", "click"}));
    EXPECT_TRUE(form.lower.events.empty());

    // Disabled or hidden, the upper one lets the lower one have the point.
    form.upper.events.clear();
    form.upper.SetEnabled(false);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(35, 25));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(35, 25));
    form.upper.SetEnabled(true);
    form.upper.SetVisible(false);
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, At(45, 35));
    EXPECT_TRUE(form.upper.events.empty());
    EXPECT_EQ(form.lower.events, (std::vector<std::string>{"down 25,15", "up 25,15", "click", "move 35,25"}));
}

TEST(GraphicControl, AReleaseAwayFromThePressedControlOrALostCaptureIsNoClick) {
    TOwnedWindow<TGraphicForm> form;
    const HWND hwnd = form.Handle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(40, 30));  // over the upper one now
    EXPECT_EQ(form.lower.events, (std::vector<std::string>{"down 5,5", "up 30,20"}));
    EXPECT_TRUE(form.upper.events.empty());

    form.lower.events.clear();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    SetCapture(form.panel.Handle());  // someone else takes the mouse
    ReleaseCapture();
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(15, 15));
    EXPECT_EQ(form.lower.events, (std::vector<std::string>{"down 5,5"}));

    // Off every control the form's own handling goes on: nothing is captured.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(90, 90));
    EXPECT_EQ(GetCapture(), nullptr);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(90, 90));
    EXPECT_EQ(form.lower.events, (std::vector<std::string>{"down 5,5"}));
}

TEST(GraphicControl, ADoubleClickIsOneClick) {
    TOwnedWindow<TGraphicForm> form;
    const HWND hwnd = form.Handle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(15, 15));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(15, 15));
    SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, At(15, 15));
    EXPECT_EQ(GetCapture(), hwnd);
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(15, 15));
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, At(16, 16));  // a later single click clicks again
    SendMessageA(hwnd, WM_LBUTTONUP, 0, At(16, 16));
    EXPECT_EQ(form.lower.events, (std::vector<std::string>{"down 5,5", "up 5,5", "click", "down 5,5", "up 5,5",
                                                           "down 6,6", "up 6,6", "click"}));
}

TEST(GraphicControl, ItsCursorShowsOverItAndTheParentsElsewhere) {
    TOwnedWindow<TGraphicForm> form;
    const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
    const HCURSOR cross = LoadCursor(nullptr, IDC_CROSS);
    form.lower.SetCursor(hand);
    form.onPanel.SetCursor(hand);
    form.panel.Cursor = cross;
    SetWindowPos(form.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    auto cursorAt = [](HWND window, int x, int y) {
        POINT point{x, y};
        ClientToScreen(window, &point);
        SetCursorPos(point.x, point.y);
        SetCursor(nullptr);
        SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorAt(form.Handle(), 15, 15), hand);
    EXPECT_NE(cursorAt(form.Handle(), 40, 30), hand);  // the upper one has none: the form's arrow
    EXPECT_EQ(cursorAt(form.panel.Handle(), 15, 15), hand);
    EXPECT_EQ(cursorAt(form.panel.Handle(), 50, 50), cross);
}

TEST(GraphicControl, GoneBeforeItsParentItLeavesTheParentsListAndThePress) {
    TOwnedWindow<TGraphicForm> form;
    {
        TProbeControl extra(&form, tips::platform::RgbColor(1, 2, 3));
        extra.SetBounds(150, 80, 10, 10);
        EXPECT_EQ(form.GraphicControls().size(), 3U);
        SendMessageA(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(155, 85));
    }
    EXPECT_EQ(form.GraphicControls().size(), 2U);
    SendMessageA(form.Handle(), WM_MOUSEMOVE, MK_LBUTTON, At(155, 85));
    SendMessageA(form.Handle(), WM_LBUTTONUP, 0, At(155, 85));
    EXPECT_TRUE(form.lower.events.empty());
    EXPECT_TRUE(form.upper.events.empty());
}

}  // namespace
