#include "editor/clipboard_transfer.hpp"

#include "editor/editor_errors.hpp"

namespace tips::editor {
namespace {

// Text up to the first 0 byte; the system may pad clipboard data after it.
std::string UpToTerminator(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

TCodeSelectionMode ModeFromByte(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    // Another program may store anything under the name; an unknown mode pastes as a stream.
    return value <= smColumn ? static_cast<TCodeSelectionMode>(value) : smNormal;
}

}  // namespace

void CopyToClipboard(platform::TClipboard& clipboard, std::string_view text, TCodeSelectionMode mode) {
    if (text.empty()) return;
    const platform::TClipboardFormat blockType = clipboard.RegisterFormat(kBlockTypeFormatName);
    const platform::TClipboardOpener opened(clipboard);
    if (!opened.Opened() || !clipboard.Clear()) throw ECodeEditError(kClipboardCopyFailed);

    std::string plain(text);
    plain.push_back('\0');
    if (!clipboard.SetData(clipboard.TextFormat(), plain)) throw ECodeEditError(kClipboardCopyFailed);

    std::string block;
    block.reserve(text.size() + 2);
    block.push_back(static_cast<char>(mode));
    block.append(text);
    block.push_back('\0');
    if (blockType == 0 || !clipboard.SetData(blockType, block)) throw ECodeEditError(kClipboardCopyFailed);
}

std::optional<TClipboardPaste> ReadClipboardForPaste(platform::TClipboard& clipboard, TCodeSelectionMode currentMode) {
    const platform::TClipboardFormat blockType = clipboard.RegisterFormat(kBlockTypeFormatName);
    const bool hasBlock = blockType != 0 && clipboard.HasFormat(blockType);
    if (!hasBlock && !clipboard.HasFormat(clipboard.TextFormat())) return std::nullopt;

    const platform::TClipboardOpener opened(clipboard);
    if (!opened.Opened()) throw ECodeEditError(kClipboardPasteFailed);
    if (hasBlock) {
        const auto bytes = clipboard.GetData(blockType);
        // Data without even the mode byte cannot have come from an editor.
        if (!bytes || bytes->empty()) throw ECodeEditError(kClipboardPasteFailed);
        return TClipboardPaste{UpToTerminator(std::string_view(*bytes).substr(1)), ModeFromByte((*bytes)[0])};
    }
    const auto bytes = clipboard.GetData(clipboard.TextFormat());
    if (!bytes) throw ECodeEditError(kClipboardPasteFailed);
    return TClipboardPaste{UpToTerminator(*bytes), currentMode};
}

std::optional<TCodeEditUndoItem> PasteUndoRecord(TCodeSelectionMode pasteMode, TPoint start, TPoint end,
                                                 std::int32_t visibleColumns) {
    switch (pasteMode) {
    case smNormal:
        return TCodeEditUndoItem{ukPaste, smNormal, start, end, {}, 0};
    case smLine:
        if (end.X == 1) return TCodeEditUndoItem{ukPaste, smLine, TPoint{1, start.Y}, TPoint{visibleColumns, end.Y - 1}, {}, 0};
        return TCodeEditUndoItem{ukPaste, smNormal, TPoint{1, start.Y}, end, {}, 0};
    case smColumn:
        break;
    }
    return std::nullopt;
}

}  // namespace tips::editor
