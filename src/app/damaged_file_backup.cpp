#include "app/damaged_file_backup.hpp"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tips::app {
namespace {

std::optional<std::string> ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return bytes;
}

void WriteWhole(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
        out.close();
        std::remove(path.c_str());  // a half-written backup would only mislead
        throw std::runtime_error("Cannot create file " + path);
    }
}

}  // namespace

std::optional<std::string> KeepBackupOf(const std::string& file) {
    const auto original = ReadWhole(file);
    if (!original) {
        if (!std::ifstream(file, std::ios::binary)) return std::nullopt;  // nothing there to lose
        throw std::runtime_error("Cannot open file " + file);
    }
    for (int attempt = 0;; ++attempt) {
        const std::string candidate = file + ".bak" + (attempt == 0 ? "" : "." + std::to_string(attempt));
        const auto existing = ReadWhole(candidate);
        if (existing && *existing == *original) return candidate;
        if (existing) continue;  // an older, different backup: keep it
        WriteWhole(candidate, *original);
        return candidate;
    }
}

}  // namespace tips::app
