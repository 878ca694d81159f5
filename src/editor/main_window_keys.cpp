#include "editor/main_window_keys.hpp"

#include <array>
#include <string_view>

#include "editor/editor_errors.hpp"

namespace tips::editor {
namespace {

struct StoredKey {
    std::string_view command;  // stored by identifier
    TShortCut shortCut;
};

// Kept exactly as the window stores it, including bindings that look shifted by one entry.
constexpr std::array<StoredKey, 79> kStoredKeys{{
    {"ecUp", 38},
    {"ecSelUp", 8230},
    {"ecScrollUp", 16422},
    {"ecDown", 40},
    {"ecSelDown", 8232},
    {"ecScrollDown", 16424},
    {"ecLeft", 37},
    {"ecSelLeft", 8229},
    {"ecWordLeft", 16421},
    {"ecSelWordLeft", 24613},
    {"ecRight", 39},
    {"ecSelRight", 8231},
    {"ecWordRight", 16423},
    {"ecSelWordRight", 24615},
    {"ecPageDown", 34},
    {"ecSelPageDown", 8226},
    {"ecPageBottom", 16418},
    {"ecSelPageBottom", 24610},
    {"ecPageUp", 33},
    {"ecSelPageUp", 8225},
    {"ecPageTop", 16417},
    {"ecSelPageTop", 24609},
    {"ecLineStart", 36},
    {"ecSelLineStart", 8228},
    {"ecEditorTop", 16420},
    {"ecSelEditorTop", 24612},
    {"ecLineEnd", 35},
    {"ecSelLineEnd", 8227},
    {"ecEditorBottom", 16419},
    {"ecSelEditorBottom", 24611},
    {"ecToggleMode", 45},
    {"ecCopy", 16429},
    {"ecPaste", 8237},
    {"ecDeleteChar", 46},
    {"ecCut", 8238},
    {"ecDeleteLastChar", 8},
    {"ecDeleteLastWord", 8200},
    {"ecUndo", 16392},
    {"ecRedo", 32776},
    {"ecLineBreak", 40968},
    {"ecSelectAll", 16449},
    {"ecCopy", 16451},
    {"ecLineBreak", 24649},
    {"ecLineBreak", 13},
    {"ecDeleteWord", 16462},
    {"ecBlockUnindent", 16468},
    {"ecPaste", 24661},
    {"ecCut", 16470},
    {"ecDeleteLine", 16472},
    {"ecDeleteEOL", 16473},
    {"ecUndo", 24665},
    {"ecRedo", 16474},
    {"ecGotoMarker0", 24666},
    {"ecGotoMarker1", 16432},
    {"ecGotoMarker2", 16433},
    {"ecGotoMarker3", 16434},
    {"ecGotoMarker4", 16435},
    {"ecGotoMarker5", 16436},
    {"ecGotoMarker6", 16437},
    {"ecGotoMarker7", 16438},
    {"ecGotoMarker8", 16439},
    {"ecGotoMarker9", 16440},
    {"ecSetMarker0", 16441},
    {"ecSetMarker1", 24624},
    {"ecSetMarker2", 24625},
    {"ecSetMarker3", 24626},
    {"ecSetMarker4", 24627},
    {"ecSetMarker5", 24628},
    {"ecSetMarker6", 24629},
    {"ecSetMarker7", 24630},
    {"ecSetMarker8", 24631},
    {"ecSetMarker9", 24632},
    {"ecNormalSelect", 24633},
    {"ecColumnSelect", 24654},
    {"ecLineSelect", 24643},
    {"ecTab", 24652},
    {"ecShiftTab", 9},
    {"ecMatchBracket", 8201},
    {"ecMatchBracket", 24642},
}};

}  // namespace

void LoadMainWindowKeys(TCodeEditKeyStrokes& keys) {
    keys.Clear();
    for (const auto& stored : kStoredKeys) {
        auto& stroke = keys.Add();
        const auto command = StringToEditorCommand(stored.command);
        if (!command) throw ECodeEditError("Unknown editor command " + std::string(stored.command));
        stroke.SetCommand(*command);
        stroke.SetShortCut(stored.shortCut);
    }
}

}  // namespace tips::editor
