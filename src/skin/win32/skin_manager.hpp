#pragma once
// The process's one skin manager: watches the UI thread's windows through a CBT hook and gives each
// window the rules choose a skinned frame when it is first activated; forgets frames whose windows are
// gone. Menu windows ("#32768") created while it serves are handed to OnMenuWindowCreated.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"
#include "skin/window_choice.hpp"
#include "skin/win32/skin_form.hpp"

namespace tips::skin::win32 {

class TSkinManager {
public:
    // Only one manager may exist at a time; the skin must outlive it.
    TSkinManager(const TSkinData& skin, TSkinChoiceRules rules);
    ~TSkinManager();
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    // Skins `window` now when the rules take it; true when it is skinned afterwards.
    bool Offer(HWND window);
    bool Skinned(HWND window) const { return forms_.count(window) != 0; }
    std::size_t SkinnedCount() const { return forms_.size(); }

    std::function<void(HWND menuWindow)> OnMenuWindowCreated;
    std::function<void(HWND menuWindow)> OnMenuWindowDestroyed;

    static constexpr UINT kRequestInterval = 250;

private:
    static LRESULT CALLBACK CbtProcedure(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK RequestTimer(HWND, UINT, UINT_PTR, DWORD);
    void Forget(HWND window);

    const TSkinData& skin_;
    TSkinBitmapCache bitmaps_;
    TSkinChoiceRules rules_;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    std::map<HWND, std::unique_ptr<TSkinForm>> forms_;
    // Frames of windows that are gone, let go on the next request tick (not inside their own message).
    std::vector<std::unique_ptr<TSkinForm>> gone_;
};

}  // namespace tips::skin::win32
