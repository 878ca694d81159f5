#pragma once
// Skin archives to and from a folder of files, one file per entry (tipstool skin pack / unpack).

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "skin/skin_archive.hpp"

namespace tips::skin {

// Whether an entry name can be used as a file name inside the target folder without leaving it
// (no path separators, no drive colon, not empty, "." or "..").
bool IsSafeEntryFileName(std::string_view name);

// Writes every entry of `archive` as a file of the entry's name in `folder` (created when missing).
// Throws ESkinFormatError for an unsafe or repeated name, std::filesystem::filesystem_error or
// std::runtime_error when a file cannot be written.
void UnpackSkinArchive(const SkinArchive& archive, const std::filesystem::path& folder);

// The regular files of `folder` (not its sub-folders) as archive entries, ordered by file name.
std::vector<SkinArchiveFile> ReadSkinFolder(const std::filesystem::path& folder);

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file);
void WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

}  // namespace tips::skin
