#include "skin/lzhuf_decoder.hpp"

#include <algorithm>
#include <array>
#include <memory>
#include <new>

#include "base/byte_reader.hpp"
#include "skin/lzhuf_model.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_texts.hpp"

namespace tips::skin {

namespace {

using namespace lzhuf;

// Most-significant-first bits of the code, zeros past its end (within the allowance).
class CodeBits {
public:
    explicit CodeBits(std::span<const std::uint8_t> code) : code_(code) {}

    int Bit() {
        const std::size_t byte = position_ >> 3;
        if (byte >= code_.size()) {
            if (byte - code_.size() >= kLzhufBytesPastEnd) {
                throw ESkinFormatError("LZHUF code ends before the decoded size is reached");
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

// Distance back from the current ring position, minus one.
int DecodePosition(CodeBits& bits) {
    const int lead = bits.Bits(8);
    const int upper = kPositionTables.upper[lead];
    const int extra = kPositionTables.length[lead] - 2;  // the lower six bits not yet read with `lead`
    const int lower = ((lead << extra) | bits.Bits(extra)) & 0x3F;
    return (upper << 6) | lower;
}

struct DecoderState {
    HuffmanTree tree;
    std::array<std::uint8_t, kRingSize> ring{};
};

std::unique_ptr<DecoderState> MakeState() {
    try {
        return std::make_unique<DecoderState>();
    } catch (const std::bad_alloc&) {
        throw ELzhError(texts::kLzhNoMemory);
    }
}

}  // namespace

std::vector<std::uint8_t> LzhufDecode(std::span<const std::uint8_t> code, std::uint32_t decodedSize) {
    std::vector<std::uint8_t> out;
    // Reserve what the code can possibly yield (a match of 60 costs at least 10 bits), not what it claims.
    const std::size_t reachable = (code.size() + kLzhufBytesPastEnd) * 8 / 10 * kMaxMatch + kMaxMatch;
    out.reserve(std::min<std::size_t>(decodedSize, reachable));

    const auto state = MakeState();
    auto& ring = state->ring;
    std::fill(ring.begin(), ring.begin() + kRingStart, kBlank);  // the rest stays 0 until written
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

std::vector<std::uint8_t> DecodeSkinFile(std::span<const std::uint8_t> file) {
    base::TByteReader reader(file);
    const std::uint32_t decodedSize = reader.U32();
    if (!reader.Ok()) throw ESkinFormatError("skin file shorter than its size field");
    return LzhufDecode(file.subspan(4), decodedSize);
}

}  // namespace tips::skin
