#pragma once
// A picture: a windowless control that draws a bitmap at its top-left. With AutoSize it takes the
// bitmap's size whenever the picture changes.

#include "platform/bitmap.hpp"
#include "widgets/win32/graphic_control.hpp"

namespace tips::widgets {

class TImage : public TGraphicControl {
public:
    explicit TImage(TWinControl* parent) : TGraphicControl(parent) {}

    const platform::TBitmap& Picture() const { return picture_; }
    void SetPicture(platform::TBitmap picture);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);

protected:
    void Paint(platform::TCanvas& canvas) override;

private:
    void FitToPicture();

    platform::TBitmap picture_;
    bool autoSize_ = false;
};

}  // namespace tips::widgets
