#pragma once
// Reads the tips file into the table at start and writes it back at exit, as the main window does:
// reading never throws, writing does. A file that existed but could not be read completely is copied
// aside when it is read (or at the latest before it is first overwritten), so records the program could
// not read are never lost.

#include <optional>
#include <stdexcept>
#include <string>

namespace tips::store {
class TMemoryTable;
}

namespace tips::app {

// A save that did not complete: says that the tips were not saved, names the file and gives the reason.
class ETipsNotSaved : public std::runtime_error {
public:
    ETipsNotSaved(const std::string& path, const std::string& reason);
};

class TTipsFileKeeper {
public:
    // Removes what an interrupted save left beside `path`, then loads the file; every error is swallowed
    // (the table keeps what could be read).
    void Load(store::TMemoryTable& table, const std::string& path);

    // Saves the table to `path`. Before the first save over a damaged file its bytes are kept beside it;
    // when that copy cannot be made, the file is left as it is. A failure is thrown as ETipsNotSaved.
    void Save(const store::TMemoryTable& table, const std::string& path);

    // The path of the file that did not load completely, if any.
    const std::optional<std::string>& DamagedFile() const { return damagedFile_; }
    // Where the damaged file's bytes were kept (at load, or before the first save when that failed).
    const std::optional<std::string>& Backup() const { return backup_; }
    // What the user is told once after a load that could not read the whole file: that tips could not
    // be read and where the original bytes are kept (or that the file will not be overwritten).
    std::optional<std::string> DamagedFileNotice() const;

private:
    std::optional<std::string> damagedFile_;
    std::optional<std::string> backup_;
};

}  // namespace tips::app
