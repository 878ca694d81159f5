#include "app/win32/form1.hpp"

#include <exception>
#include <utility>
#include <vector>

#include "app/app_texts.hpp"
#include "app/tips_file_path.hpp"
#include "skin/embedded_skin.hpp"
#include "widgets/win32/application.hpp"

namespace tips::app {

TForm1::TForm1(std::string executablePath) : executablePath_(std::move(executablePath)) {
    widgets::TFormLayout layout;
    layout.className = "TForm1";
    layout.caption = kMainCaption;
    layout.width = 687;
    layout.height = 443;
    layout.centerOnScreen = true;

    // The skin the executable carries is part of the window's stored layout: it is decoded first.
    SkinSource1.OnShowMessage = [](const std::string& text) {
        MessageBoxA(nullptr, text.c_str(), widgets::Application().Title().c_str(), MB_OK);
    };
    SkinSource1.ReadSkinStream(skin::EmbeddedSkinStream());

    CreateForm(layout);
}

TForm1::~TForm1() {
    // The destroy handler runs while every component is still there; what it raises is shown, not thrown.
    try {
        FormDestroy();
    } catch (const std::exception& error) {
        widgets::Application().ShowException(error);
    }
    DestroyHandle();
}

std::string TForm1::RunningExecutablePath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

void TForm1::FormCreate() {
    tipsFile_.Load(tbTrucos, TipsFilePath(executablePath_));
    tbTrucos.Open();
    tbTrucos.SetSortedField("Descripcion");
}

void TForm1::FormDestroy() { tipsFile_.Save(tbTrucos, TipsFilePath(executablePath_)); }

LRESULT TForm1::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // Closing the main window ends the application; the windows go when the loop has ended.
        widgets::Application().Terminate();
        return 0;
    }
    return TForm::WndProc(message, wParam, lParam);
}

}  // namespace tips::app
