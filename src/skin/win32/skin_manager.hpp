#pragma once
// The process's one skin manager: watches the UI thread's windows through a CBT hook and gives each
// window the rules choose a skinned frame and skinned controls when it is first activated; forgets
// frames whose windows are gone. Menu windows ("#32768") created while frames are skinned get a
// skinned background for as long as they exist.

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "skin/skin_bitmap_cache.hpp"
#include "skin/skin_data.hpp"
#include "skin/skin_source_properties.hpp"
#include "skin/window_choice.hpp"
#include "skin/win32/skin_form.hpp"
#include "skin/win32/skin_popup_menu.hpp"

namespace tips::skin::win32 {

class TSkinManager {
public:
    // Only one manager may exist at a time; the skin must outlive it.
    TSkinManager(const TSkinData& skin, TSkinChoiceRules rules, TSkinSourceProperties properties = {});
    ~TSkinManager();
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    // Skins `window` now when the rules take it; true when it is skinned afterwards.
    bool Offer(HWND window);
    // Offers every visible top-level window of the thread (a skin applied while windows are open).
    void OfferThreadWindows();
    bool Skinned(HWND window) const { return forms_.count(window) != 0; }
    std::size_t SkinnedCount() const { return forms_.size(); }
    std::size_t MenuWindowCount() const { return menuWindows_.size(); }

    // The manager serving the process, or nullptr.
    static TSkinManager* Current();
    // Set by a skinned menu bar around opening its drop-down, so that the menu window it makes is
    // drawn as a menu-bar drop-down.
    void SetMenuBarOpening(bool opening) { menuBarOpening_ = opening; }

    static constexpr UINT kRequestInterval = 250;

private:
    static LRESULT CALLBACK CbtProcedure(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK RequestTimer(HWND, UINT, UINT_PTR, DWORD);
    void Forget(HWND window);
    void MenuWindowCreated(HWND window);
    void MenuWindowDestroyed(HWND window);
    TSkinContext Context() { return {skin_, bitmaps_, properties_}; }

    const TSkinData& skin_;
    TSkinBitmapCache bitmaps_;
    TSkinChoiceRules rules_;
    const TSkinSourceProperties properties_;
    bool menuBarOpening_ = false;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    std::map<HWND, std::unique_ptr<TSkinForm>> forms_;
    // Frames of windows that are gone, let go on the next request tick (not inside their own message).
    std::vector<std::unique_ptr<TSkinForm>> gone_;
    std::map<HWND, std::unique_ptr<TSkinPopupMenu>> menuWindows_;
};

}  // namespace tips::skin::win32
