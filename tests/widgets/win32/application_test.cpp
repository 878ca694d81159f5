#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "widgets/win32/application.hpp"
#include "widgets/win32/form.hpp"

namespace {

using tips::widgets::Application;
using tips::widgets::TOwnedWindow;

TEST(Application, OwnsAHiddenTopLevelWindowFoundByItsTitle) {
    Application().SetTitle("Tolvanec de prueba");
    const HWND found = FindWindowA("TApplication", "Tolvanec de prueba");
    EXPECT_EQ(found, Application().Handle());
    EXPECT_FALSE(IsWindowVisible(found));
    EXPECT_EQ(GetParent(found), nullptr);
}

// A form whose handlers record the order they ran in and can throw.
class TProbeForm : public tips::widgets::TForm {
public:
    explicit TProbeForm(std::vector<std::string>& log) : log_(log) {
        tips::widgets::TFormLayout layout;
        layout.className = "TProbeForm";
        layout.caption = "Probe";
        layout.width = 300;
        layout.height = 200;
        layout.centerOnScreen = true;
        CreateForm(layout);
    }
    bool throwOnPaint = false;

protected:
    void LayoutLoaded() override { log_.push_back("LayoutLoaded"); }
    void FormCreate() override { log_.push_back(HandleAllocated() ? "FormCreate with handle" : "FormCreate"); }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_USER + 1) throw std::runtime_error("Cannot create file C:\\x\\trucos.dat");
        return TForm::WndProc(message, wParam, lParam);
    }

private:
    std::vector<std::string>& log_;
};

TEST(Form, LoadsItsComponentsBeforeItsCreationHandler) {
    std::vector<std::string> log;
    TOwnedWindow<TProbeForm> form(log);
    EXPECT_EQ(log, (std::vector<std::string>{"LayoutLoaded", "FormCreate with handle"}));
    EXPECT_EQ(form.ClientSize().cx, 300);
    EXPECT_EQ(form.ClientSize().cy, 200);
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

TEST(Form, IsCentredOnTheScreen) {
    std::vector<std::string> log;
    TOwnedWindow<TProbeForm> form(log);
    RECT rect{};
    GetWindowRect(form.Handle(), &rect);
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_NEAR(rect.left + (rect.right - rect.left) / 2, screenWidth / 2, 1);
    EXPECT_NEAR(rect.top + (rect.bottom - rect.top) / 2, screenHeight / 2, 1);
}

TEST(Application, ShowsWhatAHandlerLetsThroughInTheErrorBox) {
    std::vector<std::string> log;
    TOwnedWindow<TProbeForm> form(log);
    Application().SetTitle("Tolvanec de prueba");
    std::vector<std::pair<std::string, std::string>> boxes;
    Application().SetErrorBox([&](const std::string& text, const std::string& caption) {
        boxes.emplace_back(text, caption);
    });
    SendMessageA(form.Handle(), WM_USER + 1, 0, 0);
    Application().SetErrorBox(nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Cannot create file C:\\x\\trucos.dat.");
    EXPECT_EQ(boxes[0].second, "Tolvanec de prueba");
}

}  // namespace
