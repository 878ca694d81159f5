// Window lifetime: windows go top-down before their objects, so a class's WM_DESTROY handling runs
// without a destructor of its own; a window left behind by its object is reported; the object is kept
// in one place that later subclassing does not disturb; window classes are registered once.

#include "widgets/win32/window.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "widgets/win32/application.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/form.hpp"
#include "win32/window_lifetime_check.hpp"

namespace {

using namespace tips::widgets;
using TLog = std::vector<std::string>;

// A control that logs its tag on WM_DESTROY and has no destructor of its own: the tag is a member, so
// logging it shows the object was whole when its window went.
class TDestroyProbe : public TWinControl {
public:
    TDestroyProbe(TWinControl* parent, TLog& log, std::string tag) : TWinControl(parent), log_(log), tag_(std::move(tag)) {}

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) log_.push_back(tag_);
        return TWinControl::WndProc(message, wParam, lParam);
    }

private:
    TLog& log_;
    std::string tag_;
};

// A form with probes inside probes, also without a destructor; its destroy handler and its own
// WM_DESTROY handling both log.
class TProbeHost : public TForm {
    // First: the probes below are made with it.
    TLog& log_;
    bool throwOnCreate_;

public:
    explicit TProbeHost(TLog& log, bool throwOnCreate = false) : log_(log), throwOnCreate_(throwOnCreate) {
        outer.SetBounds(0, 0, 200, 100);
        inner.SetBounds(10, 10, 50, 50);
        sibling.SetBounds(0, 100, 200, 50);
        TFormLayout layout;
        layout.className = "TProbeHost";
        layout.caption = "Probe host";
        layout.width = 200;
        layout.height = 150;
        CreateForm(layout);
    }
    TDestroyProbe outer{this, log_, "outer"};
    TDestroyProbe inner{&outer, log_, "inner"};
    TDestroyProbe sibling{this, log_, "sibling"};

protected:
    void FormCreate() override {
        if (throwOnCreate_) throw std::runtime_error("cannot create");
    }
    void FormDestroy() override { log_.push_back("FormDestroy"); }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) log_.push_back("host");
        return TForm::WndProc(message, wParam, lParam);
    }
};

// A top-level window that is not a form.
class TTopLevelProbe : public TWindow {
public:
    explicit TTopLevelProbe(TLog& log) : log_(log) {
        static const TWindowClass windowClass{"TTopLevelProbe"};
        TWindowParams params;
        params.windowClass = &windowClass;
        params.style = WS_POPUP;
        CreateHandle(params);
    }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_DESTROY) log_.push_back("top");
        return TWindow::WndProc(message, wParam, lParam);
    }

private:
    TLog& log_;
};

// Records the lifetime faults reported while it lives instead of failing the test.
class TRecordedFaults {
public:
    TRecordedFaults() : previous_(SetLifetimeFaultHandler(&Record)) { faults().clear(); }
    ~TRecordedFaults() { SetLifetimeFaultHandler(previous_); }
    TRecordedFaults(const TRecordedFaults&) = delete;
    TRecordedFaults& operator=(const TRecordedFaults&) = delete;

    static TLog& faults() {
        static TLog recorded;
        return recorded;
    }

private:
    static void Record(const std::string& description) { faults().push_back(description); }
    TLifetimeFaultHandler previous_;
};

// ---- Destruction order ----------------------------------------------------------------------------

TEST(WindowLifetime, AFormGoesTopDownWithEveryObjectWhole) {
    TLog log;
    HWND inner = nullptr;
    {
        TOwnedWindow<TProbeHost> form(log);
        inner = form.inner.Handle();
        ASSERT_TRUE(IsWindow(inner));
    }
    // The form's own handling and its destroy handler first, then each window before the windows inside it.
    EXPECT_EQ(log, (TLog{"host", "FormDestroy", "outer", "inner", "sibling"}));
    EXPECT_FALSE(IsWindow(inner));
}

TEST(WindowLifetime, ATopLevelWindowThatIsNotAFormRunsItsDestroyHandling) {
    TLog log;
    HWND handle = nullptr;
    {
        TOwnedWindow<TTopLevelProbe> window(log);
        handle = window.Handle();
    }
    EXPECT_EQ(log, TLog{"top"});
    EXPECT_FALSE(IsWindow(handle));
}

TEST(WindowLifetime, AChildDroppedBeforeItsFormRunsItsDestroyHandling) {
    TLog log;
    TOwnedWindow<TProbeHost> form(log);
    auto extra = std::make_unique<TOwnedWindow<TDestroyProbe>>(&form, log, "extra");
    extra->HandleNeeded();
    const HWND handle = extra->Handle();
    ASSERT_EQ(GetParent(handle), form.Handle());

    extra.reset();
    EXPECT_EQ(log, TLog{"extra"});
    EXPECT_FALSE(IsWindow(handle));
    EXPECT_EQ(form.Controls().size(), 2u);  // outer and sibling: the dropped one is no longer listed
}

TEST(WindowLifetime, ControlsThatOutliveTheirFormsWindowSeeItsDestructionOnce) {
    TLog log;
    {
        TOwnedWindow<TProbeHost> form(log);
        form.DestroyHandle();
        EXPECT_EQ(log, (TLog{"host", "FormDestroy", "outer", "inner", "sibling"}));
        EXPECT_FALSE(form.outer.HandleAllocated());
        EXPECT_FALSE(form.inner.HandleAllocated());
        log.clear();
    }
    // The objects went later, without windows: nothing ran twice (and nothing was reported).
    EXPECT_EQ(log, TLog{});
}

TEST(WindowLifetime, AFormWhoseCreationFailsLeavesNoWindowAndSkipsItsDestroyHandler) {
    TLog log;
    TRecordedFaults recorded;
    EXPECT_THROW({ TOwnedWindow<TProbeHost> form(log, true); }, std::runtime_error);
    // The children's windows went while their objects were whole; the destroy handler pairs with a
    // creation handler that finished, so it did not run.
    EXPECT_EQ(log, (TLog{"host", "outer", "inner", "sibling"}));
    EXPECT_TRUE(TRecordedFaults::faults().empty());
    EXPECT_EQ(FindWindowA("TProbeHost", "Probe host"), nullptr);
}

// Forms can only be made through TOwnedWindow; the compiler refuses a bare one.
static_assert(std::is_abstract_v<TProbeHost>);
static_assert(!std::is_abstract_v<TOwnedWindow<TProbeHost>>);
static_assert(!std::is_abstract_v<TDestroyProbe>);

// ---- A window that outlives its object ------------------------------------------------------------

TEST(WindowLifetime, AWindowLeftBehindByItsObjectIsReportedAndDestroyed) {
    TLog log;
    TOwnedWindow<TProbeHost> form(log);
    TRecordedFaults recorded;
    HWND handle = nullptr;
    {
        TDestroyProbe bare(&form, log, "bare");  // not owned: nothing destroys its window first
        bare.HandleNeeded();
        handle = bare.Handle();
    }
    ASSERT_EQ(TRecordedFaults::faults().size(), 1u);
    EXPECT_NE(TRecordedFaults::faults()[0].find("TWinControl"), std::string::npos) << TRecordedFaults::faults()[0];
    // Too late for the probe's own handling, but the window does not leak.
    EXPECT_EQ(log, TLog{});
    EXPECT_FALSE(IsWindow(handle));
}

TEST(WindowLifetime, ATopLevelWindowLeftBehindIsReportedWithItsText) {
    TLog log;
    TRecordedFaults recorded;
    {
        TTopLevelProbe bare(log);
        SetWindowTextA(bare.Handle(), "forgotten");
    }
    ASSERT_EQ(TRecordedFaults::faults().size(), 1u);
    EXPECT_EQ(TRecordedFaults::faults()[0], "TTopLevelProbe (forgotten)");
    EXPECT_EQ(log, TLog{});
}

TEST(WindowLifetime, OwnedWindowsAndWindowlessObjectsReportNothing) {
    TLog log;
    TRecordedFaults recorded;
    {
        TOwnedWindow<TProbeHost> form(log);
        TDestroyProbe neverShown(&form, log, "never shown");  // no window was made for it
        TOwnedWindow<TTopLevelProbe> top(log);
    }
    EXPECT_TRUE(TRecordedFaults::faults().empty());
    EXPECT_EQ(log, (TLog{"top", "host", "FormDestroy", "outer", "inner", "sibling"}));
}

// ---- The object behind a window -------------------------------------------------------------------

WNDPROC laterProcedure = nullptr;
int laterMessages = 0;

LRESULT CALLBACK LaterSubclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 7) ++laterMessages;
    return CallWindowProcA(laterProcedure, hwnd, message, wParam, lParam);
}

class TCountingControl : public TWinControl {
public:
    using TWinControl::TWinControl;
    int messages = 0;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 7) ++messages;
        return TWinControl::WndProc(message, wParam, lParam);
    }
};

TEST(WindowObject, IsFoundThroughLaterSubclassingAndLeavesTheUserDataAlone) {
    TLog log;
    TOwnedWindow<TProbeHost> form(log);
    TOwnedWindow<TCountingControl> control(&form);
    control.HandleNeeded();
    const HWND handle = control.Handle();
    EXPECT_EQ(GetWindowLongPtrA(handle, GWLP_USERDATA), 0);

    laterMessages = 0;
    laterProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
    SendMessageA(handle, WM_USER + 7, 0, 0);
    EXPECT_EQ(laterMessages, 1);
    EXPECT_EQ(control.messages, 1);
    EXPECT_EQ(TWindow::FromHandle(handle), &control);
    SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterProcedure));
}

TEST(WindowObject, IsForgottenWhenItsWindowGoes) {
    TLog log;
    TOwnedWindow<TProbeHost> form(log);
    const HWND handle = form.outer.Handle();
    ASSERT_EQ(TWindow::FromHandle(handle), &form.outer);
    form.DestroyHandle();
    EXPECT_EQ(TWindow::FromHandle(handle), nullptr);
    EXPECT_EQ(TWindow::FromHandle(nullptr), nullptr);
    EXPECT_EQ(TWindow::FromHandle(GetDesktopWindow()), nullptr);
}

// ---- Window classes -------------------------------------------------------------------------------

TEST(WindowClass, IsRegisteredOnceAndADifferentDescriptionOfItsNameIsRefused) {
    const TWindowClass plain{"TWindowClassProbe"};
    EXPECT_NO_THROW(RegisterWindowClass(plain));
    EXPECT_NO_THROW(RegisterWindowClass(TWindowClass{"TWindowClassProbe"}));  // equal description
    TWindowClass painted = plain;
    painted.background = nullptr;
    EXPECT_THROW(RegisterWindowClass(painted), std::logic_error);

    WNDCLASSEXA registered{};
    registered.cbSize = sizeof registered;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "TWindowClassProbe", &registered));
    EXPECT_EQ(registered.hbrBackground, plain.background);
    EXPECT_EQ(registered.style, static_cast<UINT>(CS_DBLCLKS));
}

TEST(WindowClass, ADescriptionWithoutBackgroundRegistersNone) {
    RegisterWindowClass(TWindowClass{"TWindowClassPainted", CS_DBLCLKS, nullptr});
    WNDCLASSEXA registered{};
    registered.cbSize = sizeof registered;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "TWindowClassPainted", &registered));
    EXPECT_EQ(registered.hbrBackground, nullptr);
}

}  // namespace
