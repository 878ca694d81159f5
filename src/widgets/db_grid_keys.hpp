#pragma once
// The keys a data grid acts on, as virtual-key codes.

#include <cstdint>

namespace tips::widgets {

using TGridKey = std::uint16_t;

inline constexpr TGridKey kKeyTab = 0x09;
inline constexpr TGridKey kKeyReturn = 0x0D;
inline constexpr TGridKey kKeyEscape = 0x1B;
inline constexpr TGridKey kKeyPageUp = 0x21;
inline constexpr TGridKey kKeyPageDown = 0x22;
inline constexpr TGridKey kKeyEnd = 0x23;
inline constexpr TGridKey kKeyHome = 0x24;
inline constexpr TGridKey kKeyLeft = 0x25;
inline constexpr TGridKey kKeyUp = 0x26;
inline constexpr TGridKey kKeyRight = 0x27;
inline constexpr TGridKey kKeyDown = 0x28;
inline constexpr TGridKey kKeyInsert = 0x2D;
inline constexpr TGridKey kKeyDelete = 0x2E;
inline constexpr TGridKey kKeyF2 = 0x71;

}  // namespace tips::widgets
