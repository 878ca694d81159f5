#pragma once
// Case folding of Windows-1252 text, for names that are compared without regard to case
// (INI sections and keys, archive entry names).

#include <string>
#include <string_view>

namespace tips::skin {

// The lower-case form of one Windows-1252 byte (ASCII letters and the accented capitals).
char LowerChar(char c);

std::string LowerCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Whether `text` contains `part`, ignoring case; an empty `part` is contained in every text.
bool ContainsIgnoreCase(std::string_view text, std::string_view part);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

}  // namespace tips::skin
