#pragma once
// Clearing what an interrupted save left behind: the save writes "<file>.~<n>.tmp" beside the file and
// renames it over the file only when complete, so a process killed midway leaves that temporary file.

#include <string>

namespace tips::app {

// Whether `name` (a bare file name) is one of the temporary names a save of `fileName` uses.
bool IsLeftoverTemporaryName(const std::string& name, const std::string& fileName);

// Removes the regular files of that naming beside `file`; anything else in the folder stays. Returns how
// many went. Never throws: a leftover that cannot be removed stays for a later start.
int RemoveLeftoverTemporaries(const std::string& file);

}  // namespace tips::app
