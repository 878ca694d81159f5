#pragma once
// Moving editor text to and from the clipboard: plain text plus a private format that carries
// the selection mode, so that line and column blocks paste back as what they were.

#include <optional>
#include <string>
#include <string_view>

#include "editor/editor_types.hpp"
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
void WriteCodeEditClipboard(platform::TClipboard& clipboard, std::string_view text, TCodeSelectionMode mode);

// What a paste inserts, and in which mode.
struct TCodeEditClipboardData {
    std::string Text;
    TCodeSelectionMode Mode = smNormal;
};

// The private format's text and mode when it is there, else the plain text in `currentMode`;
// nothing when the clipboard holds neither. Throws ECodeEditError when the clipboard cannot be
// opened or its data cannot be read.
std::optional<TCodeEditClipboardData> ReadCodeEditClipboard(platform::TClipboard& clipboard, TCodeSelectionMode currentMode);

}  // namespace tips::editor
