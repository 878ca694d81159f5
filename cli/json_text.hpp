#pragma once
// Text conversions between the program's Windows-1252 bytes and the UTF-8 that JSON carries.
// The five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the code points of
// the same value, so every byte string survives a round trip.

#include <optional>
#include <string>
#include <string_view>

namespace tipstool {

std::string cp1252ToUtf8(std::string_view bytes);

// Returns nothing when the text holds a character Windows-1252 cannot represent or is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view utf8);

}  // namespace tipstool
