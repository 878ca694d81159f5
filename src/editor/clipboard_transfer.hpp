#pragma once
// Moving editor text to and from the clipboard: plain text plus a private format that carries
// the selection mode, so that line and column blocks paste back as what they were.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "editor/editor_types.hpp"
#include "editor/undo_list.hpp"
#include "platform/clipboard.hpp"

namespace tips::editor {

// Name under which the private format is registered. Its data: one byte with the selection
// mode, the text, a 0 byte.
inline constexpr std::string_view kBlockTypeFormatName = "CodeEdit Control Block Type";

inline constexpr const char* kClipboardCopyFailed = "Clipboard copy operation failed";
inline constexpr const char* kClipboardPasteFailed = "Clipboard paste operation failed.";

// Replaces the clipboard's content with the text, as plain text and in the private format with
// the mode. An empty text leaves the clipboard untouched. Throws ECodeEditError when the
// clipboard cannot be opened or a format cannot be stored; the clipboard is closed again.
void CopyToClipboard(platform::TClipboard& clipboard, std::string_view text, TCodeSelectionMode mode);

// What a paste inserts, and in which mode.
struct TClipboardPaste {
    std::string Text;
    TCodeSelectionMode Mode = smNormal;
};

// The private format's text and mode when it is there, else the plain text in `currentMode`;
// nothing when the clipboard holds neither. Throws ECodeEditError when the clipboard cannot be
// opened or its data cannot be read.
std::optional<TClipboardPaste> ReadClipboardForPaste(platform::TClipboard& clipboard, TCodeSelectionMode currentMode);

// The record a paste adds after the replacement, from the start of the replaced selection (or
// the caret) to the caret after it; nothing for a column paste, whose rows record themselves.
// A line paste that ends in column 1 covers whole lines up to the one before the caret.
std::optional<TCodeEditUndoItem> PasteUndoRecord(TCodeSelectionMode pasteMode, TPoint start, TPoint end,
                                                 std::int32_t visibleColumns);

// Where the caret goes after a column paste: below the block, in its left column.
constexpr TPoint ColumnPasteCaret(TPoint start, TPoint end) {
    return TPoint{start.X < end.X ? start.X : end.X, (start.Y > end.Y ? start.Y : end.Y) + 1};
}

}  // namespace tips::editor
