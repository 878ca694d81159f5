#include "skin/skin_folder.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>

#include "base/text_case.hpp"
#include "skin/skin_error.hpp"

namespace tips::skin {

bool IsSafeEntryFileName(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return c == '/' || c == '\\' || c == ':' || c == '\0' || c == '\r' || c == '\n';
    });
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + file.string());
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw std::runtime_error("cannot read " + file.string());
    return bytes;
}

void WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

void UnpackSkinArchive(const SkinArchive& archive, const std::filesystem::path& folder) {
    std::set<std::string> seen;
    for (const auto& entry : archive.Entries()) {
        if (!IsSafeEntryFileName(entry.name)) throw ESkinFormatError("entry name unusable as a file name: \"" + entry.name + "\"");
        if (!seen.insert(base::LowerCase1252(entry.name)).second) throw ESkinFormatError("entry name repeated: " + entry.name);
    }
    std::filesystem::create_directories(folder);
    for (const auto& entry : archive.Entries()) WriteWholeFile(folder / entry.name, archive.Data(entry));
}

std::vector<SkinArchiveFile> ReadSkinFolder(const std::filesystem::path& folder) {
    std::vector<SkinArchiveFile> files;
    for (const auto& item : std::filesystem::directory_iterator(folder)) {
        if (!item.is_regular_file()) continue;
        files.push_back(SkinArchiveFile{item.path().filename().string(), ReadWholeFile(item.path())});
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    return files;
}

}  // namespace tips::skin
