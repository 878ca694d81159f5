#pragma once
// Letter case of Windows-1252 text, by two rules.
//
// The Windows-1252 rule is the Western locale's: the ASCII letters, the accented letters
// 0xC0..0xDE / 0xE0..0xFE (the multiplication sign 0xD7 and the division sign 0xF7 excepted), and the
// pairs S/s, OE/oe, Z/z with caron and Y with diaeresis (0x8A/0x9A, 0x8C/0x9C, 0x8E/0x9E, 0x9F/0xFF).
// Sharp s, the micro sign, the florin and the ordinal indicators have no pair and stay as they are.
// Everything that names or shows user text uses it: field names, skin section, key and entry names,
// the executable's name, the editor's case commands.
//
// The ASCII rule folds only A..Z / a..z. It is for words of a fixed ASCII syntax (the key and modifier
// names of editor scripts), where a byte above 0x7F is never part of a word.

#include <string>
#include <string_view>

namespace tips::base {

char UpperChar1252(char c);
char LowerChar1252(char c);
std::string UpperCase1252(std::string_view text);
std::string LowerCase1252(std::string_view text);
// Each character that differs from its upper-case form becomes upper case, every other one lower case.
std::string ToggleCase1252(std::string_view text);

bool EqualsIgnoreCase1252(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase1252(std::string_view text, std::string_view prefix);
// Whether `text` contains `part`, ignoring case; an empty `part` is contained in every text.
bool ContainsIgnoreCase1252(std::string_view text, std::string_view part);

constexpr char UpperCharAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }
constexpr char LowerCharAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c; }
bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b);

}  // namespace tips::base
