#include "skin/skin_data.hpp"

#include "base/text_case.hpp"

namespace tips::skin {

std::vector<std::pair<std::string, const TSkinElement*>> TSkinData::GenericElements() const {
    std::vector<std::pair<std::string, const TSkinElement*>> out;
    auto add = [&out](const char* name, const auto& element) {
        if (element) out.emplace_back(name, &*element);
    };
    add("GroupBoxEdge", GroupBoxEdge);
    add("GroupBox", GroupBox);
    add("Toolbars", Toolbars);
    add("Tabs", Tabs);
    add("StatusBarEdges", StatusBarEdges);
    add("ComboButton", ComboButton);
    add("SunkEdge", SunkEdge);
    add("ExtraImages", ExtraImages);
    add("Headerbar", Headerbar);
    add("MenuItem", MenuItem);
    add("MenuBackground", MenuBackground);
    add("Scrollbar", Scrollbar);
    add("HorzScroll", HorzScroll);
    add("VertScroll", VertScroll);
    add("HorzScrollThumb", HorzScrollThumb);
    add("VertScrollThumb", VertScrollThumb);
    add("Trackbar.ThumbHorz", TrackbarThumbHorz);
    add("Trackbar.ThumbVert", TrackbarThumbVert);
    add("Trackbar.ThumbLeft", TrackbarThumbLeft);
    add("Trackbar.ThumbRight", TrackbarThumbRight);
    add("Trackbar.ThumbUp", TrackbarThumbUp);
    add("Trackbar.ThumbDown", TrackbarThumbDown);
    add("UpDown.Horz", UpDownHorz);
    add("UpDown.Vert", UpDownVert);
    return out;
}

const TSkinElement* TSkinData::GenericElement(std::string_view sectionName) const {
    for (const auto& [name, element] : GenericElements())
        if (base::EqualsIgnoreCase1252(name, sectionName)) return element;
    return nullptr;
}

}  // namespace tips::skin
