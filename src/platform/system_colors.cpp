#include "platform/system_colors.hpp"

#include <array>

namespace tips::platform {

namespace {

constexpr std::array<TColor, 31> kClassic = {
    RgbColor(192, 192, 192),  // scroll bar
    RgbColor(0, 128, 128),    // desktop
    RgbColor(0, 0, 128),      // active caption
    RgbColor(128, 128, 128),  // inactive caption
    RgbColor(192, 192, 192),  // menu
    RgbColor(255, 255, 255),  // window
    RgbColor(0, 0, 0),        // window frame
    RgbColor(0, 0, 0),        // menu text
    RgbColor(0, 0, 0),        // window text
    RgbColor(255, 255, 255),  // caption text
    RgbColor(192, 192, 192),  // active border
    RgbColor(192, 192, 192),  // inactive border
    RgbColor(128, 128, 128),  // application work space
    RgbColor(0, 0, 128),      // highlight
    RgbColor(255, 255, 255),  // highlight text
    RgbColor(192, 192, 192),  // button face
    RgbColor(128, 128, 128),  // button shadow
    RgbColor(128, 128, 128),  // grey text
    RgbColor(0, 0, 0),        // button text
    RgbColor(192, 192, 192),  // inactive caption text
    RgbColor(255, 255, 255),  // button highlight
    RgbColor(0, 0, 0),        // 3-D dark shadow
    RgbColor(223, 223, 223),  // 3-D light
    RgbColor(0, 0, 0),        // tooltip text
    RgbColor(255, 255, 225),  // tooltip background
    RgbColor(0, 0, 0),        // (unused)
    RgbColor(0, 0, 255),      // hot-tracked item
    RgbColor(16, 132, 208),   // active caption gradient
    RgbColor(181, 181, 181),  // inactive caption gradient
    RgbColor(0, 0, 128),      // menu highlight
    RgbColor(192, 192, 192),  // menu bar
};

}  // namespace

TColor TClassicSystemColors::Color(int index) const {
    if (index < 0 || index >= static_cast<int>(kClassic.size())) return clBlack;
    return kClassic[static_cast<std::size_t>(index)];
}

TColor ResolveColor(TColor color, const TSystemColors& colors) {
    if (IsSystemColor(color)) return colors.Color(static_cast<int>(color & 0xFF)) & 0xFFFFFF;
    return color & 0xFFFFFF;
}

}  // namespace tips::platform
