// Any text as an INI file: parsing and every kind of read must stay in bounds.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/ini_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const tips::skin::IniFile ini(text);
    long long sum = 0;
    for (const auto& section : ini.SectionNames()) {
        for (const auto& key : ini.KeyNames(section)) {
            sum += ini.ReadInteger(section, key, -1);
            sum += ini.ReadColour(section, key, 0);
            sum += static_cast<long long>(ini.ReadString(section, key, "").size());
        }
    }
    sum += ini.ReadInteger("Personality", "TopTopHeight", 0);
    return sum == 1 ? 0 : 0;
}
