#include "app/tips_file_keeper.hpp"

#include <fstream>

#include "app/app_texts.hpp"
#include "app/damaged_file_backup.hpp"
#include "app/leftover_temporaries.hpp"
#include "store/memory_table.hpp"

namespace tips::app {
namespace {

// An existing file with at least one byte: something a failed load could have left unread. A file of
// zero bytes holds nothing to lose.
bool HoldsBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return in && in.peek() != std::ifstream::traits_type::eof();
}

}  // namespace

void TTipsFileKeeper::Load(store::TMemoryTable& table, const std::string& path) {
    // A save killed midway left its temporary file; the file itself is still the last complete one.
    RemoveLeftoverTemporaries(path);
    bool complete = false;
    try {
        complete = table.LoadFromFile(path).complete;
    } catch (...) {
        // Missing, locked or damaged: start-up carries on with what the table holds.
    }
    if (!complete && HoldsBytes(path)) {
        damagedFile_ = path;
        // Kept at once, so the user can be told where; a copy that cannot be made now is tried again
        // before the first save.
        try {
            backup_ = KeepBackupOf(path);
        } catch (...) {
        }
    }
}

std::optional<std::string> TTipsFileKeeper::DamagedFileNotice() const {
    if (!damagedFile_) return std::nullopt;
    std::string text = kSomeTipsUnreadPrefix + *damagedFile_ + ".";
    text += backup_ ? kOriginalKeptPrefix + *backup_ + "." : std::string(kNoBackupNoSave);
    return text;
}

namespace {

std::string WithoutFullStop(std::string text) {
    while (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}

}  // namespace

ETipsNotSaved::ETipsNotSaved(const std::string& path, const std::string& reason)
    : std::runtime_error(kTipsNotSavedPrefix + path + " (" + WithoutFullStop(reason) + ").") {}

void TTipsFileKeeper::Save(const store::TMemoryTable& table, const std::string& path) {
    try {
        if (damagedFile_ == path && !backup_) backup_ = KeepBackupOf(path);
        table.SaveToFile(path);
    } catch (const std::exception& error) {
        // A bare stream error says neither what was lost nor where.
        throw ETipsNotSaved(path, error.what());
    }
}

}  // namespace tips::app
