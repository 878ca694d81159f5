#pragma once
// Drives a modal loop from inside: steps run one at a time from a timer of the thread while the loop
// runs. A timer's turn comes only when the queue holds nothing else, so whatever a step posts (keys,
// clicks) has been handled before the next step runs. When the steps are done and the loop still runs
// after a grace period, the rescue ends it, so a broken loop fails its test instead of hanging it.

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

namespace tips_test {

class TModalScript {
public:
    using TStep = std::function<void()>;

    TModalScript(std::vector<TStep> steps, std::function<void()> rescue) : steps_(std::move(steps)),
                                                                          rescue_(std::move(rescue)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, kInterval, &TModalScript::Tick);
    }
    ~TModalScript() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    TModalScript(const TModalScript&) = delete;
    TModalScript& operator=(const TModalScript&) = delete;

    // How many steps have run.
    std::size_t StepsRun() const { return next_; }
    bool Rescued() const { return rescued_; }

private:
    static constexpr UINT kInterval = 20;
    static constexpr int kGraceTicks = 50;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        TModalScript* script = current_;
        if (!script) return;
        if (script->next_ < script->steps_.size()) {
            const std::size_t step = script->next_++;
            script->steps_[step]();
            return;
        }
        if (++script->idleTicks_ == kGraceTicks && script->rescue_) {
            script->rescued_ = true;
            script->rescue_();
        }
    }

    static inline TModalScript* current_ = nullptr;
    std::vector<TStep> steps_;
    std::function<void()> rescue_;
    UINT_PTR timer_ = 0;
    std::size_t next_ = 0;
    int idleTicks_ = 0;
    bool rescued_ = false;
};

// Posts a key's press and release to a window, as the keyboard would send them to the focused one.
inline void PostKey(HWND window, WPARAM key) {
    PostMessageA(window, WM_KEYDOWN, key, 1);
    PostMessageA(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));  // previous state down, released
}

}  // namespace tips_test
