#pragma once
// Builds the skin model from the skin's INI text and the images of its archive.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "skin/ini_file.hpp"
#include "skin/skin_archive.hpp"
#include "skin/skin_data.hpp"

namespace tips::skin {

// Gives the bytes of the archive entry of that name (compared without regard to case), or nothing.
using SkinEntryLookup = std::function<std::optional<std::span<const std::uint8_t>>(std::string_view entryName)>;

// Reads every element in the skin's fixed order with its defaults. An image that is missing, not
// named "*.bmp" or not a readable 24-bit bitmap is left empty.
TSkinData ReadSkinModel(const IniFile& ini, const SkinEntryLookup& entries);

// The model of an opened archive: its INI entry (the first whose name contains ".ini") read against
// its images. Throws ESkinFormatError when the archive holds no INI entry.
TSkinData ReadSkinModel(const SkinArchive& archive);

}  // namespace tips::skin
