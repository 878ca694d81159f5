#pragma once
// What the picture generators share: writing a file, and the bytes of bitmap files as C++ arrays in a
// generated source.

#include <cstdint>
#include <string>
#include <vector>

namespace tips::assets {

using Bytes = std::vector<std::uint8_t>;

// Throws std::runtime_error when the file cannot be written.
void WriteFile(const std::string& path, const Bytes& bytes);
void WriteFile(const std::string& path, const std::string& text);

// Appends "const std::uint8_t NAME[] = {...};" with the bytes, sixteen a line.
void AppendByteArray(std::string& source, const std::string& name, const Bytes& bytes);

// One picture embedded: a generated source that includes `header` and defines, in `nameSpace`,
// `std::span<const std::uint8_t> FUNCTION()` over the bytes. `generator` and `folder` name where it
// came from in its first line.
struct TEmbeddedPicture {
    std::string generator;
    std::string folder;
    std::string header;
    std::string nameSpace;
    std::string function;
};
std::string EmbeddedPictureSource(const TEmbeddedPicture& picture, const Bytes& bytes);

// The main of a generator of one picture: "--bitmap FILE" writes the bitmap file to look at,
// "--embed SOURCE" the generated source. Returns the exit code.
int RunPictureGenerator(int argc, char** argv, const TEmbeddedPicture& picture, Bytes (*paint)());

}  // namespace tips::assets
