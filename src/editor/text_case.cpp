// Case conversion of Windows-1252 bytes.

#include "editor/text_case.hpp"

namespace tips::editor {

namespace {

unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;  // s caron
        case 0x9C: return 0x8C;  // oe
        case 0x9E: return 0x8E;  // z caron
        case 0xFF: return 0x9F;  // y diaeresis
        default: return c;
    }
}

unsigned char Lower(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    switch (c) {
        case 0x8A: return 0x9A;
        case 0x8C: return 0x9C;
        case 0x8E: return 0x9E;
        case 0x9F: return 0xFF;
        default: return c;
    }
}

}  // namespace

char UpperChar1252(char c) { return static_cast<char>(Upper(static_cast<unsigned char>(c))); }

char LowerChar1252(char c) { return static_cast<char>(Lower(static_cast<unsigned char>(c))); }

std::string UpperCase1252(std::string text) {
    for (char& c : text) c = UpperChar1252(c);
    return text;
}

std::string LowerCase1252(std::string text) {
    for (char& c : text) c = LowerChar1252(c);
    return text;
}

std::string ToggleCase1252(std::string text) {
    for (char& c : text) c = UpperChar1252(c) != c ? UpperChar1252(c) : LowerChar1252(c);
    return text;
}

}  // namespace tips::editor
