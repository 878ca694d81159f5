// A minimal program with the single-instance guard, started twice by the Windows-side tests:
//   one_instance_probe.exe TITLE REPORT_FILE
// It detects first, then makes the application object with TITLE, loads the component and writes
// "previous=0" or "previous=1" to REPORT_FILE, then runs the message loop; its exit code is the loop's.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "widgets/ext_one_instance.hpp"
#include "widgets/win32/application.hpp"
#include "widgets/win32/ext_application.hpp"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const bool previous = tips::widgets::ExtApplication().PreviousInstance();
    if (__argc < 3) return 2;
    auto& application = tips::widgets::Application();
    application.SetTitle(__argv[1]);
    tips::widgets::TExtOneInstance component(tips::widgets::ProcessOneInstanceHost());
    component.LayoutLoaded();
    // Written to a side name and moved, so the test never reads half a report.
    const std::string report = __argv[2];
    const std::string partial = report + ".part";
    if (FILE* file = std::fopen(partial.c_str(), "w")) {
        std::fprintf(file, "previous=%d\n", previous ? 1 : 0);
        std::fclose(file);
        MoveFileExA(partial.c_str(), report.c_str(), MOVEFILE_REPLACE_EXISTING);
    }
    return application.Run();
}
