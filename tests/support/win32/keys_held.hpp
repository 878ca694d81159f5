#pragma once
// Keys held down for GetKeyState, as the keyboard would hold them, while an object lives.

#include <windows.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

namespace tips_test {

class TKeysHeld {
public:
    explicit TKeysHeld(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        for (const int key : keys) state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~TKeysHeld() { SetKeyboardState(saved_); }
    TKeysHeld(const TKeysHeld&) = delete;
    TKeysHeld& operator=(const TKeysHeld&) = delete;

private:
    BYTE saved_[256]{};
};

}  // namespace tips_test
