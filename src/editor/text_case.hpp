#pragma once
// Upper and lower case of Windows-1252 text, as the Western locale converts it: ASCII letters,
// the accented letters 0xC0..0xDE / 0xE0..0xFE (without the multiplication and division signs),
// and the pairs S/s, OE/oe, Z/z with caron and Y with diaeresis.

#include <string>

namespace tips::editor {

char UpperChar1252(char c);
char LowerChar1252(char c);
std::string UpperCase1252(std::string text);
std::string LowerCase1252(std::string text);
// Each character that differs from its upper-case form becomes upper case, every other one lower case.
std::string ToggleCase1252(std::string text);

}  // namespace tips::editor
