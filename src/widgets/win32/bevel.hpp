#pragma once
// A bevel: a windowless frame or line in the button colours of the system, sunken (lowered) or raised,
// drawn over whatever the parent painted behind it.

#include "widgets/win32/graphic_control.hpp"

namespace tips::widgets {

enum class TBevelShape : unsigned char { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle : unsigned char { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
public:
    explicit TBevel(TWinControl* parent) : TGraphicControl(parent) {}

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape shape);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle style);

protected:
    void Paint(platform::TCanvas& canvas) override;

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};

}  // namespace tips::widgets
