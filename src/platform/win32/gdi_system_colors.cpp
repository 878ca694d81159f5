#include "platform/win32/gdi_system_colors.hpp"

#include <windows.h>

namespace tips::platform {

TColor TGdiSystemColors::Color(int index) const { return GetSysColor(index); }

const TGdiSystemColors& GdiSystemColors() {
    static const TGdiSystemColors colors;
    return colors;
}

}  // namespace tips::platform
