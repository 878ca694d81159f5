#pragma once
// TExtSimpleLabel on Windows: the portable link label shown as a graphic control on its parent, the
// parent's paint and mouse handed to it, the hand cursor while it is a link, and the application's
// window as the owner of what the shell shows. Made before its form's window, it reads its properties
// as the form's layout and settles (auto-size, the legacy jump flag) when the layout is loaded.

#include <windows.h>

#include "widgets/ext_simple_label.hpp"
#include "widgets/win32/control.hpp"
#include "widgets/win32/graphic_control.hpp"

namespace tips::widgets {

class TExtSimpleLabel final : public TExtCustomSimpleLabel {
public:
    explicit TExtSimpleLabel(TWinControl* parent);

    // The windowless control that shows the label on its parent.
    TGraphicControl& Control() { return view_; }
    const TGraphicControl& Control() const { return view_; }

protected:
    void Changed() override { view_.Invalidate(); }
    void BoundsChanged() override;
    void VisibleChanged() override { view_.SetVisible(Visible()); }
    void EnabledChanged() override { view_.SetEnabled(Enabled()); }
    void CursorChanged() override;
    platform::TWindowId ShellOwner() const override;

private:
    class TView final : public TGraphicControl {
    public:
        TView(TWinControl* parent, TExtSimpleLabel& label) : TGraphicControl(parent), label_(label) {}

    protected:
        void Paint(platform::TCanvas& canvas) override { label_.Paint(canvas); }
        void MouseDown(TMouseButton button, int x, int y) override { label_.MouseDown(button, x, y); }
        void MouseUp(TMouseButton button, int x, int y) override { label_.MouseUp(button, x, y); }
        void Click() override { label_.Click(); }
        void LayoutLoaded() override { label_.EndLoading(); }

    private:
        TExtSimpleLabel& label_;
    };

    TView view_;
};

}  // namespace tips::widgets
