#pragma once
// A captioned group of radio buttons laid out in columns; one item is selected. Tab enters the group at
// its selected button and the arrow keys move the selection.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "widgets/win32/control.hpp"

namespace tips::widgets {

class TRadioGroup : public TWinControl {
public:
    explicit TRadioGroup(TWinControl* parent);
    ~TRadioGroup() override;

    void SetItems(const std::vector<std::string>& items);
    int Columns = 1;

    int ItemIndex() const { return itemIndex_; }
    // Selects an item (-1: none); a change made once the window exists fires OnClick.
    void SetItemIndex(int index);

    std::function<void(TRadioGroup& sender)> OnClick;

    // The radio button window of an item, for tests and focus.
    HWND ButtonHandle(int index) const;

protected:
    void CreateParams(TWindowParams& params) override;
    void AlignControls() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    class TGroupButton;
    friend class TGroupButton;
    void ButtonClicked(int index);
    void MoveSelection(int step);

    // Owned windows: SetItems drops buttons while the group's window stays.
    std::vector<std::unique_ptr<TOwnedWindow<TGroupButton>>> buttons_;
    int itemIndex_ = -1;
};

}  // namespace tips::widgets
