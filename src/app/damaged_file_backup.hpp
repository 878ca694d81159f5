#pragma once
// Keeping a copy of a tips file before it is overwritten, when the program could not read all of it.

#include <optional>
#include <string>

namespace tips::app {

// Copies the file's bytes to "<file>.bak" beside it, unless an identical backup is already there. A
// different older backup is kept: the copy then goes to the first of "<file>.bak.1", "<file>.bak.2", ...
// that is free or already identical. Returns the backup's path, or nothing when the file does not exist.
// Throws std::runtime_error ("Cannot create file <path>") when the copy cannot be written completely.
std::optional<std::string> KeepBackupOf(const std::string& file);

}  // namespace tips::app
