#include "skin/win32/skin_form_controls.hpp"

#include <algorithm>
#include <string>

#include "skin/win32/skin_box.hpp"
#include "skin/win32/skin_button.hpp"
#include "skin/win32/skin_edit.hpp"
#include "skin/win32/skin_group_box.hpp"
#include "skin/win32/skin_radio_button.hpp"
#include "skin/win32/skin_speed_button.hpp"
#include "skin/win32/skin_status_bar.hpp"
#include "skin/win32/skin_tool_bar.hpp"
#include "widgets/win32/ext_splitter_pane.hpp"
#include "widgets/win32/button.hpp"
#include "widgets/win32/db_grid.hpp"
#include "widgets/win32/edit_box.hpp"
#include "widgets/win32/form.hpp"
#include "widgets/win32/panel.hpp"
#include "widgets/win32/radio_group.hpp"
#include "widgets/win32/speed_button.hpp"
#include "widgets/win32/status_bar.hpp"
#include "widgets/win32/tool_bar.hpp"

namespace tips::skin::win32 {

namespace {

template <typename T>
bool Is(const widgets::TWinControl& control) {
    return dynamic_cast<const T*>(&control) != nullptr;
}

}  // namespace

TControlCandidate CandidateFor(const widgets::TWinControl& control) {
    TControlCandidate candidate;
    candidate.Tag = control.Tag;
    const auto kind = [&](TControlKind k, const char* name) {
        candidate.Kind = k;
        candidate.ClassName = name;
    };
    if (Is<widgets::TButton>(control)) kind(TControlKind::Button, "TButton");
    else if (Is<widgets::TSpeedButton>(control)) kind(TControlKind::SpeedButton, "TSpeedButton");
    else if (Is<widgets::TStatusBar>(control)) kind(TControlKind::StatusBar, "TStatusBar");
    else if (Is<widgets::TRadioGroup>(control)) kind(TControlKind::RadioGroup, "TRadioGroup");
    else if (Is<widgets::TEdit>(control)) kind(TControlKind::Edit, "TEdit");
    else if (Is<widgets::TDBGrid>(control)) kind(TControlKind::Grid, "TDBGrid");
    else if (Is<widgets::TExtSplitterPane>(control)) kind(TControlKind::ScrollingControl, "TExtSplitterPane");
    else if (Is<widgets::TToolBar>(control)) kind(TControlKind::ToolBar, "TToolBar");
    else if (Is<widgets::TPanel>(control)) kind(TControlKind::Panel, "TPanel");
    else if (Is<widgets::TForm>(control)) kind(TControlKind::Form, "TForm");
    else if (control.HandleAllocated() &&
             (GetWindowLongPtrA(control.Handle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) != 0) {
        kind(TControlKind::ScrollingControl, "TWinControl");  // the code editor, the preview
    } else kind(TControlKind::Other, "TWinControl");
    return candidate;
}

TSkinFormControls::TSkinFormControls(TSkinContext context)
    : context_(context), classMap_(context.Properties.SkinClassMap) {}

// Each companion lets go of its own window only; the last made goes first.
TSkinFormControls::~TSkinFormControls() {
    while (!scrollBars_.empty()) scrollBars_.pop_back();
    while (!companions_.empty()) companions_.pop_back();
}

void TSkinFormControls::AttachForm(widgets::TForm& form) {
    Purge();
    for (widgets::TWinControl* child : form.Controls()) AttachControl(*child);
}

void TSkinFormControls::AttachControl(widgets::TWinControl& control) {
    if (control.HandleAllocated()) {
        TControlCandidate candidate = CandidateFor(control);
        candidate.HasCompanion = Skins(control.Handle());
        const TControlMapping mapping =
            MapControl(candidate, classMap_, context_.Properties.SkinControls, context_.Properties.DisableTag,
                       context_.Skin.Tabs.has_value());
        // A radio group's buttons get their family before the group its own.
        if (mapping.Children != TSkinFamily::None) {
            for (widgets::TWinControl* child : control.Controls()) {
                if (child->HandleAllocated() && !Skins(child->Handle())) Make(mapping.Children, child->Handle());
            }
        }
        if (!MakeFor(mapping, control)) Make(mapping.Family, control.Handle());
    }
    for (widgets::TWinControl* child : control.Controls()) AttachControl(*child);
}

void TSkinFormControls::AttachPlainWindow(HWND window) {
    Purge();
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (Skins(child)) continue;
        char name[64] = {};
        GetClassNameA(child, name, static_cast<int>(sizeof name));
        Make(MapPlainChild(name, static_cast<std::uint32_t>(GetWindowLongPtrA(child, GWL_STYLE))), child);
    }
}

void TSkinFormControls::Make(TSkinFamily family, HWND window) {
    switch (family) {
    case TSkinFamily::TSkinButton:
    case TSkinFamily::TSkinBitButton:
        companions_.push_back(std::make_unique<TSkinButton>(window, context_));
        break;
    case TSkinFamily::TSkinStatusBar:
        companions_.push_back(std::make_unique<TSkinStatusBar>(window, context_));
        break;
    case TSkinFamily::TSkinRadioButton:
        companions_.push_back(std::make_unique<TSkinRadioButton>(window, context_));
        break;
    case TSkinFamily::TSkinGroupBox:
        companions_.push_back(std::make_unique<TSkinGroupBox>(window, context_));
        break;
    case TSkinFamily::TSkinEdit:
        companions_.push_back(std::make_unique<TSkinEdit>(window, context_));
        break;
    default:
        break;  // families without a companion yet keep their own look
    }
}

bool TSkinFormControls::MakeFor(const TControlMapping& mapping, widgets::TWinControl& control) {
    const HWND window = control.Handle();
    switch (mapping.Family) {
    case TSkinFamily::TSkinBox: {
        if (dynamic_cast<widgets::TToolBar*>(&control)) {
            companions_.push_back(std::make_unique<TSkinToolBar>(window, context_));
            return true;
        }
        auto* panel = dynamic_cast<widgets::TPanel*>(&control);
        companions_.push_back(std::make_unique<TSkinBox>(window, context_, mapping.SetColour && panel ? &panel->Color : nullptr));
        return true;
    }
    case TSkinFamily::TSkinSpeedButton:
        if (auto* button = dynamic_cast<widgets::TSpeedButton*>(&control)) {
            companions_.push_back(std::make_unique<TSkinSpeedButton>(*button, context_));
            return true;
        }
        return false;
    case TSkinFamily::TSkinScrollBar:
    case TSkinFamily::TSkinListView:
        if (auto* grid = dynamic_cast<widgets::TDBGrid*>(&control); grid && mapping.GridFixedColour) {
            // The fixed cells' colour is held like a box's: set while skinned, given back after.
            companions_.push_back(std::make_unique<TSkinBox>(window, context_, &grid->FixedColor));
        }
        scrollBars_.push_back({window, std::make_unique<TSkinScrollBar>(window, context_, mapping.PressHandling)});
        return true;
    default:
        return false;
    }
}

void TSkinFormControls::Refresh() {
    Purge();
    for (const auto& companion : companions_) companion->Refresh();
    for (const auto& bars : scrollBars_) bars.Bars->Refresh();
}

void TSkinFormControls::HoverTick() {
    Purge();
    for (const auto& companion : companions_) companion->HoverTick();
}

bool TSkinFormControls::Skins(HWND window) {
    Purge();
    return std::any_of(companions_.begin(), companions_.end(),
                       [window](const auto& companion) { return companion->Window() == window; }) ||
           std::any_of(scrollBars_.begin(), scrollBars_.end(),
                       [window](const auto& bars) { return bars.Window == window; });
}

std::size_t TSkinFormControls::Count() {
    Purge();
    return companions_.size() + scrollBars_.size();
}

void TSkinFormControls::Purge() {
    std::erase_if(companions_, [](const auto& companion) { return !companion->Alive(); });
    std::erase_if(scrollBars_, [](const auto& bars) { return !IsWindow(bars.Window); });
}

}  // namespace tips::skin::win32
