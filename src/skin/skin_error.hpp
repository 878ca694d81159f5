#pragma once
// Errors raised while reading a skin: its compressed stream, its archive, its bitmaps.

#include <stdexcept>
#include <string>

namespace tips::skin {

// Bytes that do not form what they claim to be (truncated, sizes past the end, bad header).
class ESkinFormatError : public std::runtime_error {
public:
    explicit ESkinFormatError(const std::string& message) : std::runtime_error(message) {}
};

// An archive whose version is not the one this program reads; carries the user-facing message.
class ESkinVersionError : public ESkinFormatError {
public:
    explicit ESkinVersionError(const std::string& message) : ESkinFormatError(message) {}
};

// The decoder's own failures (its tables could not be had).
class ELzhError : public std::runtime_error {
public:
    explicit ELzhError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace tips::skin
