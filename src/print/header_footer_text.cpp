#include "print/header_footer_text.hpp"

#include <array>
#include <optional>

#include "base/text_case.hpp"

namespace tips::print {

namespace {

bool IsBlank(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) > ' ') return false;
    }
    return true;
}

std::optional<std::string> MacroValue(std::string_view macro, const TMacroValues& v) {
    const std::string upper = base::UpperCase1252(macro);
    if (upper == "$PAGENUM$") return v.RomanNumbers ? RomanNumber(v.PageNumber) : std::to_string(v.PageNumber);
    if (upper == "$PAGECOUNT$") return std::to_string(v.PageCount);
    if (upper == "$TITLE$") return v.Title;
    if (upper == "$DATE$") return v.Date;
    if (upper == "$TIME$") return v.Time;
    if (upper == "$DATETIME$") return v.Date + " " + v.Time;
    if (upper == "$TIMEDATE$") return v.Time + " " + v.Date;
    return std::nullopt;
}

}  // namespace

std::string RomanNumber(int value) {
    struct TDigit {
        int value;
        const char* text;
    };
    static constexpr std::array<TDigit, 13> kDigits{{{1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"},
                                                     {90, "XC"}, {50, "L"}, {40, "XL"}, {10, "X"}, {9, "IX"},
                                                     {5, "V"}, {4, "IV"}, {1, "I"}}};
    std::string out;
    for (const TDigit& digit : kDigits) {
        while (value >= digit.value) {
            out += digit.text;
            value -= digit.value;
        }
    }
    return out;
}

std::string ExpandMacros(std::string_view text, const TMacroValues& values) {
    if (IsBlank(text)) return {};
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find('$', pos);
        if (open == std::string_view::npos) {
            out.append(text.substr(pos));
            break;
        }
        out.append(text.substr(pos, open - pos));
        const std::size_t close = text.find('$', open + 1);
        if (close == std::string_view::npos) {
            out.append(text.substr(open));
            break;
        }
        if (const auto value = MacroValue(text.substr(open, close - open + 1), values)) {
            out += *value;
            pos = close + 1;
        } else {
            // The closing dollar may open the next macro.
            out.append(text.substr(open, close - open));
            pos = close;
        }
    }
    return out;
}

}  // namespace tips::print
