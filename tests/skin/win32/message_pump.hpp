#pragma once
// The thread's waiting messages handled, in a few rounds with a short pause between them, so that what
// those messages post in turn (repaints, the frame's own requests) is handled too.

#include <windows.h>

namespace tips::skin::testing {

inline void Pump() {
    MSG message;
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(10);
    }
}

}  // namespace tips::skin::testing
