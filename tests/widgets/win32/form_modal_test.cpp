// Forms shown modally: the loop runs until a result is set, the form is closed or hidden; the other
// windows take no input meanwhile and get the activation and the focus back afterwards.

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "widgets/win32/application.hpp"
#include "widgets/win32/button.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "win32/modal_script.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;
using tips_test::PostKey;
using tips_test::TModalScript;

constexpr int kRescued = 77;  // a result nothing but the rescue sets
constexpr int kChosen = 4;    // a result of the test's own

// A window that stays up while another is shown modally, its edit box holding the focus.
class TOwnerProbe : public TForm {
public:
    TOwnerProbe() {
        edit.SetBounds(8, 8, 120, 21);
        edit.SetTabStop(true);
        other.SetBounds(8, 40, 120, 21);
        other.SetTabStop(true);
        TFormLayout layout;
        layout.className = "TModalOwnerProbe";
        layout.caption = "Owner";
        layout.width = 300;
        layout.height = 120;
        CreateForm(layout);
    }
    TEdit edit{this};
    TEdit other{this};
};

// The form shown modally: an edit box first in the tab order, then a default button giving mrOk.
class TDialogProbe : public TForm {
public:
    explicit TDialogProbe(bool centred = true) {
        edit.SetBounds(8, 8, 120, 21);
        edit.SetTabStop(true);
        ok.SetBounds(8, 40, 75, 25);
        ok.SetCaption("OK");
        ok.SetDefault(true);
        ok.SetModalResult(mrOk);
        TFormLayout layout;
        layout.className = "TModalDialogProbe";
        layout.caption = "Dialog";
        layout.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
        layout.width = 240;
        layout.height = 150;
        layout.outerSize = true;
        layout.centerOnScreen = centred;
        CreateForm(layout);
    }
    TEdit edit{this};
    TButton ok{this};
};

class ModalForm : public ::testing::Test {
protected:
    void SetUp() override {
        ShowWindow(owner.Handle(), SW_SHOW);
        SetActiveWindow(owner.Handle());
        owner.other.SetFocus();
        Application().ProcessMessages();
        ASSERT_EQ(GetFocus(), owner.other.Handle());
    }

    // Shows the dialog modally with the script running, and answers its modal result.
    int Show(std::vector<TModalScript::TStep> steps) {
        TModalScript script(std::move(steps), [this] { dialog.SetModalResult(kRescued); });
        const int result = dialog.ShowModal();
        EXPECT_FALSE(script.Rescued()) << "the modal loop did not end by itself";
        stepsRun = script.StepsRun();
        return result;
    }

    TOwnedWindow<TOwnerProbe> owner;
    TOwnedWindow<TDialogProbe> dialog;
    std::size_t stepsRun = 0;
};

TEST_F(ModalForm, ShowsCentredAndActiveWithTheOthersDisabledUntilAResultIsSet) {
    // Put the dialog off centre first: each showing centres it.
    SetWindowPos(dialog.Handle(), nullptr, 3, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame{};
    bool visible = false, active = false, ownerEnabled = true, modal = false;
    const int result = Show({[&] {
        GetWindowRect(dialog.Handle(), &frame);
        visible = IsWindowVisible(dialog.Handle()) != FALSE;
        active = GetActiveWindow() == dialog.Handle();
        ownerEnabled = IsWindowEnabled(owner.Handle()) != FALSE;
        modal = dialog.Modal();
        dialog.SetModalResult(kChosen);
    }});
    EXPECT_EQ(result, kChosen);
    EXPECT_TRUE(visible);
    EXPECT_TRUE(active);
    EXPECT_FALSE(ownerEnabled);
    EXPECT_TRUE(modal);
    EXPECT_EQ(frame.right - frame.left, 240);
    EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - 240) / 2);
    EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - 150) / 2);
    // Afterwards: hidden but kept, the owner enabled, active and focused where it was.
    EXPECT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    EXPECT_FALSE(dialog.Modal());
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_EQ(GetActiveWindow(), owner.Handle());
    EXPECT_EQ(GetFocus(), owner.other.Handle());
}

TEST_F(ModalForm, TheCloseBoxEndsTheLoopWithCancelAndTheFormCanBeShownAgain) {
    EXPECT_EQ(Show({[&] { PostMessageA(dialog.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }}), mrCancel);
    ASSERT_TRUE(IsWindow(dialog.Handle()));
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
    bool visibleAgain = false;
    EXPECT_EQ(Show({[&] {
                  visibleAgain = IsWindowVisible(dialog.Handle()) != FALSE;
                  dialog.SetModalResult(kChosen);
              }}),
              kChosen);
    EXPECT_TRUE(visibleAgain);
}

// A button gives its result and then its click handler closes the form: the result stays.
TEST_F(ModalForm, ClosingKeepsAResultAlreadySet) {
    dialog.ok.OnClick = [this](TButton&) { dialog.Close(); };
    EXPECT_EQ(Show({[&] { dialog.ok.Click(); }}), mrOk);
    dialog.ok.OnClick = nullptr;
    EXPECT_EQ(Show({[&] { dialog.Close(); }}), mrCancel);
}

TEST_F(ModalForm, HidingTheFormEndsTheLoopWithoutAResult) {
    EXPECT_EQ(Show({[&] { ShowWindow(dialog.Handle(), SW_HIDE); }}), mrNone);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

// Enter on the edit box presses the default button; the loop ends on that key, before the next step.
TEST_F(ModalForm, EnterEndsTheLoopAtOnceThroughTheDefaultButton) {
    HWND focus = nullptr;
    EXPECT_EQ(Show({[&] {
                        focus = GetFocus();
                        PostKey(focus, VK_RETURN);
                    },
                    [] {}}),
              mrOk);
    EXPECT_EQ(focus, dialog.edit.Handle());
    EXPECT_EQ(stepsRun, 1u);
}

TEST_F(ModalForm, EveryShowingStartsAtTheFirstTabStop) {
    HWND first = nullptr, second = nullptr;
    Show({[&] {
        first = GetFocus();
        dialog.ok.SetFocus();
        dialog.SetModalResult(mrOk);
    }});
    Show({[&] {
        second = GetFocus();
        dialog.SetModalResult(mrOk);
    }});
    EXPECT_EQ(first, dialog.edit.Handle());
    EXPECT_EQ(second, dialog.edit.Handle());
}

TEST_F(ModalForm, AFormAlreadyShownModallyIsNotShownAgain) {
    bool refused = false;
    EXPECT_EQ(Show({[&] {
                  try {
                      dialog.ShowModal();
                  } catch (const std::logic_error&) {
                      refused = true;
                  }
                  dialog.SetModalResult(mrOk);
              }}),
              mrOk);
    EXPECT_TRUE(refused);
}

// Only the windows the loop disabled are enabled again: one disabled before stays so.
TEST_F(ModalForm, AWindowDisabledBeforeStaysDisabledAfter) {
    TOwnedWindow<TOwnerProbe> disabled;
    ShowWindow(disabled.Handle(), SW_SHOWNA);
    EnableWindow(disabled.Handle(), FALSE);
    bool ownerEnabledMeanwhile = true;
    Show({[&] {
        ownerEnabledMeanwhile = IsWindowEnabled(owner.Handle()) != FALSE;
        dialog.SetModalResult(mrOk);
    }});
    EXPECT_FALSE(ownerEnabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(IsWindowEnabled(disabled.Handle()));
}

}  // namespace
