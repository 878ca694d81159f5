#include "widgets/ext_simple_label.hpp"

namespace tips::widgets {

namespace {

bool IsBlank(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

}  // namespace

std::string ExtJumpTarget(TExtJumpModes mode, std::string_view jump, std::string_view caption) {
    if (mode != TExtJumpModes::jmInternet && mode != TExtJumpModes::jmApplication) return {};
    // A target with blanks around it goes to the shell as it is stored.
    if (!IsBlank(jump)) return std::string(jump);
    if (mode == TExtJumpModes::jmInternet && caption.find('@') != std::string_view::npos) {
        return "mailto:" + std::string(caption);
    }
    return std::string(caption);
}

void TExtCustomSimpleLabel::SetJumpMode(TExtJumpModes mode) {
    if (mode == jumpMode_) return;
    jumpMode_ = mode;
    if (IsLinkMode(mode)) {
        ApplyLinkLook();
        return;
    }
    if (Loading()) return;
    SetCursor(TExtCursor::crDefault);
    SetFontColor(platform::clBlack);
    if (jumpUnderline_) SetFontUnderline(false);
}

void TExtCustomSimpleLabel::SetInActiveColor(platform::TColor color) {
    if (color == inActiveColor_) return;
    inActiveColor_ = color;
    if (useAsJump_) SetFontColor(color);
}

void TExtCustomSimpleLabel::SetJumpUnderline(bool underline) {
    if (underline == jumpUnderline_) return;
    jumpUnderline_ = underline;
    if (useAsJump_) SetFontUnderline(underline);
}

void TExtCustomSimpleLabel::ApplyLinkLook() {
    pressed_ = 0;
    SetFontColor(inActiveColor_);
    if (jumpUnderline_) SetFontUnderline(true);
    SetCursor(TExtCursor::crHandPoint);
}

void TExtCustomSimpleLabel::MouseDown(TMouseButton button, int x, int y) {
    if (button == TMouseButton::mbLeft && IsLinkMode(jumpMode_)) {
        ++pressed_;
        SetFontColor(activeColor_);
    }
    TExtBaseLabel::MouseDown(button, x, y);
}

void TExtCustomSimpleLabel::MouseUp(TMouseButton button, int x, int y) {
    // Only the legacy links go back to their colour; the others stay visited.
    if (button == TMouseButton::mbLeft && useAsJump_) SetFontColor(inActiveColor_);
    TExtBaseLabel::MouseUp(button, x, y);
}

void TExtCustomSimpleLabel::Click() {
    switch (jumpMode_) {
        case TExtJumpModes::jmInternet: {
            const std::intptr_t result = platform::ShellPort().Open(ExtJumpTarget(jumpMode_, jump_, Caption()), ShellOwner());
            if (result <= 32) {
                // Not the jmNone look: the link keeps its colours, drawn disabled.
                jumpMode_ = TExtJumpModes::jmNone;
                SetEnabled(false);
            }
            return;
        }
        case TExtJumpModes::jmApplication:
            platform::ShellPort().Open(ExtJumpTarget(jumpMode_, jump_, Caption()), ShellOwner());
            return;
        case TExtJumpModes::jmNone:
        case TExtJumpModes::jmCustom:
            TExtBaseLabel::Click();
            return;
    }
}

void TExtCustomSimpleLabel::Loaded() {
    TExtBaseLabel::Loaded();
    if (useAsJump_) SetJumpMode(TExtJumpModes::jmInternet);
}

}  // namespace tips::widgets
