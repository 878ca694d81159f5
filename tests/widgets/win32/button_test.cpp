// Push buttons: a click from the mouse, from Space on the focused button or from Enter (the focused
// button, else the form's default one) gives the form the button's modal result, then runs OnClick.

#include "widgets/win32/button.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/win32/application.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "win32/keys_held.hpp"
#include "win32/modal_script.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;
using tips_test::PostKey;
using tips_test::TKeysHeld;

// A control that takes every key itself, as a code editor does.
class TKeyEater : public TWinControl {
public:
    explicit TKeyEater(TWinControl* parent) : TWinControl(parent) { SetTabStop(true); }
    std::vector<WPARAM> keys;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS;
        if (message == WM_KEYDOWN) keys.push_back(wParam);
        return TWinControl::WndProc(message, wParam, lParam);
    }
};

// "Aceptar" as the default button giving mrOk, "Otro" beside it without a result, an edit box and a
// control that takes all keys.
class TButtonsProbe : public TForm {
public:
    TButtonsProbe() {
        edit.SetBounds(8, 8, 120, 21);
        eater.SetBounds(8, 36, 120, 21);
        accept.SetBounds(8, 70, 75, 25);
        accept.SetCaption("Aceptar");
        accept.SetDefault(true);
        accept.SetModalResult(mrOk);
        other.SetBounds(90, 70, 75, 25);
        other.SetCaption("Otro");
        accept.OnClick = [this](TButton& sender) { Clicked(sender); };
        other.OnClick = [this](TButton& sender) { Clicked(sender); };
        TFormLayout layout;
        layout.className = "TButtonsProbe";
        layout.caption = "Buttons";
        layout.width = 240;
        layout.height = 110;
        CreateForm(layout);
    }
    TEdit edit{this};
    TKeyEater eater{this};
    TButton accept{this};
    TButton other{this};

    std::vector<std::string> clicks;   // the caption of each button clicked
    std::vector<int> resultsSeen;      // the form's modal result when each click handler ran

private:
    void Clicked(TButton& sender) {
        clicks.push_back(sender.Caption());
        resultsSeen.push_back(ModalResult());
    }
};

class Button : public ::testing::Test {
protected:
    void SetUp() override {
        ShowWindow(form.Handle(), SW_SHOW);
        SetActiveWindow(form.Handle());
        Application().ProcessMessages();
    }
    // The key as the keyboard sends it to `target` holding the focus, through the application's loop.
    void Press(TWinControl& target, WPARAM key) {
        target.SetFocus();
        ASSERT_EQ(GetFocus(), target.Handle());
        PostKey(target.Handle(), key);
        Application().ProcessMessages();
    }

    TOwnedWindow<TButtonsProbe> form;
};

TEST_F(Button, IsAPushButtonTabStopMadeDefaultOrNot) {
    const auto kind = [](const TButton& button) { return GetWindowLongA(button.Handle(), GWL_STYLE) & BS_TYPEMASK; };
    EXPECT_EQ(kind(form.accept), BS_DEFPUSHBUTTON);
    EXPECT_EQ(kind(form.other), BS_PUSHBUTTON);
    EXPECT_TRUE(form.accept.TabStop());
    EXPECT_NE(GetWindowLongA(form.other.Handle(), GWL_STYLE) & WS_TABSTOP, 0);
    // Changed on a button whose window exists.
    form.other.SetDefault(true);
    form.accept.SetDefault(false);
    EXPECT_EQ(kind(form.other), BS_DEFPUSHBUTTON);
    EXPECT_EQ(kind(form.accept), BS_PUSHBUTTON);
}

// The form has its result before the click handler runs (it may close the form, which keeps it).
TEST_F(Button, AClickGivesTheFormItsResultBeforeTheHandlerRuns) {
    form.accept.Click();
    ASSERT_EQ(form.clicks, (std::vector<std::string>{"Aceptar"}));
    EXPECT_EQ(form.resultsSeen, (std::vector<int>{mrOk}));
    EXPECT_EQ(form.ModalResult(), mrOk);
    // A button without a result leaves the form's as it is.
    form.SetModalResult(mrNone);
    form.other.Click();
    EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST_F(Button, TheMouseClicksIt) {
    PostMessageA(form.other.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(form.other.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    Application().ProcessMessages();
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Otro"}));
}

// Which button Enter presses, by where the focus is; none when the focused control takes Enter itself.
TEST_F(Button, EnterPressesTheFocusedButtonElseTheDefaultOne) {
    struct TCase {
        const char* focused;
        TWinControl* focus;
        std::vector<std::string> clicks;
    };
    const TCase cases[] = {
        {"edit box", &form.edit, {"Aceptar"}},
        {"default button", &form.accept, {"Aceptar"}},
        {"other button", &form.other, {"Otro"}},
        {"control taking all keys", &form.eater, {}},
    };
    for (const TCase& test : cases) {
        form.clicks.clear();
        Press(*test.focus, VK_RETURN);
        EXPECT_EQ(form.clicks, test.clicks) << test.focused;
    }
    EXPECT_EQ(form.eater.keys, (std::vector<WPARAM>{VK_RETURN}));
}

TEST_F(Button, EnterWithCtrlOrAltOrForADisabledDefaultButtonPressesNothing) {
    {
        const TKeysHeld ctrl{VK_CONTROL};
        Press(form.edit, VK_RETURN);
    }
    {
        const TKeysHeld alt{VK_MENU};
        Press(form.edit, VK_RETURN);
    }
    form.accept.SetEnabled(false);
    Press(form.edit, VK_RETURN);
    form.accept.SetEnabled(true);
    form.accept.SetVisible(false);
    Press(form.edit, VK_RETURN);
    EXPECT_TRUE(form.clicks.empty());
    EXPECT_EQ(form.ModalResult(), mrNone);
}

TEST_F(Button, SpacePressesTheFocusedButtonAndEscPressesNone) {
    Press(form.other, VK_SPACE);
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"Otro"}));
    form.clicks.clear();
    Press(form.accept, VK_ESCAPE);
    Press(form.edit, VK_ESCAPE);
    EXPECT_TRUE(form.clicks.empty());
    EXPECT_EQ(form.ModalResult(), mrNone);
}

}  // namespace
