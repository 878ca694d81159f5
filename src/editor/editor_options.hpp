#pragma once
// The editor's option set, its status-change set and the small enumerations of its published state.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tips::editor {

enum TCodeEditorOption : std::uint8_t {
    eoAltSetsColumnMode = 0,
    eoAutoIndent = 1,
    eoAutoSizeMaxLeftChar = 2,
    eoDisableScrollArrows = 3,
    eoDragDropEditing = 4,
    eoDropFiles = 5,
    eoEnhanceHomeKey = 6,
    eoGroupUndo = 7,
    eoHalfPageScroll = 8,
    eoHideShowScrollbars = 9,
    eoKeepCaretX = 10,
    eoNoCaret = 11,
    eoNoSelection = 12,
    eoRightMouseMovesCursor = 13,
    eoScrollByOneLess = 14,
    eoScrollHintFollows = 15,
    eoScrollPastEof = 16,
    eoScrollPastEol = 17,
    eoShowScrollHint = 18,
    eoShowSpecialChars = 19,
    eoSmartTabDelete = 20,
    eoSmartTabs = 21,
    eoSpecialLineDefaultFg = 22,
    eoTabIndent = 23,
    eoTabsToSpaces = 24,
    eoTrimTrailingSpaces = 25,
};

inline constexpr int kCodeEditorOptionCount = 26;

// A set of options; bit n is option n.
class TCodeEditorOptions {
public:
    constexpr TCodeEditorOptions() = default;
    constexpr explicit TCodeEditorOptions(std::uint32_t bits) : bits_(bits & kAllBits) {}

    constexpr bool Contains(TCodeEditorOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr TCodeEditorOptions With(TCodeEditorOption option) const { return TCodeEditorOptions(bits_ | Bit(option)); }
    constexpr TCodeEditorOptions Without(TCodeEditorOption option) const {
        return TCodeEditorOptions(bits_ & ~Bit(option));
    }
    constexpr std::uint32_t Bits() const { return bits_; }
    friend constexpr bool operator==(TCodeEditorOptions, TCodeEditorOptions) = default;

private:
    static constexpr std::uint32_t kAllBits = (1u << kCodeEditorOptionCount) - 1;
    static constexpr std::uint32_t Bit(TCodeEditorOption option) {
        return 1u << static_cast<unsigned>(option);
    }
    std::uint32_t bits_ = 0;
};

// {eoAutoIndent, eoDragDropEditing, eoGroupUndo, eoScrollPastEol, eoShowScrollHint, eoSmartTabDelete,
//  eoSmartTabs, eoTabsToSpaces, eoTrimTrailingSpaces}
inline constexpr TCodeEditorOptions kDefaultCodeEditorOptions{0x3360092};

// Members of the status-change set reported through OnStatusChange.
enum TCodeStatusChange : std::uint16_t {
    snAll = 1,
    snCaretColumn = 2,
    snCaretLine = 4,
    snFirstColumn = 8,
    snFirstLine = 16,
    snInsertMode = 32,
    snModified = 64,
    snSelection = 128,
    snReadOnly = 256,
};
using TCodeStatusChanges = std::uint16_t;

enum class TCodeEditCaretType : std::uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };

enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

// The identifier of an option ("eoAutoIndent") and back; nothing for an unknown name.
std::string_view CodeEditorOptionName(TCodeEditorOption option);
std::optional<TCodeEditorOption> CodeEditorOptionFromName(std::string_view name);

// The names of the members of a status-change set, in value order ("snCaretColumn", ...).
std::vector<std::string> StatusChangeNames(TCodeStatusChanges changes);

}  // namespace tips::editor
