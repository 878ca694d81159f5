#pragma once
// Editor command codes and their identifiers. Every keyboard, mouse and focus action of the editor
// runs through one command path as one of these 16-bit codes.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tips::editor {

using TCodeEditorCommand = std::uint16_t;

inline constexpr TCodeEditorCommand ecNone = 0;

// Caret movement.
inline constexpr TCodeEditorCommand ecLeft = 1;
inline constexpr TCodeEditorCommand ecRight = 2;
inline constexpr TCodeEditorCommand ecUp = 3;
inline constexpr TCodeEditorCommand ecDown = 4;
inline constexpr TCodeEditorCommand ecWordLeft = 5;
inline constexpr TCodeEditorCommand ecWordRight = 6;
inline constexpr TCodeEditorCommand ecLineStart = 7;
inline constexpr TCodeEditorCommand ecLineEnd = 8;
inline constexpr TCodeEditorCommand ecPageUp = 9;
inline constexpr TCodeEditorCommand ecPageDown = 10;
inline constexpr TCodeEditorCommand ecPageLeft = 11;
inline constexpr TCodeEditorCommand ecPageRight = 12;
inline constexpr TCodeEditorCommand ecPageTop = 13;
inline constexpr TCodeEditorCommand ecPageBottom = 14;
inline constexpr TCodeEditorCommand ecEditorTop = 15;
inline constexpr TCodeEditorCommand ecEditorBottom = 16;
inline constexpr TCodeEditorCommand ecGotoXY = 17;

// The same movements extending the selection: movement code + ecSelection.
inline constexpr TCodeEditorCommand ecSelection = 100;
inline constexpr TCodeEditorCommand ecSelLeft = ecLeft + ecSelection;
inline constexpr TCodeEditorCommand ecSelRight = ecRight + ecSelection;
inline constexpr TCodeEditorCommand ecSelUp = ecUp + ecSelection;
inline constexpr TCodeEditorCommand ecSelDown = ecDown + ecSelection;
inline constexpr TCodeEditorCommand ecSelWordLeft = ecWordLeft + ecSelection;
inline constexpr TCodeEditorCommand ecSelWordRight = ecWordRight + ecSelection;
inline constexpr TCodeEditorCommand ecSelLineStart = ecLineStart + ecSelection;
inline constexpr TCodeEditorCommand ecSelLineEnd = ecLineEnd + ecSelection;
inline constexpr TCodeEditorCommand ecSelPageUp = ecPageUp + ecSelection;
inline constexpr TCodeEditorCommand ecSelPageDown = ecPageDown + ecSelection;
inline constexpr TCodeEditorCommand ecSelPageLeft = ecPageLeft + ecSelection;
inline constexpr TCodeEditorCommand ecSelPageRight = ecPageRight + ecSelection;
inline constexpr TCodeEditorCommand ecSelPageTop = ecPageTop + ecSelection;
inline constexpr TCodeEditorCommand ecSelPageBottom = ecPageBottom + ecSelection;
inline constexpr TCodeEditorCommand ecSelEditorTop = ecEditorTop + ecSelection;
inline constexpr TCodeEditorCommand ecSelEditorBottom = ecEditorBottom + ecSelection;
inline constexpr TCodeEditorCommand ecSelGotoXY = ecGotoXY + ecSelection;

inline constexpr TCodeEditorCommand ecSelectAll = 199;
inline constexpr TCodeEditorCommand ecCopy = 201;

inline constexpr TCodeEditorCommand ecScrollUp = 211;
inline constexpr TCodeEditorCommand ecScrollDown = 212;
inline constexpr TCodeEditorCommand ecScrollLeft = 213;
inline constexpr TCodeEditorCommand ecScrollRight = 214;

inline constexpr TCodeEditorCommand ecInsertMode = 221;
inline constexpr TCodeEditorCommand ecOverwriteMode = 222;
inline constexpr TCodeEditorCommand ecToggleMode = 223;

inline constexpr TCodeEditorCommand ecNormalSelect = 231;
inline constexpr TCodeEditorCommand ecColumnSelect = 232;
inline constexpr TCodeEditorCommand ecLineSelect = 233;

inline constexpr TCodeEditorCommand ecMatchBracket = 250;

// ecGotoMarker0 + n and ecSetMarker0 + n for bookmark n in 0..9.
inline constexpr TCodeEditorCommand ecGotoMarker0 = 301;
inline constexpr TCodeEditorCommand ecGotoMarker9 = 310;
inline constexpr TCodeEditorCommand ecSetMarker0 = 351;
inline constexpr TCodeEditorCommand ecSetMarker9 = 360;

inline constexpr TCodeEditorCommand ecContextHelp = 490;

inline constexpr TCodeEditorCommand ecDeleteLastChar = 501;
inline constexpr TCodeEditorCommand ecDeleteChar = 502;
inline constexpr TCodeEditorCommand ecDeleteWord = 503;
inline constexpr TCodeEditorCommand ecDeleteLastWord = 504;
inline constexpr TCodeEditorCommand ecDeleteBOL = 505;
inline constexpr TCodeEditorCommand ecDeleteEOL = 506;
inline constexpr TCodeEditorCommand ecDeleteLine = 507;
inline constexpr TCodeEditorCommand ecClearAll = 508;
inline constexpr TCodeEditorCommand ecLineBreak = 509;
inline constexpr TCodeEditorCommand ecInsertLine = 510;
inline constexpr TCodeEditorCommand ecChar = 511;

inline constexpr TCodeEditorCommand ecImeStr = 550;

inline constexpr TCodeEditorCommand ecUndo = 601;
inline constexpr TCodeEditorCommand ecRedo = 602;
inline constexpr TCodeEditorCommand ecCut = 603;
inline constexpr TCodeEditorCommand ecPaste = 604;

inline constexpr TCodeEditorCommand ecBlockIndent = 610;
inline constexpr TCodeEditorCommand ecBlockUnindent = 611;
inline constexpr TCodeEditorCommand ecTab = 612;
inline constexpr TCodeEditorCommand ecShiftTab = 613;

inline constexpr TCodeEditorCommand ecUpperCase = 620;
inline constexpr TCodeEditorCommand ecLowerCase = 621;
inline constexpr TCodeEditorCommand ecToggleCase = 622;
inline constexpr TCodeEditorCommand ecTitleCase = 623;

inline constexpr TCodeEditorCommand ecString = 630;
inline constexpr TCodeEditorCommand ecAutoCompletion = 650;

// Sent through the command path when the editor receives and loses the focus; they have no
// identifier.
inline constexpr TCodeEditorCommand ecGotFocus = 700;
inline constexpr TCodeEditorCommand ecLostFocus = 701;

// This code and all above are user commands, never executed by the editor itself.
inline constexpr TCodeEditorCommand ecUserFirst = 1001;

// One entry of the identifier table.
struct TCodeEditorCommandIdent {
    TCodeEditorCommand value;
    std::string_view name;
};

// The 96 identifiers in their table order.
std::span<const TCodeEditorCommandIdent> EditorCommandIdents();

// Identifier of a code, or nothing when the code has none.
std::optional<std::string_view> EditorCommandToIdent(TCodeEditorCommand command);

// Code of an identifier (exact spelling), or nothing when there is no such identifier.
std::optional<TCodeEditorCommand> IdentToEditorCommand(std::string_view ident);

// The identifier, or the decimal number for a code without one.
std::string EditorCommandToString(TCodeEditorCommand command);

// An identifier or a decimal number 0..65535; nothing for anything else.
std::optional<TCodeEditorCommand> StringToEditorCommand(std::string_view text);

}  // namespace tips::editor
