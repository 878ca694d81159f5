#pragma once
// The system colours as Windows has them now (GetSysColor).

#include "platform/system_colors.hpp"

namespace tips::platform {

class TGdiSystemColors final : public TSystemColors {
public:
    TColor Color(int index) const override;
};

// One table serves every GDI canvas: it holds nothing.
const TGdiSystemColors& GdiSystemColors();

}  // namespace tips::platform
