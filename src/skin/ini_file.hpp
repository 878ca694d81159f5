#pragma once
// An INI text read in memory with the rules of the Windows profile functions: section and key names
// compared without regard to case, the first of duplicate sections or keys wins, values trimmed and
// unquoted, integers in decimal with the caller's default for missing or non-numeric values.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tips::skin {

// Leading sign and decimal digits of a value, as the profile functions read integers ("12px" is 12);
// nothing when the value does not start with a number or the number does not fit in 32 bits.
std::optional<int> ParseIniInteger(std::string_view value);

// A colour written as three decimal numbers for red, green and blue separated by anything that is not
// a digit ("204 204 204", "204,204,204"). Missing numbers count as 0, each number keeps its low byte.
// Nothing when the value holds no digit at all. The result is 0x00BBGGRR.
std::optional<std::uint32_t> ParseColourTriple(std::string_view value);

class IniFile {
public:
    IniFile() = default;
    explicit IniFile(std::string_view text);

    // Every section header of the text in file order, spelled as written (duplicates included).
    const std::vector<std::string>& SectionNames() const { return sectionNames_; }
    bool SectionExists(std::string_view section) const;
    // Key names of the (first) section of that name, in file order.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // The value of a key, trimmed and with one pair of enclosing quotes removed; nothing when absent.
    std::optional<std::string> FindString(std::string_view section, std::string_view key) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // A colour triple (see ParseColourTriple); the default when the key is missing, empty or has no digit.
    std::uint32_t ReadColour(std::string_view section, std::string_view key, std::uint32_t defaultValue) const;

private:
    struct Entry {
        std::string key;
        std::string value;
    };
    struct Section {
        std::string name;
        std::vector<Entry> entries;
    };

    const Section* FindSection(std::string_view section) const;

    std::vector<Section> sections_;
    std::vector<std::string> sectionNames_;
};

}  // namespace tips::skin
