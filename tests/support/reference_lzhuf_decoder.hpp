#pragma once
// The plain LZHUF decoder the fast one in skin/lzhuf_decoder.cpp replaced: a bit at a time through a
// bounds-checked reader, the shared adaptive tree, a ring buffer beside the output. Kept as the yardstick
// for tests (same bytes, same errors) and for the bench (how much faster).

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "skin/lzhuf_decoder.hpp"
#include "skin/lzhuf_model.hpp"
#include "skin/skin_error.hpp"

namespace tips::testing {

namespace reference_lzhuf {

using namespace skin::lzhuf;

class CodeBits {
public:
    explicit CodeBits(std::span<const std::uint8_t> code) : code_(code) {}

    int Bit() {
        const std::size_t byte = position_ >> 3;
        if (byte >= code_.size()) {
            if (byte - code_.size() >= skin::kLzhufBytesPastEnd) {
                throw skin::ESkinFormatError("LZHUF code ends before the decoded size is reached");
            }
            ++position_;
            return 0;
        }
        const int bit = (code_[byte] >> (7 - (position_ & 7))) & 1;
        ++position_;
        return bit;
    }

    int Bits(int count) {
        int value = 0;
        for (int i = 0; i < count; ++i) value = (value << 1) | Bit();
        return value;
    }

private:
    std::span<const std::uint8_t> code_;
    std::size_t position_ = 0;
};

inline int DecodePosition(CodeBits& bits) {
    const int lead = bits.Bits(8);
    const int upper = kPositionTables.upper[lead];
    const int extra = kPositionTables.length[lead] - 2;
    const int lower = ((lead << extra) | bits.Bits(extra)) & 0x3F;
    return (upper << 6) | lower;
}

struct DecoderState {
    HuffmanTree tree;
    std::array<std::uint8_t, kRingSize> ring{};
};

}  // namespace reference_lzhuf

inline std::vector<std::uint8_t> ReferenceLzhufDecode(std::span<const std::uint8_t> code, std::uint32_t decodedSize) {
    using namespace reference_lzhuf;
    std::vector<std::uint8_t> out;
    const std::size_t reachable = (code.size() + skin::kLzhufBytesPastEnd) * 8 / 10 * kMaxMatch + kMaxMatch;
    out.reserve(std::min<std::size_t>(decodedSize, reachable));

    const auto state = std::make_unique<DecoderState>();
    auto& ring = state->ring;
    std::fill(ring.begin(), ring.begin() + kRingStart, kBlank);
    int r = kRingStart;

    CodeBits bits(code);
    while (out.size() < decodedSize) {
        const int symbol = state->tree.Decode([&bits] { return bits.Bit(); });
        if (symbol < kFirstMatchSymbol) {
            const auto byte = static_cast<std::uint8_t>(symbol);
            out.push_back(byte);
            ring[r] = byte;
            r = (r + 1) & kRingMask;
            continue;
        }
        const int from = (r - DecodePosition(bits) - 1) & kRingMask;
        const int length = MatchLength(symbol);
        for (int k = 0; k < length && out.size() < decodedSize; ++k) {
            const std::uint8_t byte = ring[(from + k) & kRingMask];
            out.push_back(byte);
            ring[r] = byte;
            r = (r + 1) & kRingMask;
        }
    }
    return out;
}

}  // namespace tips::testing
