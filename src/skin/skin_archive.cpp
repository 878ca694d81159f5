#include "skin/skin_archive.hpp"

#include <limits>
#include <stdexcept>
#include <utility>

#include "base/byte_reader.hpp"
#include "base/line_split.hpp"
#include "base/text_case.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_texts.hpp"

namespace tips::skin {

namespace {

[[noreturn]] void Fail(const std::string& what) { throw ESkinFormatError("skin archive: " + what); }

}  // namespace

std::optional<std::uint32_t> PeekSkinArchiveVersion(std::span<const std::uint8_t> bytes) {
    base::TByteReader reader(bytes);
    const std::uint32_t version = reader.U32();
    if (!reader.Ok()) return std::nullopt;
    return version;
}

SkinArchive::SkinArchive(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {
    base::TByteReader reader(bytes_);
    version_ = reader.U32();
    if (!reader.Ok()) Fail("no header");
    if (version_ != kSkinArchiveVersion) throw ESkinVersionError(texts::kOlderSkinFile);
    nameListLength_ = reader.U32();
    reader.Skip(8);  // reserved
    if (!reader.Ok()) Fail("header truncated");

    const auto nameList = reader.Bytes(nameListLength_);
    if (!reader.Ok()) Fail("name list of " + std::to_string(nameListLength_) + " bytes runs past the end");
    const std::string lowered = base::LowerCase1252(std::string_view(reinterpret_cast<const char*>(nameList.data()), nameList.size()));
    const auto names = base::SplitLines(lowered, base::TFinalBreak::ClosesLastLine);

    // At most one line per byte of the name list plus one, so the size table's length cannot overflow.
    if (names.size() > reader.Remaining() / 4) Fail(std::to_string(names.size()) + " entry sizes run past the end");
    entries_.reserve(names.size());
    std::uint64_t total = 0;
    for (const auto name : names) {
        const std::uint32_t size = reader.U32();
        entries_.push_back(SkinArchiveEntry{std::string(name), 0, size});
        total += size;
    }
    dataOffset_ = reader.Position();
    if (total > reader.Remaining()) Fail("entry sizes add up to more than the data");
    std::size_t offset = dataOffset_;
    for (auto& entry : entries_) {
        entry.offset = offset;
        offset += entry.size;
    }
    trailingBytes_ = bytes_.size() - offset;
}

const SkinArchiveEntry* SkinArchive::Find(std::string_view name) const {
    for (const auto& entry : entries_) {
        if (base::EqualsIgnoreCase1252(entry.name, name)) return &entry;
    }
    return nullptr;
}

const SkinArchiveEntry* SkinArchive::FindContaining(std::string_view part) const {
    for (const auto& entry : entries_) {
        if (base::ContainsIgnoreCase1252(entry.name, part)) return &entry;
    }
    return nullptr;
}

std::span<const std::uint8_t> SkinArchive::Data(const SkinArchiveEntry& entry) const {
    return std::span<const std::uint8_t>(bytes_).subspan(entry.offset, entry.size);
}

std::string_view SkinArchive::Text(const SkinArchiveEntry& entry) const {
    const auto data = Data(entry);
    return std::string_view(reinterpret_cast<const char*>(data.data()), data.size());
}

std::vector<std::uint8_t> WriteSkinArchive(std::span<const SkinArchiveFile> files) {
    std::string nameList;
    std::uint64_t total = kSkinArchiveHeaderSize;
    for (const auto& file : files) {
        if (file.name.find_first_of("\r\n") != std::string::npos) throw std::invalid_argument("entry name with a line break");
        if (file.bytes.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("entry larger than 4 GB");
        nameList += file.name;
        nameList += "\r\n";
        total += 4 + file.name.size() + 2 + file.bytes.size();
    }
    if (total > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("archive larger than 4 GB");

    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(total));
    base::AppendLittle<std::uint32_t>(out, kSkinArchiveVersion);
    base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(nameList.size()));
    base::AppendLittle<std::uint32_t>(out, 0);
    base::AppendLittle<std::uint32_t>(out, 0);
    out.insert(out.end(), nameList.begin(), nameList.end());
    for (const auto& file : files) base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(file.bytes.size()));
    for (const auto& file : files) out.insert(out.end(), file.bytes.begin(), file.bytes.end());
    return out;
}

}  // namespace tips::skin
