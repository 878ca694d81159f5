#include "skin/skin_class_map.hpp"

#include "base/text_case.hpp"

namespace tips::skin {
namespace {

TControlMapping Gated(bool gate, TControlMapping mapping) { return gate ? mapping : TControlMapping{}; }

TControlMapping Simple(TSkinFamily family) {
    TControlMapping mapping;
    mapping.Family = family;
    return mapping;
}

TControlMapping Boxed(bool passOn) {
    TControlMapping mapping;
    mapping.Family = TSkinFamily::TSkinBox;
    mapping.SetColour = true;
    mapping.PassComponentsOn = passOn;
    return mapping;
}

}  // namespace

std::vector<std::string> TSkinClassMap::DefaultLines() {
    return {"TQvPanel=Panel",         "TQvFlatPanel=Panel",       "TQvButton=button",     "TQvGlyphButton=button",
            "TQvCheckBox=Checkbox",   "TQvRadioButton=Radiobutton", "TQvRadioGroup=Radiogroup",
            "TQvCheckGroup=CheckGroup", "TQvEdit=Edit",           "TQvMaskEdit=Edit",     "TQvComboBox=Combobox",
            "TQvListBox=scrollbar",   "TQvMemo=scrollbar",        "TQvTrackBar=trackbar", "TQvTabs=tab",
            "TQvGauge=progress"};
}

std::optional<std::string> TSkinClassMap::FamilyWord(std::string_view className) const {
    const std::string wanted = base::LowerCase1252(std::string(className) + "=");
    for (const std::string& line : lines_) {
        if (line.size() < wanted.size()) continue;
        if (base::LowerCase1252(line.substr(0, wanted.size())) != wanted) continue;
        return line.substr(wanted.size(), 50);
    }
    return std::nullopt;
}

TControlMapping MapFamilyWord(std::string_view word, const TSkinControls& controls, bool hasTabsElement) {
    const std::string w = base::LowerCase1252(word);
    if (w == "combobox") return Gated(controls.Has(xcCombo), Simple(TSkinFamily::TSkinComBox));
    if (w == "edit") return Gated(controls.Has(xcEdit), Simple(TSkinFamily::TSkinEdit));
    if (w == "radiobutton") return Gated(controls.Has(xcRadioButton), Simple(TSkinFamily::TSkinRadioButton));
    if (w == "panel") {
        TControlMapping mapping = Boxed(false);
        mapping.Transparent = true;
        return Gated(controls.Has(xcPanel), mapping);
    }
    if (w == "trackbar") {
        TControlMapping mapping = Simple(TSkinFamily::TSkinTrackBar);
        mapping.Transparent = true;
        return Gated(controls.Has(xcButton), mapping);
    }
    if (w == "button") return Gated(controls.Has(xcButton), Simple(TSkinFamily::TSkinButton));
    if (w == "tab") return Gated(controls.Has(xcTab) && hasTabsElement, Simple(TSkinFamily::TSkinTab));
    if (w == "progress") return Gated(controls.Has(xcProgress), Simple(TSkinFamily::TSkinProgress));
    if (w == "scrollbar") return Gated(controls.Has(xcScrollbar), Simple(TSkinFamily::TSkinScrollBar));
    if (w == "radiogroup" || w == "checkgroup") {
        TControlMapping mapping;
        mapping.Family = TSkinFamily::TSkinGroupBox;
        mapping.SetColour = true;
        if (controls.Has(xcRadioButton))
            mapping.Children = w == "radiogroup" ? TSkinFamily::TSkinRadioButton : TSkinFamily::TSkinCheckBox;
        return Gated(controls.Has(xcPanel), mapping);
    }
    if (w == "checkbox") return Gated(controls.Has(xcCheckBox), Simple(TSkinFamily::TSkinCheckBox));
    return {};
}

TControlMapping MapControlKind(TControlKind kind, const TSkinControls& controls) {
    switch (kind) {
    case TControlKind::CheckBox: return Gated(controls.Has(xcCheckBox), Simple(TSkinFamily::TSkinCheckBox));
    case TControlKind::RadioGroup: {
        TControlMapping mapping;
        mapping.Family = TSkinFamily::TSkinGroupBox;
        mapping.SetColour = true;
        mapping.Children = TSkinFamily::TSkinRadioButton;
        return Gated(controls.Has(xcRadioButton), mapping);
    }
    case TControlKind::GroupBox: {
        TControlMapping mapping;
        mapping.Family = TSkinFamily::TSkinGroupBox;
        mapping.SetColour = true;
        mapping.PassComponentsOn = true;
        return Gated(controls.Has(xcPanel), mapping);
    }
    case TControlKind::RadioButton: return Gated(controls.Has(xcRadioButton), Simple(TSkinFamily::TSkinRadioButton));
    case TControlKind::ToolBar: return Gated(controls.Has(xcToolbar), Boxed(false));
    case TControlKind::StatusBar: return Gated(controls.Has(xcStatusBar), Simple(TSkinFamily::TSkinStatusBar));
    case TControlKind::ScrollBar: return Gated(controls.Has(xcScrollbar), Simple(TSkinFamily::TSkinScControl));
    case TControlKind::ComboBox: return Gated(controls.Has(xcCombo), Simple(TSkinFamily::TSkinComBox));
    case TControlKind::BitButton: return Gated(controls.Has(xcBitBtn), Simple(TSkinFamily::TSkinBitButton));
    case TControlKind::SpeedButton: return Gated(controls.Has(xcSpeedButton), Simple(TSkinFamily::TSkinSpeedButton));
    case TControlKind::Panel: return Gated(controls.Has(xcPanel), Boxed(true));
    case TControlKind::Memo:
    case TControlKind::ScrollingControl: return Gated(controls.Has(xcScrollbar), Simple(TSkinFamily::TSkinScrollBar));
    case TControlKind::Grid: {
        TControlMapping mapping = Simple(TSkinFamily::TSkinScrollBar);
        mapping.GridFixedColour = true;
        return Gated(controls.Has(xcScrollbar), mapping);
    }
    case TControlKind::Button: return Gated(controls.Has(xcButton), Simple(TSkinFamily::TSkinButton));
    case TControlKind::Edit: return Gated(controls.Has(xcEdit), Simple(TSkinFamily::TSkinEdit));
    case TControlKind::Frame: {
        TControlMapping mapping;
        mapping.PassComponentsOn = true;
        return mapping;
    }
    case TControlKind::Form: return Boxed(true);
    case TControlKind::Other: return {};
    }
    return {};
}

TControlMapping MapControl(const TControlCandidate& control, const TSkinClassMap& map, const TSkinControls& controls,
                           int disableTag, bool hasTabsElement) {
    if (DisabledByTag(control.Tag, disableTag) || control.HasCompanion) return {};
    if (const auto word = map.FamilyWord(control.ClassName)) return MapFamilyWord(*word, controls, hasTabsElement);
    return MapControlKind(control.Kind, controls);
}

TSkinFamily MapPlainChild(std::string_view windowClass, std::uint32_t style) {
    const std::string cls = base::LowerCase1252(windowClass);
    if (cls == "button") {
        // By the button type in the low four style bits alone: the owner-drawn, split and command-link
        // types are no check or radio boxes even though some of their bits look like one.
        switch (style & 0xF) {
        case 2:
        case 3:
        case 5:
        case 6: return TSkinFamily::TSkinCheckBox;
        case 4:
        case 9: return TSkinFamily::TSkinRadioButton;
        case 7:
        case 11: return TSkinFamily::None;  // group box, owner-drawn
        default: return TSkinFamily::TSkinButton;
        }
    }
    if (cls == "combobox") return (style & 3) == 1 ? TSkinFamily::None : TSkinFamily::TSkinComBox;
    if (cls == "comboboxex32") return TSkinFamily::TSkinComBox;
    if (cls == "scrollbar") return TSkinFamily::TSkinSizer;
    if (cls == "systabcontrol32") return (style & 0x2000) != 0 ? TSkinFamily::None : TSkinFamily::TSkinTab;
    if (cls == "edit") return TSkinFamily::TSkinEdit;
    return TSkinFamily::None;
}

}  // namespace tips::skin
