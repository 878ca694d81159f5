#include "app/leftover_temporaries.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tips::app {
namespace fs = std::filesystem;

bool IsLeftoverTemporaryName(const std::string& name, const std::string& fileName) {
    const std::string prefix = fileName + ".~";
    const std::string suffix = ".tmp";
    if (fileName.empty() || name.size() <= prefix.size() + suffix.size()) return false;
    if (name.compare(0, prefix.size(), prefix) != 0) return false;
    if (name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) return false;
    const auto first = name.begin() + static_cast<std::ptrdiff_t>(prefix.size());
    const auto last = name.end() - static_cast<std::ptrdiff_t>(suffix.size());
    return std::all_of(first, last, [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

int RemoveLeftoverTemporaries(const std::string& file) {
    const fs::path target(file);
    const fs::path directory = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string fileName = target.filename().string();
    int removed = 0;
    std::error_code error;
    fs::directory_iterator entries(directory, error);
    if (error) return 0;
    for (const fs::directory_entry& entry : entries) {
        if (!IsLeftoverTemporaryName(entry.path().filename().string(), fileName)) continue;
        std::error_code entryError;
        if (!entry.is_regular_file(entryError) || entryError) continue;
        if (fs::remove(entry.path(), entryError) && !entryError) ++removed;
    }
    return removed;
}

}  // namespace tips::app
