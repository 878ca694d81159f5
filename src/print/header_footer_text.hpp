#pragma once
// The text of a header or footer item with its macros replaced, and Roman numerals.

#include <string>
#include <string_view>

namespace tips::print {

// Subtractive forms, largest first (1994 is MCMXCIV); empty for 0 and below.
std::string RomanNumber(int value);

// What the macros of one page stand for.
struct TMacroValues {
    int PageNumber = 0;
    int PageCount = 0;
    bool RomanNumbers = false;
    std::string Title;
    std::string Date;
    std::string Time;
};

// "$PAGENUM$", "$PAGECOUNT$", "$TITLE$", "$DATE$", "$TIME$", "$DATETIME$" and "$TIMEDATE$" in any
// letter case become their values; any other text between two dollar signs is kept, and its second
// dollar may open a macro. A text of only blanks and control characters gives the empty string.
std::string ExpandMacros(std::string_view text, const TMacroValues& values);

}  // namespace tips::print
