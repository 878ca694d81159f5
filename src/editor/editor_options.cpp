// Names of the editor's options and status changes.

#include "editor/editor_options.hpp"

#include <array>

namespace tips::editor {

namespace {

constexpr std::array<std::string_view, kCodeEditorOptionCount> kOptionNames{
    "eoAltSetsColumnMode", "eoAutoIndent",          "eoAutoSizeMaxLeftChar", "eoDisableScrollArrows",
    "eoDragDropEditing",   "eoDropFiles",           "eoEnhanceHomeKey",      "eoGroupUndo",
    "eoHalfPageScroll",    "eoHideShowScrollbars",  "eoKeepCaretX",          "eoNoCaret",
    "eoNoSelection",       "eoRightMouseMovesCursor", "eoScrollByOneLess",   "eoScrollHintFollows",
    "eoScrollPastEof",     "eoScrollPastEol",       "eoShowScrollHint",      "eoShowSpecialChars",
    "eoSmartTabDelete",    "eoSmartTabs",           "eoSpecialLineDefaultFg", "eoTabIndent",
    "eoTabsToSpaces",      "eoTrimTrailingSpaces",
};

constexpr std::array<std::string_view, 9> kStatusNames{
    "snAll", "snCaretColumn", "snCaretLine", "snFirstColumn", "snFirstLine",
    "snInsertMode", "snModified", "snSelection", "snReadOnly",
};

}  // namespace

std::string_view CodeEditorOptionName(TCodeEditorOption option) {
    return kOptionNames.at(static_cast<std::size_t>(option));
}

std::optional<TCodeEditorOption> CodeEditorOptionFromName(std::string_view name) {
    for (std::size_t i = 0; i < kOptionNames.size(); ++i) {
        if (kOptionNames[i] == name) return static_cast<TCodeEditorOption>(i);
    }
    return std::nullopt;
}

std::vector<std::string> StatusChangeNames(TCodeStatusChanges changes) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < kStatusNames.size(); ++i) {
        if ((changes & (1u << i)) != 0) names.emplace_back(kStatusNames[i]);
    }
    return names;
}

}  // namespace tips::editor
