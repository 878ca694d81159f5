#pragma once
// A flat toolbar of the common controls: buttons with images from an image list, separators, and
// buttons with a drop-down arrow; every button shows its hint as a tooltip and never takes the focus.
// The control is a window of ours holding the toolbar window, so that the toolbar's commands and
// notifications come here with their button ids.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "widgets/win32/image_list.hpp"
#include "widgets/win32/control.hpp"

namespace tips::widgets {

enum class TToolButtonStyle { tbsButton, tbsSeparator, tbsDropDown };

struct TToolButton {
    std::string Name;
    TToolButtonStyle Style = TToolButtonStyle::tbsButton;
    int ImageIndex = -1;
    int SeparatorWidth = 8;
    std::string Hint;  // the tooltip
    std::function<void(TToolButton& sender)> OnClick;
    // The arrow of a drop-down button was pressed, with the button's rectangle on the screen.
    std::function<void(TToolButton& sender, const RECT& screen)> OnDropDown;
};

class TToolBar : public TWinControl {
public:
    explicit TToolBar(TWinControl* parent);

    // Set before the window is made.
    void SetImages(const TImageList* images) { images_ = images; }
    void SetButtonSize(int width, int height);
    void SetIndent(int indent) { indent_ = indent; }
    // Returns the button's index.
    int AddButton(TToolButton button);

    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    TToolButton& Button(int index) { return buttons_.at(static_cast<std::size_t>(index)); }
    // The button of a name, or nullptr.
    TToolButton* Find(const std::string& name);
    // Where a button is, in this control's client coordinates (empty before the window exists).
    RECT ButtonRect(int index) const;
    // The toolbar window itself (for tests and tooltips).
    HWND ToolbarHandle() const { return toolbar_; }
    SIZE ButtonSize() const { return {buttonWidth_, buttonHeight_}; }

protected:
    void CreateParams(TWindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static constexpr int kFirstCommand = 100;
    // The toolbar's and its tooltips' notifications: tooltip texts and the drop-down arrow.
    void Notify(NMHDR& header, LRESULT& result);
    TToolButton* FromCommand(int id);

    std::vector<TToolButton> buttons_;
    const TImageList* images_ = nullptr;
    int buttonWidth_ = 23;
    int buttonHeight_ = 22;
    int indent_ = 0;
    HWND toolbar_ = nullptr;  // a child window: it goes with ours
    std::string tipText_;      // what the last tooltip request was answered with
};

}  // namespace tips::widgets
