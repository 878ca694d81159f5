#include "skin/ini_file.hpp"

#include <cstdint>
#include <limits>

#include "base/line_split.hpp"
#include "base/text_case.hpp"

namespace tips::skin {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view Unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view value) {
    value = Trim(value);
    bool negative = false;
    if (!value.empty() && (value.front() == '-' || value.front() == '+')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    if (value.empty() || !IsDigit(value.front())) return std::nullopt;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<int>::max()} + 1;
    for (std::size_t i = 0; i < value.size() && IsDigit(value[i]); ++i) {
        magnitude = magnitude * 10 + (value[i] - '0');
        if (magnitude > kLimit) return std::nullopt;
    }
    if (!negative && magnitude == kLimit) return std::nullopt;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::optional<std::uint32_t> ParseColourTriple(std::string_view value) {
    std::uint32_t parts[3] = {0, 0, 0};
    int found = 0;
    std::size_t i = 0;
    while (i < value.size() && found < 3) {
        if (!IsDigit(value[i])) {
            ++i;
            continue;
        }
        std::uint32_t number = 0;  // wraps on absurd lengths; only the low byte is kept anyway
        for (; i < value.size() && IsDigit(value[i]); ++i) number = number * 10 + static_cast<std::uint32_t>(value[i] - '0');
        parts[found++] = number & 0xFF;
    }
    if (found == 0) return std::nullopt;
    return parts[0] | (parts[1] << 8) | (parts[2] << 16);
}

IniFile::IniFile(std::string_view text) {
    Section* current = nullptr;
    for (const std::string_view rawLine : base::SplitLines(text, base::TFinalBreak::ClosesLastLine)) {
        const std::string_view line = Trim(rawLine);
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            std::string_view name = line.substr(1);
            if (const auto close = name.find(']'); close != std::string_view::npos) name = name.substr(0, close);
            sections_.push_back(Section{std::string(Trim(name)), {}});
            sectionNames_.push_back(sections_.back().name);
            current = &sections_.back();
            continue;
        }
        const auto equals = line.find('=');
        if (current == nullptr || equals == std::string_view::npos) continue;  // keys outside a section are unreachable
        current->entries.push_back(Entry{std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1)))});
    }
}

const IniFile::Section* IniFile::FindSection(std::string_view section) const {
    const std::string_view wanted = Trim(section);
    for (const auto& candidate : sections_) {
        if (base::EqualsIgnoreCase1252(candidate.name, wanted)) return &candidate;
    }
    return nullptr;
}

bool IniFile::SectionExists(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> IniFile::KeyNames(std::string_view section) const {
    std::vector<std::string> names;
    if (const Section* found = FindSection(section)) {
        for (const auto& entry : found->entries) names.push_back(entry.key);
    }
    return names;
}

std::optional<std::string> IniFile::FindString(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (found == nullptr) return std::nullopt;
    const std::string_view wanted = Trim(key);
    for (const auto& entry : found->entries) {
        if (base::EqualsIgnoreCase1252(entry.key, wanted)) return std::string(Unquote(entry.value));
    }
    return std::nullopt;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindString(section, key).has_value();
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const {
    auto value = FindString(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = FindString(section, key);
    if (!value) return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

std::uint32_t IniFile::ReadColour(std::string_view section, std::string_view key, std::uint32_t defaultValue) const {
    const auto value = FindString(section, key);
    if (!value) return defaultValue;
    return ParseColourTriple(*value).value_or(defaultValue);
}

}  // namespace tips::skin
