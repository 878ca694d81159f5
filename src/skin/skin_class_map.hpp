#pragma once
// Which companion family skins a control: by the SkinClassMap table of class names and family words,
// by the control's class, or, for the children of plain windows, by window class and style. Each
// answer is gated by the SkinControls switches.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_controls.hpp"

namespace tips::skin {

enum class TSkinFamily {
    None,  // left unskinned
    TSkinButton,
    TSkinBitButton,
    TSkinSpeedButton,
    TSkinCheckBox,
    TSkinRadioButton,
    TSkinComBox,
    TSkinStatusBar,
    TSkinBox,
    TSkinGroupBox,
    TSkinUpDown,
    TSkinTab,
    TSkinTab31,
    TSkinProgress,
    TSkinTrackBar,
    TSkinEdit,
    TSkinSizer,
    TSkinScrollBar,
    TSkinListView,
    TSkinScControl,
    TSkinHeader,
};

struct TControlMapping {
    TSkinFamily Family = TSkinFamily::None;
    bool SetColour = false;        // the control takes ButtonFace while skinned
    bool Transparent = false;      // its Transparent property is set
    TSkinFamily Children = TSkinFamily::None;  // the family each child control gets first
    bool PassComponentsOn = false; // its own components are mapped too
    bool PressHandling = true;     // scroll bars: non-client presses handled by the companion
    bool GridFixedColour = false;  // a grid's fixed cells take ButtonFace
    friend bool operator==(const TControlMapping&, const TControlMapping&) = default;
};

// SkinClassMap: lines "ClassName=family word".
class TSkinClassMap {
public:
    TSkinClassMap() : lines_(DefaultLines()) {}
    explicit TSkinClassMap(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    // A short list of other libraries' class names, one family word each.
    static std::vector<std::string> DefaultLines();
    const std::vector<std::string>& Lines() const { return lines_; }

    // The family word of the first line beginning, case-insensitively, with the class name and "=":
    // up to 50 characters after it. Nothing when no line names the class.
    std::optional<std::string> FamilyWord(std::string_view className) const;

private:
    std::vector<std::string> lines_;
};

// The mapping of a family word under the switches; a word or gate that gives nothing maps to None,
// and the control is not mapped further either way.
TControlMapping MapFamilyWord(std::string_view word, const TSkinControls& controls, bool hasTabsElement);

// The control classes the program's windows hold, as the class tests see them.
enum class TControlKind {
    Panel,
    SpeedButton,
    StatusBar,
    RadioGroup,
    RadioButton,
    GroupBox,
    CheckBox,
    Edit,
    Memo,
    Grid,
    ScrollingControl,  // any other control with a scroll-bar style, list box, tree view, scroll box
    Button,
    BitButton,
    ToolBar,
    ScrollBar,
    ComboBox,
    Form,
    Frame,
    Other,
};

// The class tests, after the class map.
TControlMapping MapControlKind(TControlKind kind, const TSkinControls& controls);

// A component offered for skinning: its Tag, class name and kind.
struct TControlCandidate {
    int Tag = 0;
    std::string ClassName;
    TControlKind Kind = TControlKind::Other;
    bool HasCompanion = false;
};
// The whole decision for a component of a form: DisableTag, a companion already there, the class map
// (which, when it names the class, decides alone), then the class tests.
TControlMapping MapControl(const TControlCandidate& control, const TSkinClassMap& map, const TSkinControls& controls,
                           int disableTag, bool hasTabsElement);

// A child window of a plain window (a system message box's buttons, for one) by its window class and
// style; no switch applies.
TSkinFamily MapPlainChild(std::string_view windowClass, std::uint32_t style);

}  // namespace tips::skin
