// The menu bar of a skinned frame on a real window: the window's menu taken off and given back, the
// items laid out in the bar's row and drawn hot and pressed, a press opening the item's drop-down and
// the chosen command reaching the window, Alt+letter and Alt alone from the keyboard, and the arrows
// and presses moving between the drop-downs while one is open.

#include "skin/win32/skin_form.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "../embedded_model_support.hpp"
#include "window_pixels.hpp"
#include "message_pump.hpp"

namespace {

using namespace tips::skin;
using tips::skin::win32::TSkinContext;
using tips::skin::win32::TSkinForm;
using tips::skin::testing::TWindowPixels;

const TSkinData& Model() { return tips::skin::testing::EmbeddedModel(); }

// What the window was told while its menus were used.
struct TSeen {
    std::vector<HMENU> popups;       // WM_INITMENUPOPUP of a drop-down
    int systemMenuPopups = 0;        // WM_INITMENUPOPUP of the system menu
    std::vector<WORD> commands;      // WM_COMMAND from a menu
};
TSeen seen;

LRESULT CALLBACK TestProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITMENUPOPUP) {
        if (HIWORD(lParam)) {
            ++seen.systemMenuPopups;
        } else {
            seen.popups.push_back(reinterpret_cast<HMENU>(wParam));
        }
    }
    if (message == WM_COMMAND && lParam == 0) seen.commands.push_back(LOWORD(wParam));
    return DefWindowProcA(window, message, wParam, lParam);
}

// Steps run by a thread timer while the test's message waits inside a menu loop: each one once the
// given number of drop-downs has been opened and one is on the screen (0: at once).
struct TStep {
    std::size_t afterPopups;
    std::function<void()> action;
};
std::vector<TStep> script;
std::size_t nextStep = 0;
int idleTicks = 0;

bool MenuWindowShown() {
    const HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD) {
    if (nextStep < script.size()) {
        const TStep& step = script[nextStep];
        if (step.afterPopups == 0 || (seen.popups.size() >= step.afterPopups && MenuWindowShown())) {
            ++nextStep;
            step.action();
            idleTicks = 0;
            return;
        }
    }
    // A script that did not end the menu mode, or waits for a drop-down that never opens, must not
    // hang the suite: the menu mode is ended and the steps left are dropped.
    if (++idleTicks > 100) {
        nextStep = script.size();
        EndMenu();
        PostMessageA(GetActiveWindow(), WM_KEYDOWN, VK_ESCAPE, 0);
    }
}

using tips::skin::testing::Pump;

Rgb RgbOf(tips::platform::TColor colour) {
    const COLORREF value = (colour & 0x80000000u) ? GetSysColor(static_cast<int>(colour & 0xFFu)) : colour;
    return {GetRValue(value), GetGValue(value), GetBValue(value)};
}

int OutlineLength(const TViewRect& rect) { return 2 * (rect.Right - rect.Left) + 2 * (rect.Bottom - rect.Top) - 4; }

enum : WORD { kNuevo = 101, kSalir = 102, kCopiar = 201, kPegar = 202, kTodo = 301, kAcercaDe = 401 };
enum : std::size_t { kArchivo, kEdicion, kVer, kAyuda };

class SkinMenuBar : public ::testing::Test {
protected:
    static constexpr int kClientWidth = 420;
    static constexpr int kClientHeight = 200;

    void SetUp() override {
        seen = {};
        script.clear();
        nextStep = 0;
        idleTicks = 0;
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = TestProcedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "SkinMenuBarTestWindow";
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        RegisterClassA(&windowClass);

        menu_ = CreateMenu();
        for (const auto& [caption, items, enabled] : {
                 std::tuple{"&Archivo", std::vector<std::pair<WORD, const char*>>{{kNuevo, "&Nuevo"}, {kSalir, "&Salir"}}, true},
                 std::tuple{"&Edici\xF3n", std::vector<std::pair<WORD, const char*>>{{kCopiar, "&Copiar"}, {kPegar, "&Pegar"}}, true},
                 std::tuple{"&Ver", std::vector<std::pair<WORD, const char*>>{{kTodo, "&Todo"}}, false},
                 std::tuple{"Ayuda", std::vector<std::pair<WORD, const char*>>{{kAcercaDe, "Acerca de .."}}, true},
             }) {
            const HMENU popup = CreatePopupMenu();
            for (const auto& [id, text] : items) AppendMenuA(popup, MF_STRING, id, text);
            AppendMenuA(menu_, MF_POPUP | MF_STRING | (enabled ? 0u : MF_GRAYED), reinterpret_cast<UINT_PTR>(popup), caption);
            submenus_.push_back(popup);
        }
        RECT rect{0, 0, kClientWidth, kClientHeight};
        AdjustWindowRectEx(&rect, WS_OVERLAPPEDWINDOW, TRUE, 0);
        window_ = CreateWindowExA(0, "SkinMenuBarTestWindow", "Menus", WS_OVERLAPPEDWINDOW, 30, 30,
                                  rect.right - rect.left, rect.bottom - rect.top, nullptr, menu_,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        SetForegroundWindow(window_);
        SetActiveWindow(window_);
        Pump();
        clientBefore_ = ClientSize();
        form_.emplace(window_, TSkinContext{Model(), bitmaps_, properties_});
        ASSERT_TRUE(form_->Attached());
        ASSERT_NE(form_->MenuBar(), nullptr);
        Pump();
        timer_ = SetTimer(nullptr, 0, 20, RunScript);
    }
    void TearDown() override {
        KillTimer(nullptr, timer_);
        form_.reset();
        // The window frees the menu it holds again.
        if (window_) DestroyWindow(window_);
    }

    SIZE ClientSize() const {
        RECT client{};
        GetClientRect(window_, &client);
        return {client.right, client.bottom};
    }
    std::vector<TViewRect> ItemRects() const { return form_->Geometry().MenuItemRects; }
    POINT ToScreen(TViewPoint inWindow) const {
        RECT rect{};
        GetWindowRect(window_, &rect);
        return {rect.left + inWindow.X, rect.top + inWindow.Y};
    }
    static TViewPoint Centre(const TViewRect& rect) { return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2}; }
    // A press on a bar item as the system delivers it; returns once the menu mode is over.
    void PressItem(std::size_t item) {
        const POINT at = ToScreen(Centre(ItemRects().at(item)));
        const LRESULT hit = SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
        ASSERT_EQ(hit, HTMENU);
        SendMessageA(window_, WM_NCLBUTTONDOWN, static_cast<WPARAM>(hit), MAKELPARAM(at.x, at.y));
        Pump();
    }
    // A press posted into the open menu's loop on a bar item, in client coordinates as a captured
    // window receives it.
    void PostPressOn(std::size_t item) const {
        POINT at = ToScreen(Centre(ItemRects().at(item)));
        ScreenToClient(window_, &at);
        PostMessageA(window_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    }
    void PostKey(WPARAM key) const { PostMessageA(window_, WM_KEYDOWN, key, 0); }
    void PostChar(char c) const { PostMessageA(window_, WM_CHAR, static_cast<unsigned char>(c), 0); }
    std::vector<HMENU> Submenus(std::initializer_list<std::size_t> items) const {
        std::vector<HMENU> menus;
        for (const std::size_t item : items) menus.push_back(submenus_.at(item));
        return menus;
    }

    TSkinBitmapCache bitmaps_;
    TSkinSourceProperties properties_;
    HMENU menu_ = nullptr;
    std::vector<HMENU> submenus_;
    HWND window_ = nullptr;
    SIZE clientBefore_{};
    std::optional<TSkinForm> form_;
    UINT_PTR timer_ = 0;
};

TEST_F(SkinMenuBar, TakesTheMenuOffTheWindowAndGivesItBackKeepingTheClientSize) {
    EXPECT_EQ(GetMenu(window_), nullptr);
    EXPECT_EQ(ClientSize().cx, clientBefore_.cx);
    EXPECT_EQ(ClientSize().cy, clientBefore_.cy);
    // The client area starts below the title bar and the menu bar's row.
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    RECT window{};
    GetWindowRect(window_, &window);
    EXPECT_EQ(form_->Metrics().MenuBar, GetSystemMetrics(SM_CYMENU));
    EXPECT_EQ(origin.y - window.top, form_->Metrics().Caption + GetSystemMetrics(SM_CYMENU));
    form_.reset();
    EXPECT_EQ(GetMenu(window_), menu_);
    EXPECT_EQ(ClientSize().cx, clientBefore_.cx);
    EXPECT_EQ(ClientSize().cy, clientBefore_.cy);
}

TEST_F(SkinMenuBar, ItemsFollowEachOtherInTheBarRowAndAnswerAsTheMenu) {
    const TFrameGeometry geometry = form_->Geometry();
    const std::vector<TViewRect>& rects = geometry.MenuItemRects;
    ASSERT_EQ(rects.size(), 4u);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].Top, geometry.Layout.MenuBar.Top) << i;
        EXPECT_EQ(rects[i].Bottom, geometry.Layout.MenuBar.Bottom - 1) << i;
        if (i > 0) {
            EXPECT_EQ(rects[i].Left, rects[i - 1].Right) << i;
        }
        const POINT at = ToScreen(Centre(rects[i]));
        EXPECT_EQ(SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTMENU) << i;
    }
    // "Edición" is wider than "Ver" in any font.
    EXPECT_GT(rects[kEdicion].Right - rects[kEdicion].Left, rects[kVer].Right - rects[kVer].Left);
    // A changed menu shows at once.
    ModifyMenuA(menu_, kAyuda, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenus_[kAyuda]),
                "Ayuda y mucho m\xE1s");
    const std::vector<TViewRect> changed = ItemRects();
    EXPECT_GT(changed[kAyuda].Right - changed[kAyuda].Left, rects[kAyuda].Right - rects[kAyuda].Left);
}

TEST_F(SkinMenuBar, ItemUnderTheMouseGetsTheHighlightFrameAndDisabledTextIsShadowed) {
    const std::vector<TViewRect> rects = ItemRects();
    const Rgb frame = RgbOf(Model().Colours.ButtonHilight);
    const int outline = OutlineLength(rects[kArchivo]);
    {
        const TWindowPixels pixels(window_);
        EXPECT_LT(pixels.OutlineCount(rects[kArchivo], frame), outline);
    }
    const POINT over = ToScreen(Centre(rects[kArchivo]));
    SendMessageA(window_, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(over.x, over.y));
    {
        const TWindowPixels pixels(window_);
        EXPECT_EQ(pixels.OutlineCount(rects[kArchivo], frame), outline);
        EXPECT_LT(pixels.OutlineCount(rects[kEdicion], frame), OutlineLength(rects[kEdicion]));
    }
    // Moving on hands the frame to the next item.
    const POINT next = ToScreen(Centre(rects[kEdicion]));
    SendMessageA(window_, WM_NCMOUSEMOVE, HTMENU, MAKELPARAM(next.x, next.y));
    {
        const TWindowPixels pixels(window_);
        EXPECT_LT(pixels.OutlineCount(rects[kArchivo], frame), outline);
        EXPECT_EQ(pixels.OutlineCount(rects[kEdicion], frame), OutlineLength(rects[kEdicion]));
        const Rgb shadow = RgbOf(0x80000000u | COLOR_BTNSHADOW);
        const Rgb text = RgbOf(Model().Colours.MenuBarText);
        EXPECT_GT(pixels.InsideCount(rects[kVer], shadow), 0);
        EXPECT_EQ(pixels.InsideCount(rects[kVer], text), 0);
        EXPECT_GT(pixels.InsideCount(rects[kArchivo], text), 0);
    }
}

TEST_F(SkinMenuBar, PressOpensTheItemsDropDownShownPressedAndTheChoiceReachesTheWindow) {
    int pressedOutline = -1;
    bool menuWindowSeen = false;
    script = {
        {1,
         [&] {
             menuWindowSeen = MenuWindowShown();
             pressedOutline = TWindowPixels(window_).OutlineCount(ItemRects()[kEdicion], RgbOf(Model().Colours.ButtonHilight));
             PostKey(VK_DOWN);
             PostKey(VK_DOWN);
             PostKey(VK_RETURN);
         }},
    };
    PressItem(kEdicion);
    EXPECT_TRUE(menuWindowSeen);
    EXPECT_EQ(seen.popups, Submenus({kEdicion}));
    EXPECT_EQ(pressedOutline, OutlineLength(ItemRects()[kEdicion]));
    EXPECT_EQ(seen.commands, std::vector<WORD>{kPegar});
    EXPECT_FALSE(form_->MenuBar()->InMenuMode());
    // The drop-down's items were drawn from the skin.
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(submenus_[kEdicion], 0, TRUE, &info));
    EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u);
}

TEST_F(SkinMenuBar, DisabledItemDoesNotOpen) {
    PressItem(kVer);
    EXPECT_TRUE(seen.popups.empty());
    EXPECT_FALSE(form_->MenuBar()->InMenuMode());
}

TEST_F(SkinMenuBar, ArrowKeysMoveToTheNeighbourDropDownsCyclically) {
    struct TCase {
        std::vector<WPARAM> keys;
        std::vector<std::size_t> opened;
    } const cases[] = {
        {{VK_RIGHT}, {kArchivo, kEdicion}},
        {{VK_LEFT}, {kArchivo, kAyuda}},
        {{VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT}, {kArchivo, kEdicion, kVer, kAyuda, kArchivo}},
    };
    for (const TCase& c : cases) {
        seen = {};
        script.clear();
        nextStep = 0;
        for (std::size_t i = 0; i < c.keys.size(); ++i) script.push_back({i + 1, [this, key = c.keys[i]] { PostKey(key); }});
        script.push_back({c.keys.size() + 1, [this] { PostKey(VK_ESCAPE); }});
        PressItem(kArchivo);
        std::vector<HMENU> expected;
        for (const std::size_t item : c.opened) expected.push_back(submenus_[item]);
        EXPECT_EQ(seen.popups, expected) << c.keys.size();
        EXPECT_TRUE(seen.commands.empty());
        EXPECT_FALSE(form_->MenuBar()->InMenuMode());
    }
}

TEST_F(SkinMenuBar, PressOnAnotherItemSwitchesAndOnTheOpenOneCloses) {
    script = {
        {1, [this] { PostPressOn(kAyuda); }},
        {2, [this] { PostPressOn(kAyuda); }},
    };
    PressItem(kArchivo);
    EXPECT_EQ(seen.popups, Submenus({kArchivo, kAyuda}));
    EXPECT_TRUE(seen.commands.empty());
    EXPECT_FALSE(MenuWindowShown());
    EXPECT_FALSE(form_->MenuBar()->InMenuMode());
}

TEST_F(SkinMenuBar, AltLetterOpensTheItemWhoseAcceleratorItIs) {
    struct TCase {
        char key;
        std::optional<std::size_t> opened;
    } const cases[] = {
        {'a', kArchivo},
        {'E', kEdicion},   // either case
        {'v', std::nullopt},  // disabled
        {'x', std::nullopt},  // no item's
    };
    for (const TCase& c : cases) {
        seen = {};
        script = {{1, [this] { PostKey(VK_ESCAPE); }}};
        nextStep = 0;
        SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, static_cast<unsigned char>(c.key));
        Pump();
        // An unknown letter went on to the system, which beeps over the system menu: end it.
        if (MenuWindowShown()) EndMenu();
        Pump();
        if (c.opened) {
            EXPECT_EQ(seen.popups, Submenus({*c.opened})) << c.key;
        } else {
            EXPECT_TRUE(seen.popups.empty()) << c.key;
        }
    }
}

TEST_F(SkinMenuBar, LetterTheSystemLooksUpInTheSystemMenuOpensTheBarsItem) {
    // The system tracking the system menu for Alt+letter from a child control asks the window.
    const LRESULT answer = SendMessageA(window_, WM_MENUCHAR, MAKEWPARAM('e', MF_SYSMENU),
                                        reinterpret_cast<LPARAM>(GetSystemMenu(window_, FALSE)));
    EXPECT_EQ(HIWORD(answer), MNC_CLOSE);
    script = {{1, [this] { PostChar('c'); }}};
    Pump();
    EXPECT_EQ(seen.popups, Submenus({kEdicion}));
    EXPECT_EQ(seen.commands, std::vector<WORD>{kCopiar});
    // Not the bar's letter: the system's answer.
    EXPECT_NE(HIWORD(SendMessageA(window_, WM_MENUCHAR, MAKEWPARAM('q', MF_SYSMENU),
                                  reinterpret_cast<LPARAM>(GetSystemMenu(window_, FALSE)))),
              MNC_CLOSE);
}

TEST_F(SkinMenuBar, AltAloneSelectsTheBarArrowsMoveAndEnterOpensWithTheFirstItemChosen) {
    // The choosing Enter typed once the drop-down is up, or typed ahead with the other keys.
    for (const bool typedAhead : {false, true}) {
        seen = {};
        nextStep = 0;
        script = {{0, [this, typedAhead] {
                       PostKey(VK_RIGHT);
                       PostKey(VK_RIGHT);
                       PostKey(VK_RIGHT);
                       PostKey(VK_RETURN);
                       if (typedAhead) PostKey(VK_RETURN);
                   }}};
        if (!typedAhead) script.push_back({1, [this] { PostKey(VK_RETURN); }});
        SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 0);
        Pump();
        EXPECT_EQ(seen.systemMenuPopups, 0) << typedAhead;
        EXPECT_EQ(seen.popups, Submenus({kAyuda})) << typedAhead;
        EXPECT_EQ(seen.commands, std::vector<WORD>{kAcercaDe}) << typedAhead;
        EXPECT_FALSE(form_->MenuBar()->InMenuMode()) << typedAhead;
        // Nothing of the keys is left for the window's controls.
        MSG left{};
        EXPECT_FALSE(PeekMessageA(&left, window_, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE)) << typedAhead;
    }
}

TEST_F(SkinMenuBar, AltAloneThenEscapeLeavesTheBarWithNothingOpened) {
    bool selectedWhileUp = false;
    script = {{0, [&] {
                   selectedWhileUp = form_->MenuBar()->SelectedItem() == std::optional<std::size_t>(kArchivo);
                   PostKey(VK_ESCAPE);
               }}};
    SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, 0);
    Pump();
    EXPECT_TRUE(selectedWhileUp);
    EXPECT_TRUE(seen.popups.empty());
    EXPECT_EQ(seen.systemMenuPopups, 0);
    EXPECT_FALSE(form_->MenuBar()->InMenuMode());
}

TEST_F(SkinMenuBar, AltSpaceStillOpensTheSystemMenu) {
    script = {{0, [] {}}};
    const UINT_PTR closer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        if (MenuWindowShown()) EndMenu();
    });
    SendMessageA(window_, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    Pump();
    KillTimer(nullptr, closer);
    EXPECT_TRUE(seen.popups.empty());
    EXPECT_EQ(seen.systemMenuPopups, 1);
}

}  // namespace

namespace {

void PressAndRelease(WORD key) {
    INPUT inputs[2]{};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = key;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

// A control that keeps the system keys to itself, as an editor with its own keystrokes may.
LRESULT CALLBACK KeyEater(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_KEYDOWN || message == WM_KEYUP) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SkinMenuBar, AltOrF10PressedAloneOnTheKeyboardSelectsTheBarWhereverTheFocusIs) {
    WNDCLASSA eaterClass{};
    eaterClass.lpfnWndProc = KeyEater;
    eaterClass.hInstance = GetModuleHandleA(nullptr);
    eaterClass.lpszClassName = "SkinMenuBarKeyEater";
    RegisterClassA(&eaterClass);
    const HWND eater = CreateWindowExA(0, "SkinMenuBarKeyEater", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 40, window_,
                                       nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(eater, nullptr);
    for (const HWND focus : {window_, eater}) {
        for (const WORD key : {WORD{VK_MENU}, WORD{VK_F10}}) {
            bool selectedWhileUp = false;
            seen = {};
            nextStep = 0;
            script = {{0, [&] {
                           selectedWhileUp = form_->MenuBar()->SelectedItem() == std::optional<std::size_t>(kArchivo);
                           PostKey(VK_ESCAPE);
                       }}};
            SetForegroundWindow(window_);
            SetFocus(focus);
            PressAndRelease(key);
            for (int i = 0; i < 5 && nextStep == 0; ++i) Pump();
            EXPECT_TRUE(selectedWhileUp) << key << (focus == eater ? " in the control" : " in the window");
            EXPECT_EQ(seen.systemMenuPopups, 0) << key;
            EXPECT_FALSE(form_->MenuBar()->InMenuMode()) << key;
        }
    }
    DestroyWindow(eater);
}

}  // namespace
