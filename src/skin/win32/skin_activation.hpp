#pragma once
// A skin component's activation on the user-interface thread: while the component is active and its
// skin loaded, the process's skin manager serves the thread's windows with it; a skin file loaded at run
// time is applied to every window at once.

#include <memory>

#include "skin/skin_source.hpp"
#include "skin/win32/skin_manager.hpp"

namespace tips::skin::win32 {

class TSkinActivation {
public:
    // Starts serving when `source` is active; an active source without a skin is switched off. The
    // source must outlive the activation.
    explicit TSkinActivation(TSkinSource& source);
    ~TSkinActivation();
    TSkinActivation(const TSkinActivation&) = delete;
    TSkinActivation& operator=(const TSkinActivation&) = delete;

    bool Serving() const { return manager_ != nullptr; }
    const TSkinManager* Manager() const { return manager_.get(); }

private:
    void Serve();
    // Every window given its own look back, then skinned again from the source's new skin.
    void Reapply();

    TSkinSource& source_;
    std::unique_ptr<TSkinManager> manager_;
};

}  // namespace tips::skin::win32
