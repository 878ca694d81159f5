#include "editor/editor_commands.hpp"

#include <array>
#include <charconv>

namespace tips::editor {
namespace {

constexpr std::array<TCodeEditorCommandIdent, 96> kIdents{{
    {ecNone, "ecNone"},
    {ecLeft, "ecLeft"},
    {ecRight, "ecRight"},
    {ecUp, "ecUp"},
    {ecDown, "ecDown"},
    {ecWordLeft, "ecWordLeft"},
    {ecWordRight, "ecWordRight"},
    {ecLineStart, "ecLineStart"},
    {ecLineEnd, "ecLineEnd"},
    {ecPageUp, "ecPageUp"},
    {ecPageDown, "ecPageDown"},
    {ecPageLeft, "ecPageLeft"},
    {ecPageRight, "ecPageRight"},
    {ecPageTop, "ecPageTop"},
    {ecPageBottom, "ecPageBottom"},
    {ecEditorTop, "ecEditorTop"},
    {ecEditorBottom, "ecEditorBottom"},
    {ecGotoXY, "ecGotoXY"},
    {ecSelLeft, "ecSelLeft"},
    {ecSelRight, "ecSelRight"},
    {ecSelUp, "ecSelUp"},
    {ecSelDown, "ecSelDown"},
    {ecSelWordLeft, "ecSelWordLeft"},
    {ecSelWordRight, "ecSelWordRight"},
    {ecSelLineStart, "ecSelLineStart"},
    {ecSelLineEnd, "ecSelLineEnd"},
    {ecSelPageUp, "ecSelPageUp"},
    {ecSelPageDown, "ecSelPageDown"},
    {ecSelPageLeft, "ecSelPageLeft"},
    {ecSelPageRight, "ecSelPageRight"},
    {ecSelPageTop, "ecSelPageTop"},
    {ecSelPageBottom, "ecSelPageBottom"},
    {ecSelEditorTop, "ecSelEditorTop"},
    {ecSelEditorBottom, "ecSelEditorBottom"},
    {ecSelGotoXY, "ecSelGotoXY"},
    {ecSelectAll, "ecSelectAll"},
    {ecDeleteLastChar, "ecDeleteLastChar"},
    {ecDeleteChar, "ecDeleteChar"},
    {ecDeleteWord, "ecDeleteWord"},
    {ecDeleteLastWord, "ecDeleteLastWord"},
    {ecDeleteBOL, "ecDeleteBOL"},
    {ecDeleteEOL, "ecDeleteEOL"},
    {ecDeleteLine, "ecDeleteLine"},
    {ecClearAll, "ecClearAll"},
    {ecLineBreak, "ecLineBreak"},
    {ecInsertLine, "ecInsertLine"},
    {ecChar, "ecChar"},
    {ecImeStr, "ecImeStr"},
    {ecUndo, "ecUndo"},
    {ecRedo, "ecRedo"},
    {ecCut, "ecCut"},
    {ecCopy, "ecCopy"},
    {ecPaste, "ecPaste"},
    {ecScrollUp, "ecScrollUp"},
    {ecScrollDown, "ecScrollDown"},
    {ecScrollLeft, "ecScrollLeft"},
    {ecScrollRight, "ecScrollRight"},
    {ecInsertMode, "ecInsertMode"},
    {ecOverwriteMode, "ecOverwriteMode"},
    {ecToggleMode, "ecToggleMode"},
    {ecBlockIndent, "ecBlockIndent"},
    {ecBlockUnindent, "ecBlockUnindent"},
    {ecTab, "ecTab"},
    {ecShiftTab, "ecShiftTab"},
    {ecMatchBracket, "ecMatchBracket"},
    {ecNormalSelect, "ecNormalSelect"},
    {ecColumnSelect, "ecColumnSelect"},
    {ecLineSelect, "ecLineSelect"},
    {ecAutoCompletion, "ecAutoCompletion"},
    {ecUserFirst, "ecUserFirst"},
    {ecContextHelp, "ecContextHelp"},
    {ecGotoMarker0 + 0, "ecGotoMarker0"},
    {ecGotoMarker0 + 1, "ecGotoMarker1"},
    {ecGotoMarker0 + 2, "ecGotoMarker2"},
    {ecGotoMarker0 + 3, "ecGotoMarker3"},
    {ecGotoMarker0 + 4, "ecGotoMarker4"},
    {ecGotoMarker0 + 5, "ecGotoMarker5"},
    {ecGotoMarker0 + 6, "ecGotoMarker6"},
    {ecGotoMarker0 + 7, "ecGotoMarker7"},
    {ecGotoMarker0 + 8, "ecGotoMarker8"},
    {ecGotoMarker0 + 9, "ecGotoMarker9"},
    {ecSetMarker0 + 0, "ecSetMarker0"},
    {ecSetMarker0 + 1, "ecSetMarker1"},
    {ecSetMarker0 + 2, "ecSetMarker2"},
    {ecSetMarker0 + 3, "ecSetMarker3"},
    {ecSetMarker0 + 4, "ecSetMarker4"},
    {ecSetMarker0 + 5, "ecSetMarker5"},
    {ecSetMarker0 + 6, "ecSetMarker6"},
    {ecSetMarker0 + 7, "ecSetMarker7"},
    {ecSetMarker0 + 8, "ecSetMarker8"},
    {ecSetMarker0 + 9, "ecSetMarker9"},
    {ecUpperCase, "ecUpperCase"},
    {ecLowerCase, "ecLowerCase"},
    {ecToggleCase, "ecToggleCase"},
    {ecTitleCase, "ecTitleCase"},
    {ecString, "ecString"},
}};

}  // namespace

std::span<const TCodeEditorCommandIdent> EditorCommandIdents() { return kIdents; }

std::optional<std::string_view> EditorCommandToIdent(TCodeEditorCommand command) {
    for (const auto& ident : kIdents) {
        if (ident.value == command) return ident.name;
    }
    return std::nullopt;
}

std::optional<TCodeEditorCommand> IdentToEditorCommand(std::string_view ident) {
    for (const auto& entry : kIdents) {
        if (entry.name == ident) return entry.value;
    }
    return std::nullopt;
}

std::string EditorCommandToString(TCodeEditorCommand command) {
    if (const auto ident = EditorCommandToIdent(command)) return std::string(*ident);
    return std::to_string(command);
}

std::optional<TCodeEditorCommand> StringToEditorCommand(std::string_view text) {
    if (const auto command = IdentToEditorCommand(text)) return command;
    unsigned value = 0;
    const char* const end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end || value > 0xFFFF) return std::nullopt;
    return static_cast<TCodeEditorCommand>(value);
}

}  // namespace tips::editor
