#include "store/file_io.hpp"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "store/database_error.hpp"
#include "store/store_texts.hpp"

namespace tips::store {
namespace fs = std::filesystem;

std::ifstream OpenForReading(const std::string& path) {
    std::error_code error;
    if (fs::is_directory(fs::path(path), error)) throw EFOpenError(FormatMessage(texts::kCannotOpenFile, path));
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) throw EFOpenError(FormatMessage(texts::kCannotOpenFile, path));
    return in;
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in = OpenForReading(path);
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    in.seekg(0, std::ios::beg);
    std::string bytes;
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (in.gcount() != static_cast<std::streamsize>(bytes.size())) throw EReadError("Stream read error");
    }
    return bytes;
}

namespace {

[[noreturn]] void CannotCreate(const std::string& path) {
    throw EFCreateError(FormatMessage(texts::kCannotCreateFile, path));
}

// A name beside the target that no other file uses.
fs::path TemporaryPathFor(const fs::path& target) {
    const auto directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const auto stem = target.filename().string();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        auto candidate = directory / (stem + ".~" + std::to_string(attempt) + ".tmp");
        std::error_code error;
        if (!fs::exists(candidate, error) && !error) return candidate;
    }
    return {};
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
    ReplaceFileContents(path, [bytes](const TByteSink& sink) { sink(bytes); });
}

void ReplaceFileContents(const std::string& path, const std::function<void(const TByteSink& sink)>& write) {
    const fs::path target(path);
    std::error_code error;
    const auto status = fs::status(target, error);
    if (fs::exists(status)) {
        // A read-only file refuses the save, as writing it in place would.
        if (fs::is_directory(status) || (status.permissions() & fs::perms::owner_write) == fs::perms::none) {
            CannotCreate(path);
        }
    }
    const auto temporary = TemporaryPathFor(target);
    if (temporary.empty()) CannotCreate(path);

    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) CannotCreate(path);
    try {
        write([&out](std::string_view piece) {
            // After a failed write the stream refuses the rest; the check below reports it.
            if (out) out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        });
    } catch (...) {
        out.close();
        fs::remove(temporary, error);
        throw;
    }
    out.flush();
    out.close();
    if (!out) {
        fs::remove(temporary, error);
        throw EWriteError(texts::kStreamWriteError);
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        CannotCreate(path);
    }
}

}  // namespace tips::store
