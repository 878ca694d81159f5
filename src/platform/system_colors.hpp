#pragma once
// Where system colours become direct ones. Every canvas resolves a TColor through ResolveColor with
// its device's table: the GDI canvas asks Windows (GetSysColor), recordings and tests use the fixed
// classic scheme below, so their results do not depend on the machine.

#include "platform/color.hpp"

namespace tips::platform {

// The direct colour (0x00BBGGRR) of each system colour number.
class TSystemColors {
public:
    virtual ~TSystemColors() = default;
    virtual TColor Color(int index) const = 0;
};

// The classic Windows scheme (grey buttons, navy highlight); numbers it does not know are black.
class TClassicSystemColors final : public TSystemColors {
public:
    TColor Color(int index) const override;
};

// The direct colour `color` stands for: a system colour looked up in `colors`, anything else with its
// high byte cleared (so clNone comes out white; painters decide what clNone means before drawing).
TColor ResolveColor(TColor color, const TSystemColors& colors);

}  // namespace tips::platform
