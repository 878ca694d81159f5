#pragma once

#include <string>
#include <string_view>

namespace tips::app {

// The directory part of a Windows path: everything before the last separator, without that separator
// unless it ends a drive root ("C:\") or is the path's first character ("\").
std::string ExtractFileDir(std::string_view path);

// Where the tips file lives: the executable's directory followed by "\trucos.dat". In a drive root the
// separator appears twice ("C:\\trucos.dat"), which Windows reads as the same file.
std::string TipsFilePath(std::string_view executablePath);

}  // namespace tips::app
