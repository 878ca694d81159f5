// Program entry: the application object and its title, then the three windows in their order, then the
// message loop. Leaving this function destroys the windows, each before its object: the main window's
// destroy handler saves the tips.

#include <windows.h>

#include <exception>

#include "app/app_texts.hpp"
#include "app/win32/form1.hpp"
#include "app/win32/form2.hpp"
#include "app/win32/fvp.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/ext_application.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Whether another copy runs is settled before the first window exists.
    tips::widgets::ExtApplication();
    auto& application = tips::widgets::Application();
    application.SetTitle(tips::app::kApplicationTitle);
    try {
        tips::widgets::TOwnedWindow<tips::app::TForm1> form1;
        tips::widgets::TOwnedWindow<tips::app::Tfvp> fvp;
        tips::widgets::TOwnedWindow<tips::app::TForm2> form2;
        form1.fvp = &fvp;
        form1.Form2 = &form2;
        // A copy that handed over to the running one quits without showing a window.
        if (form1.ExtOneInstance1.HandedOver()) return 0;
        application.SetMainWindow(form1.Handle());
        return application.Run();
    } catch (const std::exception& error) {
        application.ShowException(error);
        return 1;
    }
}
