#include "skin/skin_stream.hpp"

#include <limits>
#include <stdexcept>
#include <string>

#include "base/byte_reader.hpp"
#include "skin/skin_error.hpp"

namespace tips::skin {

SkinStreamView ReadSkinStream(std::span<const std::uint8_t> bytes) {
    base::TByteReader reader(bytes);
    const std::uint32_t length = reader.U32();
    if (!reader.Ok()) throw ESkinFormatError("skin stream: length field truncated");
    const auto skinFile = reader.Bytes(length);
    if (!reader.Ok()) throw ESkinFormatError("skin stream: " + std::to_string(length) + " bytes announced, " +
                                             std::to_string(bytes.size() - 4) + " present");
    return SkinStreamView{skinFile, reader.Position()};
}

std::vector<std::uint8_t> WriteSkinStream(std::span<const std::uint8_t> skinFile) {
    if (skinFile.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("skin file larger than 4 GB");
    std::vector<std::uint8_t> out;
    out.reserve(4 + skinFile.size());
    base::AppendLittle<std::uint32_t>(out, static_cast<std::uint32_t>(skinFile.size()));
    out.insert(out.end(), skinFile.begin(), skinFile.end());
    return out;
}

}  // namespace tips::skin
