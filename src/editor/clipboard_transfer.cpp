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

void WriteCodeEditClipboard(platform::TClipboard& clipboard, std::string_view text, TCodeSelectionMode mode) {
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

std::optional<TCodeEditClipboardData> ReadCodeEditClipboard(platform::TClipboard& clipboard, TCodeSelectionMode currentMode) {
    const platform::TClipboardFormat blockType = clipboard.RegisterFormat(kBlockTypeFormatName);
    const bool hasBlock = blockType != 0 && clipboard.HasFormat(blockType);
    if (!hasBlock && !clipboard.HasFormat(clipboard.TextFormat())) return std::nullopt;

    const platform::TClipboardOpener opened(clipboard);
    if (!opened.Opened()) throw ECodeEditError(kClipboardPasteFailed);
    if (hasBlock) {
        const auto bytes = clipboard.GetData(blockType);
        // Data without even the mode byte cannot have come from an editor.
        if (!bytes || bytes->empty()) throw ECodeEditError(kClipboardPasteFailed);
        return TCodeEditClipboardData{UpToTerminator(std::string_view(*bytes).substr(1)), ModeFromByte((*bytes)[0])};
    }
    const auto bytes = clipboard.GetData(clipboard.TextFormat());
    if (!bytes) throw ECodeEditError(kClipboardPasteFailed);
    return TCodeEditClipboardData{UpToTerminator(*bytes), currentMode};
}

}  // namespace tips::editor
