#pragma once
// Keys, modifier sets and the 16-bit shortcut value that packs them: the virtual-key code in the
// low byte plus 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt (Ctrl+X is 0x4000 + 'X', 16472).
// The editor and the widgets take these names into their namespaces with one using-directive.

#include <cstdint>

namespace tips::base::keyboard {

// A set of modifiers held with a key or a mouse button: any of ssShift, ssAlt, ssCtrl.
using TShiftState = std::uint8_t;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;

using TVirtualKey = std::uint16_t;
using TShortCut = std::uint16_t;  // 0 means none

// Virtual-key codes by name; letters and digits are their upper-case characters ('X', '0').
inline constexpr TVirtualKey vkBack = 0x08;
inline constexpr TVirtualKey vkTab = 0x09;
inline constexpr TVirtualKey vkReturn = 0x0D;
inline constexpr TVirtualKey vkShift = 0x10;
inline constexpr TVirtualKey vkControl = 0x11;
inline constexpr TVirtualKey vkMenu = 0x12;
inline constexpr TVirtualKey vkPause = 0x13;
inline constexpr TVirtualKey vkEscape = 0x1B;
inline constexpr TVirtualKey vkSpace = 0x20;
inline constexpr TVirtualKey vkPrior = 0x21;  // PageUp
inline constexpr TVirtualKey vkNext = 0x22;   // PageDown
inline constexpr TVirtualKey vkEnd = 0x23;
inline constexpr TVirtualKey vkHome = 0x24;
inline constexpr TVirtualKey vkLeft = 0x25;
inline constexpr TVirtualKey vkUp = 0x26;
inline constexpr TVirtualKey vkRight = 0x27;
inline constexpr TVirtualKey vkDown = 0x28;
inline constexpr TVirtualKey vkInsert = 0x2D;
inline constexpr TVirtualKey vkDelete = 0x2E;
inline constexpr TVirtualKey vk0 = 0x30;  // vk0 + d for digit d
inline constexpr TVirtualKey vkA = 0x41;  // vkA + n for the n-th letter
inline constexpr TVirtualKey vkF1 = 0x70;  // vkF1 + n - 1 for Fn, n in 1..24

inline constexpr TShortCut kShortCutShift = 0x2000;
inline constexpr TShortCut kShortCutCtrl = 0x4000;
inline constexpr TShortCut kShortCutAlt = 0x8000;

// Packs a key and its modifiers; 0 when the key does not fit in the low byte.
constexpr TShortCut ShortCut(TVirtualKey key, TShiftState shift = 0) {
    if (key > 0xFF) return 0;
    unsigned value = key;
    if (shift & ssShift) value |= kShortCutShift;
    if (shift & ssCtrl) value |= kShortCutCtrl;
    if (shift & ssAlt) value |= kShortCutAlt;
    return static_cast<TShortCut>(value);
}

constexpr TVirtualKey ShortCutKey(TShortCut shortCut) { return static_cast<TVirtualKey>(shortCut & 0xFF); }

constexpr TShiftState ShortCutShift(TShortCut shortCut) {
    TShiftState shift = 0;
    if (shortCut & kShortCutShift) shift |= ssShift;
    if (shortCut & kShortCutCtrl) shift |= ssCtrl;
    if (shortCut & kShortCutAlt) shift |= ssAlt;
    return shift;
}

}  // namespace tips::base::keyboard
