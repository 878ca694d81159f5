#pragma once
// Whole-file reading and safe whole-file replacement.

#include <fstream>
#include <functional>
#include <string>
#include <string_view>

namespace tips::store {

// The file's bytes. Raises EFOpenError "Cannot open file <path>" when it cannot be opened, EReadError when
// reading fails.
std::string ReadWholeFile(const std::string& path);

// The file opened for reading, with the same errors as ReadWholeFile gives for one it cannot open.
std::ifstream OpenForReading(const std::string& path);

// Writes `bytes` to a temporary file in the target's directory and moves it over the target only after a
// complete write, so a failure leaves the old file as it was. Raises EFCreateError "Cannot create file
// <path>" when the file cannot be created or replaced (read-only file or directory, locked file) and
// EWriteError "Stream write error" when the bytes cannot be written.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// The same for content handed over in pieces: `write` is called once with a sink that takes them in order.
using TByteSink = std::function<void(std::string_view piece)>;
void ReplaceFileContents(const std::string& path, const std::function<void(const TByteSink& sink)>& write);

}  // namespace tips::store
