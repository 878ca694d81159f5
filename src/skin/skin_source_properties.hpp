#pragma once
// TSkinSource's published properties that steer the frame and control skinning, with the defaults
// its constructor sets (the main window stores the same values, so it stores none of them).

#include <string>
#include <vector>

#include "skin/skin_class_map.hpp"
#include "skin/skin_controls.hpp"
#include "skin/window_choice.hpp"

namespace tips::skin {

struct TSkinSourceProperties {
    bool Active = false;
    int DisableTag = kDefaultDisableTag;
    TSkinControls SkinControls = TSkinControls::Default();
    std::vector<std::string> SkinClassMap = TSkinClassMap::DefaultLines();
    TSkinFormType SkinFormtype = TSkinFormType::sfMainform;
    std::string Version = "1.0.0";  // stored text, no effect
    bool MenuUpdate = true;

    // Without xcMainMenu no frame is skinned and no menu bar drawn.
    bool SkinsFrames() const { return SkinControls.Has(xcMainMenu); }
    bool SkinsSystemMenu() const { return SkinControls.Has(xcSystemMenu); }
    bool SkinsPopupMenus() const { return SkinControls.Has(xcPopupMenu); }
};

}  // namespace tips::skin
