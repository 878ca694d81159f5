#pragma once
// The skin archive (what a skin file decodes to): a 16-byte header (version 20000, name list length,
// two reserved words), the entry names one per line, a u32 size per entry, then the entries' bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tips::skin {

inline constexpr std::uint32_t kSkinArchiveVersion = 20000;
inline constexpr std::size_t kSkinArchiveHeaderSize = 16;

struct SkinArchiveEntry {
    std::string name;  // lowered
    std::size_t offset = 0;  // into the archive's bytes
    std::uint32_t size = 0;
};

class SkinArchive {
public:
    // Opens decoded archive bytes. Throws ESkinVersionError (carrying the "older skin file" message)
    // when the version is not 20000, ESkinFormatError when the header, the name list, the sizes or the
    // entries' data run past the end.
    explicit SkinArchive(std::vector<std::uint8_t> bytes);

    std::uint32_t Version() const { return version_; }
    std::uint32_t NameListLength() const { return nameListLength_; }
    const std::vector<SkinArchiveEntry>& Entries() const { return entries_; }

    // The entry of exactly that name, compared without regard to case; null when there is none.
    const SkinArchiveEntry* Find(std::string_view name) const;
    // The first entry whose name contains `part` (without regard to case); null when there is none.
    const SkinArchiveEntry* FindContaining(std::string_view part) const;
    // The INI entry: the first whose name contains ".ini".
    const SkinArchiveEntry* FindIni() const { return FindContaining(".ini"); }

    std::span<const std::uint8_t> Data(const SkinArchiveEntry& entry) const;
    std::string_view Text(const SkinArchiveEntry& entry) const;

    // Where the entries' data starts, and bytes left over after the last entry (0 in a tidy archive).
    std::size_t DataOffset() const { return dataOffset_; }
    std::size_t TrailingBytes() const { return trailingBytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t version_ = 0;
    std::uint32_t nameListLength_ = 0;
    std::vector<SkinArchiveEntry> entries_;
    std::size_t dataOffset_ = 0;
    std::size_t trailingBytes_ = 0;
};

// The u32 at the start of archive bytes, or nothing when there are fewer than four bytes.
std::optional<std::uint32_t> PeekSkinArchiveVersion(std::span<const std::uint8_t> bytes);

// One entry to be written into an archive.
struct SkinArchiveFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// Archive bytes for `files` in the given order, each name followed by CR LF. Throws
// std::invalid_argument for a name holding CR or LF, std::length_error past 4 GB.
std::vector<std::uint8_t> WriteSkinArchive(std::span<const SkinArchiveFile> files);

}  // namespace tips::skin
