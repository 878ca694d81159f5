#pragma once
// Small hand-made skins for the model tests: an INI text plus named bitmap entries.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "skin/bitmap.hpp"
#include "skin/ini_file.hpp"
#include "skin/skin_model_reader.hpp"
#include "base/text_case.hpp"

namespace tips::skin::testing {

// An image whose pixel (x, y) encodes its position, so crops and mirrors can be checked.
inline Image PositionImage(int width, int height) {
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.Set(x, y, Rgb{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7});
    return image;
}

class SkinFixture {
public:
    SkinFixture& Entry(const std::string& name, const Image& image) {
        entries_[base::LowerCase1252(name)] = WriteBitmap(image);
        return *this;
    }
    SkinFixture& RawEntry(const std::string& name, std::vector<std::uint8_t> bytes) {
        entries_[base::LowerCase1252(name)] = std::move(bytes);
        return *this;
    }

    TSkinData Read(const std::string& iniText) const {
        const IniFile ini(iniText);
        const SkinEntryLookup lookup = [this](std::string_view name) -> std::optional<std::span<const std::uint8_t>> {
            const auto found = entries_.find(base::LowerCase1252(name));
            if (found == entries_.end()) return std::nullopt;
            return std::span<const std::uint8_t>(found->second);
        };
        return ReadSkinModel(ini, lookup);
    }

private:
    std::map<std::string, std::vector<std::uint8_t>> entries_;
};

}  // namespace tips::skin::testing
