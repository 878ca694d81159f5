// Any code stream with any stated size: the decoder must stop (with bytes or an error) without touching
// memory outside its buffers, never produce more than it was asked for, and agree byte for byte (or in
// failing) with the plain bit-at-a-time decoder it replaced.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include "base/byte_order.hpp"
#include "reference_lzhuf_decoder.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/skin_error.hpp"

namespace {

// The reference is slow on huge stated sizes; keep each input to what it decodes in a moment.
constexpr std::uint32_t kLargestCompared = 1u << 20;

template <typename Decode>
std::optional<std::vector<std::uint8_t>> DecodedOrNothing(Decode decode) {
    try {
        return decode();
    } catch (const tips::skin::ESkinFormatError&) {
        return std::nullopt;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first four bytes are the stated size, exactly as in a skin file.
    const std::span<const std::uint8_t> input(data, size);
    const auto decoded = DecodedOrNothing([&] { return tips::skin::DecodeSkinFile(input); });
    if (size < 4) {
        if (decoded) std::abort();
        return 0;
    }
    const std::uint32_t stated = tips::base::LoadLittle<std::uint32_t>(data);
    if (decoded && decoded->size() != stated) std::abort();
    if (stated <= kLargestCompared) {
        const auto reference =
            DecodedOrNothing([&] { return tips::testing::ReferenceLzhufDecode(input.subspan(4), stated); });
        if (decoded.has_value() != reference.has_value()) std::abort();
        if (decoded && *decoded != *reference) std::abort();
    }
    return 0;
}
