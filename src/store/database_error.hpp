#pragma once
// Exceptions of the tips store. Messages are Windows-1252 text, ready for the error box.

#include <stdexcept>
#include <string>
#include <string_view>

namespace tips::store {

// Errors of the table and its fields.
class EDatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Errors of reading and writing files and streams.
class EStreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
class EFOpenError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EFCreateError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
public:
    using EStreamError::EStreamError;
};
class EReadError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// Replaces the first %s of a message pattern by `argument`.
inline std::string FormatMessage(std::string_view pattern, std::string_view argument) {
    std::string text(pattern);
    if (const auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

}  // namespace tips::store
