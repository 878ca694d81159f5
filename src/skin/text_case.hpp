#pragma once
// Line splitting and case folding of Windows-1252 text, for names that are compared without regard to case
// (INI sections and keys, archive entry names).

#include <string>
#include <string_view>
#include <vector>

namespace tips::skin {

// The lower-case form of one Windows-1252 byte (ASCII letters and the accented capitals).
char LowerChar(char c);

std::string LowerCase(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Whether `text` contains `part`, ignoring case; an empty `part` is contained in every text.
bool ContainsIgnoreCase(std::string_view text, std::string_view part);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

// The lines of a text, split at CR LF, a lone CR or a lone LF; a final line break adds no line.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace tips::skin
