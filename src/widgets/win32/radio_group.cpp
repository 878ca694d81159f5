#include "widgets/win32/radio_group.hpp"

#include <algorithm>

#include "platform/win32/gdi_object.hpp"

namespace tips::widgets {

// One item: a radio button that is a tab stop only while it is checked.
class TRadioGroup::TGroupButton : public TWinControl {
public:
    TGroupButton(TRadioGroup& group, int index, const std::string& caption)
        : TWinControl(&group), group_(group), index_(index) {
        SetCaption(caption);
        SetTabStop(true);
    }

    void SetChecked(bool checked) {
        checked_ = checked;
        if (HandleAllocated()) SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    bool CanTabTo() const override { return checked_ && TWinControl::CanTabTo(); }

protected:
    void CreateParams(TWindowParams& params) override {
        TWinControl::CreateParams(params);
        params.systemClass = "BUTTON";
        params.style |= BS_RADIOBUTTON;
    }
    void CreateWnd() override { SetChecked(checked_); }
    LRESULT HandleCommand(WORD code) override {
        if (code == BN_CLICKED) group_.ButtonClicked(index_);
        return 0;
    }
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN) {
            if (wParam == VK_LEFT || wParam == VK_UP) {
                group_.MoveSelection(-1);
                return 0;
            }
            if (wParam == VK_RIGHT || wParam == VK_DOWN) {
                group_.MoveSelection(1);
                return 0;
            }
        }
        return TWinControl::WndProc(message, wParam, lParam);
    }

private:
    TRadioGroup& group_;
    int index_;
    bool checked_ = false;
};

TRadioGroup::TRadioGroup(TWinControl* parent) : TWinControl(parent) {}

TRadioGroup::~TRadioGroup() = default;

void TRadioGroup::SetItems(const std::vector<std::string>& items) {
    buttons_.clear();
    for (std::size_t i = 0; i < items.size(); ++i) {
        buttons_.push_back(std::make_unique<TOwnedWindow<TGroupButton>>(*this, static_cast<int>(i), items[i]));
    }
    itemIndex_ = -1;
    if (HandleAllocated()) HandleNeeded();
}

void TRadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(buttons_.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    for (std::size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->SetChecked(static_cast<int>(i) == index);
    if (HandleAllocated() && OnClick) OnClick(*this);
}

HWND TRadioGroup::ButtonHandle(int index) const { return buttons_.at(static_cast<std::size_t>(index))->Handle(); }

void TRadioGroup::ButtonClicked(int index) {
    SetItemIndex(index);
    buttons_.at(static_cast<std::size_t>(index))->SetFocus();
}

void TRadioGroup::MoveSelection(int step) {
    if (buttons_.empty()) return;
    const int count = static_cast<int>(buttons_.size());
    const int from = std::max(itemIndex_, 0);
    ButtonClicked(((from + step) % count + count) % count);
}

void TRadioGroup::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    params.systemClass = "BUTTON";
    params.style |= BS_GROUPBOX;
}

// Buttons share the width in columns below the caption line, each as high as its share of what is left.
void TRadioGroup::AlignControls() {
    if (!HandleAllocated() || buttons_.empty()) return;
    TEXTMETRICA metrics{};
    {
        const platform::TWindowDC dc(Handle());
        const platform::TSelectObject font(dc.get(), Font());
        GetTextMetricsA(dc.get(), &metrics);
    }

    const int count = static_cast<int>(buttons_.size());
    const int columns = std::max(Columns, 1);
    const int perColumn = (count + columns - 1) / columns;
    const SIZE client = ClientSize();
    const int buttonWidth = (client.cx - 10) / columns;
    const int room = client.cy - metrics.tmHeight - 5;
    const int buttonHeight = room / perColumn;
    const int topMargin = metrics.tmHeight + 1 + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        const int column = i / perColumn;
        const int row = i % perColumn;
        SetWindowPos(buttons_[static_cast<std::size_t>(i)]->Handle(), nullptr, column * buttonWidth + 8,
                     row * buttonHeight + topMargin, buttonWidth, buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT TRadioGroup::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) {
        // A group box leaves its inside unpainted; the parent does not paint under it either.
        RECT rect{};
        GetClientRect(Handle(), &rect);
        FillRect(reinterpret_cast<HDC>(wParam), &rect, GetSysColorBrush(COLOR_BTNFACE));
        return 1;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets
