#include "widgets/win32/tool_bar.hpp"

namespace tips::widgets {

TToolBar::TToolBar(TWinControl* parent) : TWinControl(parent) { SetAlign(TAlign::alTop); }

void TToolBar::SetButtonSize(int width, int height) {
    buttonWidth_ = width;
    buttonHeight_ = height;
}

int TToolBar::AddButton(TToolButton button) {
    buttons_.push_back(std::move(button));
    return ButtonCount() - 1;
}

TToolButton* TToolBar::Find(const std::string& name) {
    for (auto& button : buttons_) {
        if (button.Name == name) return &button;
    }
    return nullptr;
}

TToolButton* TToolBar::FromCommand(int id) {
    const int index = id - kFirstCommand;
    if (index < 0 || index >= ButtonCount()) return nullptr;
    return &buttons_[static_cast<std::size_t>(index)];
}

RECT TToolBar::ButtonRect(int index) const {
    RECT rect{};
    if (toolbar_ == nullptr) return rect;
    SendMessageA(toolbar_, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    MapWindowPoints(toolbar_, Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void TToolBar::CreateParams(TWindowParams& params) {
    TWinControl::CreateParams(params);
    static const TWindowClass windowClass{"TToolBar", CS_DBLCLKS};
    params.windowClass = &windowClass;
    params.style |= WS_CLIPCHILDREN;
}

void TToolBar::CreateWnd() {
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
        return InitCommonControlsEx(&controls) != FALSE;
    }();
    (void)initialised;
    const SIZE client = ClientSize();
    toolbar_ = CreateWindowExA(0, TOOLBARCLASSNAMEA, "",
                               WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE |
                                   CCS_NOPARENTALIGN,
                               0, 0, client.cx, client.cy, Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (toolbar_ == nullptr) return;
    SendMessageA(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    SendMessageA(toolbar_, TB_SETINDENT, static_cast<WPARAM>(indent_), 0);
    if (images_ != nullptr && images_->Handle() != nullptr) {
        SendMessageA(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    }
    std::vector<TBBUTTON> items;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const TToolButton& button = buttons_[i];
        TBBUTTON item{};
        item.idCommand = kFirstCommand + static_cast<int>(i);
        item.fsState = TBSTATE_ENABLED;
        item.iString = -1;
        switch (button.Style) {
            case TToolButtonStyle::tbsSeparator:
                item.fsStyle = BTNS_SEP;
                item.iBitmap = button.SeparatorWidth;
                break;
            case TToolButtonStyle::tbsDropDown:
                item.fsStyle = BTNS_DROPDOWN;
                item.iBitmap = button.ImageIndex;
                break;
            case TToolButtonStyle::tbsButton:
                item.fsStyle = BTNS_BUTTON;
                item.iBitmap = button.ImageIndex;
                break;
        }
        items.push_back(item);
    }
    SendMessageA(toolbar_, TB_ADDBUTTONSA, items.size(), reinterpret_cast<LPARAM>(items.data()));
    // After the buttons: the size applies to those there.
    SendMessageA(toolbar_, TB_SETBUTTONSIZE, 0, MAKELPARAM(buttonWidth_, buttonHeight_));
    SendMessageA(toolbar_, TB_AUTOSIZE, 0, 0);
}

void TToolBar::Notify(NMHDR& header, LRESULT& result) {
    if (header.code == TTN_GETDISPINFOA) {
        auto& info = reinterpret_cast<NMTTDISPINFOA&>(header);
        const TToolButton* button = FromCommand(static_cast<int>(header.idFrom));
        tipText_ = button != nullptr ? button->Hint : std::string();
        info.lpszText = tipText_.data();
        info.hinst = nullptr;
        return;
    }
    if (header.code == TTN_GETDISPINFOW) {
        auto& info = reinterpret_cast<NMTTDISPINFOW&>(header);
        const TToolButton* button = FromCommand(static_cast<int>(header.idFrom));
        const std::string text = button != nullptr ? button->Hint : std::string();
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, info.szText, static_cast<int>(std::size(info.szText)));
        info.lpszText = info.szText;
        info.hinst = nullptr;
        return;
    }
    if (header.code == TBN_DROPDOWN) {
        const auto& drop = reinterpret_cast<NMTOOLBARA&>(header);
        TToolButton* button = FromCommand(drop.iItem);
        if (button != nullptr && button->OnDropDown) {
            RECT rect{};
            SendMessageA(toolbar_, TB_GETRECT, static_cast<WPARAM>(drop.iItem), reinterpret_cast<LPARAM>(&rect));
            MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
            button->OnDropDown(*button, rect);
        }
        result = TBDDRET_DEFAULT;
    }
}

LRESULT TToolBar::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (reinterpret_cast<HWND>(lParam) == toolbar_ && toolbar_ != nullptr) {
                TToolButton* button = FromCommand(LOWORD(wParam));
                if (button != nullptr && button->OnClick) button->OnClick(*button);
                return 0;
            }
            break;
        case WM_NOTIFY: {
            auto& header = *reinterpret_cast<NMHDR*>(lParam);
            if (toolbar_ != nullptr && (header.hwndFrom == toolbar_ ||
                                        header.hwndFrom == reinterpret_cast<HWND>(SendMessageA(toolbar_, TB_GETTOOLTIPS, 0, 0)))) {
                LRESULT result = 0;
                Notify(header, result);
                return result;
            }
            break;
        }
        case WM_SIZE:
            if (toolbar_ != nullptr) MoveWindow(toolbar_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            break;
        case WM_DESTROY:
            toolbar_ = nullptr;
            break;
        default: break;
    }
    return TWinControl::WndProc(message, wParam, lParam);
}

}  // namespace tips::widgets
