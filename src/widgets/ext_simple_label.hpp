#pragma once
// TExtCustomSimpleLabel: a label that can act as a link. In a link mode it shows the link look
// (InActiveColor, underlined with JumpUnderline, the hand cursor), turns ActiveColor from its first
// left press on and stays so, and a click opens its target with the shell; a failed internet jump
// leaves it disabled for good. In jmNone and jmCustom a click runs OnClick instead.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/shell.hpp"
#include "widgets/ext_base_label.hpp"

namespace tips::widgets {

enum class TExtJumpModes : std::uint8_t { jmInternet, jmApplication, jmNone, jmCustom };

constexpr bool IsLinkMode(TExtJumpModes mode) { return mode != TExtJumpModes::jmNone; }

// What a click on a label in `mode` opens: Jump as stored when it is not blank, else for jmInternet
// "mailto:" and the caption when the caption has an "@", else the caption. Empty for the modes that
// open nothing.
std::string ExtJumpTarget(TExtJumpModes mode, std::string_view jump, std::string_view caption);

class TExtCustomSimpleLabel : public TExtBaseLabel {
public:
    const std::string& Jump() const { return jump_; }
    void SetJump(const std::string& jump) { jump_ = jump; }
    TExtJumpModes JumpMode() const { return jumpMode_; }
    void SetJumpMode(TExtJumpModes mode);
    platform::TColor ActiveColor() const { return activeColor_; }
    void SetActiveColor(platform::TColor color) { activeColor_ = color; }
    platform::TColor InActiveColor() const { return inActiveColor_; }
    void SetInActiveColor(platform::TColor color);
    bool JumpUnderline() const { return jumpUnderline_; }
    void SetJumpUnderline(bool underline);

    // The stored property of older layouts, read but never written: True makes the label a jmInternet
    // link once the layout is loaded, whose colour goes back to InActiveColor at each release.
    void ReadUseAsJump(bool useAsJump) { useAsJump_ = useAsJump; }
    bool UseAsJump() const { return useAsJump_; }

    // Left presses on the link since the link look was last applied.
    int PressedCount() const { return pressed_; }

    void MouseDown(TMouseButton button, int x, int y) override;
    void MouseUp(TMouseButton button, int x, int y) override;
    void Click() override;

protected:
    void Loaded() override;
    // The window the shell's messages belong to; none by default.
    virtual platform::TWindowId ShellOwner() const { return 0; }

private:
    void ApplyLinkLook();

    std::string jump_;
    TExtJumpModes jumpMode_ = TExtJumpModes::jmNone;
    platform::TColor activeColor_ = platform::clPurple;
    platform::TColor inActiveColor_ = platform::clBlue;
    bool jumpUnderline_ = true;
    bool useAsJump_ = false;
    int pressed_ = 0;
};

}  // namespace tips::widgets
