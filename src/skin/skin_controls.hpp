#pragma once
// TSkinSource's SkinControls switches (which families are skinned) and DisableTag (controls left
// alone by their Tag).

#include <bitset>
#include <initializer_list>

namespace tips::skin {

enum TSkinControlType {
    xcMainMenu,
    xcPopupMenu,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcSystemMenu,
    xcReportForms,
    xcCount
};

class TSkinControls {
public:
    TSkinControls() = default;
    TSkinControls(std::initializer_list<TSkinControlType> members) {
        for (const TSkinControlType member : members) bits_.set(member);
    }
    // The default: every family but xcReportForms.
    static TSkinControls Default() {
        TSkinControls all;
        all.bits_.set();
        all.bits_.reset(xcReportForms);
        return all;
    }
    bool Has(TSkinControlType member) const { return bits_.test(member); }
    TSkinControls& Include(TSkinControlType member) {
        bits_.set(member);
        return *this;
    }
    TSkinControls& Exclude(TSkinControlType member) {
        bits_.reset(member);
        return *this;
    }
    friend bool operator==(const TSkinControls&, const TSkinControls&) = default;

private:
    std::bitset<xcCount> bits_;
};

inline constexpr int kDefaultDisableTag = 99;

// A control or popup menu is left alone when its Tag mod 100 equals DisableTag (the remainder keeps the
// Tag's sign, so -1 and -99 are not excluded by 99).
constexpr bool DisabledByTag(int tag, int disableTag) { return tag % 100 == disableTag; }

}  // namespace tips::skin
