#pragma once
// The Windows status bar with panels of fixed widths, placed by its parent like any control.

#include <string>
#include <vector>

#include "widgets/win32/control.hpp"

namespace tips::widgets {

class TStatusBar : public TWinControl {
public:
    explicit TStatusBar(TWinControl* parent);

    // Widths of the panels, left to right.
    void SetPanelWidths(std::vector<int> widths);
    int PanelCount() const { return static_cast<int>(texts_.size()); }
    // What the panel shows (read back from the control once its window exists).
    std::string PanelText(int index) const;
    void SetPanelText(int index, const std::string& text);

protected:
    void CreateParams(TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SendParts();

    std::vector<int> widths_;
    std::vector<std::string> texts_;
};

}  // namespace tips::widgets
