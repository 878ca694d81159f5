#pragma once
// The process-wide part of the single-instance guard: at its creation (the program's first call, before
// any window exists) it creates the mutex named after the executable's file name and remembers
// whether that mutex already existed. The mutex stays open until the process ends.

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "widgets/ext_one_instance.hpp"

namespace tips::widgets {

class TExtApplication {
public:
    // Detects a running copy through the mutex `mutexName`.
    explicit TExtApplication(const std::string& mutexName);

    bool PreviousInstance() const { return previousInstance_; }
    HANDLE Mutex() const { return mutex_.get(); }

private:
    struct TCloseHandle {
        void operator()(HANDLE handle) const { CloseHandle(handle); }
    };
    std::unique_ptr<std::remove_pointer_t<HANDLE>, TCloseHandle> mutex_;
    bool previousInstance_ = false;
};

// The full path of the running executable.
std::string ExecutablePath();

// The process's object; the first call does the detection for the running executable. The program
// entry calls it before it creates the application object.
TExtApplication& ExtApplication();

// Brings the running copy's hidden application window forward: restored when minimised, made the
// foreground window otherwise. This copy's own application window loses its title first, so the
// search cannot find it. Nothing happens without a running copy.
void ActivatePreviousInstance();

// The component's view of this process: ExtApplication(), Application(), message boxes.
TExtOneInstanceHost& ProcessOneInstanceHost();

}  // namespace tips::widgets
