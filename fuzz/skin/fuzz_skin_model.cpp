// Any INI text read into the skin model, with images that are valid bitmaps for names beginning with
// "a" and the input's own bytes (rarely a bitmap) for every other name.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "skin/bitmap.hpp"
#include "skin/ini_file.hpp"
#include "skin/skin_model_reader.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tips::skin;
    static const std::vector<std::uint8_t> bitmap = WriteBitmap(Image(37, 5, Rgb{255, 0, 255}));
    const std::span<const std::uint8_t> input(data, size);
    const IniFile ini(std::string_view(reinterpret_cast<const char*>(data), size));
    const SkinEntryLookup lookup = [&](std::string_view name) -> std::optional<std::span<const std::uint8_t>> {
        if (name.empty()) return std::nullopt;
        if (name.front() == 'a' || name.front() == 'A') return std::span<const std::uint8_t>(bitmap);
        return input;
    };
    const TSkinData model = ReadSkinModel(ini, lookup);
    (void)model;
    return 0;
}
