#include "base/text_case.hpp"

#include <algorithm>

namespace tips::base {

char UpperChar1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 0x20);
    if (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7) return static_cast<char>(byte - 0x20);
    switch (byte) {
        case 0x9A: return static_cast<char>(0x8A);  // s caron
        case 0x9C: return static_cast<char>(0x8C);  // oe
        case 0x9E: return static_cast<char>(0x8E);  // z caron
        case 0xFF: return static_cast<char>(0x9F);  // y diaeresis
        default: return c;
    }
}

char LowerChar1252(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte + 0x20);
    if (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7) return static_cast<char>(byte + 0x20);
    switch (byte) {
        case 0x8A: return static_cast<char>(0x9A);
        case 0x8C: return static_cast<char>(0x9C);
        case 0x8E: return static_cast<char>(0x9E);
        case 0x9F: return static_cast<char>(0xFF);
        default: return c;
    }
}

std::string UpperCase1252(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), UpperChar1252);
    return upper;
}

std::string LowerCase1252(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerChar1252);
    return lower;
}

std::string ToggleCase1252(std::string_view text) {
    std::string toggled(text);
    for (char& c : toggled) c = UpperChar1252(c) != c ? UpperChar1252(c) : LowerChar1252(c);
    return toggled;
}

namespace {

bool SameLetter1252(char x, char y) { return LowerChar1252(x) == LowerChar1252(y); }

}  // namespace

bool EqualsIgnoreCase1252(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameLetter1252);
}

bool StartsWithIgnoreCase1252(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoreCase1252(text.substr(0, prefix.size()), prefix);
}

bool ContainsIgnoreCase1252(std::string_view text, std::string_view part) {
    return part.empty() || std::search(text.begin(), text.end(), part.begin(), part.end(), SameLetter1252) != text.end();
}

bool EqualsIgnoreCaseAscii(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return LowerCharAscii(x) == LowerCharAscii(y);
           });
}

}  // namespace tips::base
