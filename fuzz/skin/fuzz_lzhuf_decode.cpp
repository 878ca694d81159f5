// Any code stream with any stated size: the decoder must stop (with bytes or an error) without touching
// memory outside its buffers, and never produce more than it was asked for.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/byte_order.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_error.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first four bytes are the stated size, exactly as in a skin file.
    try {
        const auto decoded = tips::skin::DecodeSkinFile(std::span<const std::uint8_t>(data, size));
        if (size < 4) std::abort();
        const std::uint32_t stated = tips::base::LoadLittle<std::uint32_t>(data);
        if (decoded.size() != stated) std::abort();
    } catch (const tips::skin::ESkinFormatError&) {
    }
    return 0;
}
