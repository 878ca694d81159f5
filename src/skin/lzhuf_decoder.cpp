#include "skin/lzhuf_decoder.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <new>

#include "base/byte_reader.hpp"
#include "skin/lzhuf_model.hpp"
#include "skin/skin_error.hpp"
#include "skin/skin_texts.hpp"

namespace tips::skin {

namespace {

using namespace lzhuf;

[[noreturn]] void CodeEnded() {
    throw ESkinFormatError("LZHUF code ends before the decoded size is reached");
}

// Most-significant-first bits of the code in a 64-bit word, refilled eight bytes at a time; past the
// end of the code it is fed zero bytes. The allowance past the end is checked by the caller once per
// symbol (PastAllowance), not per bit: a symbol that ran over throws before anything is returned.
class CodeBits {
public:
    explicit CodeBits(std::span<const std::uint8_t> code)
        : begin_(code.data()), next_(code.data()), end_(code.data() + code.size()),
          limit_((code.size() + kLzhufBytesPastEnd) * 8) {}

    // At least 57 bits in the word afterwards.
    void Refill() {
        if (end_ - next_ >= 8) {
            std::uint64_t chunk;
            std::memcpy(&chunk, next_, 8);
            if constexpr (std::endian::native == std::endian::little) chunk = __builtin_bswap64(chunk);
            const int bytes = (63 - count_) >> 3;
            word_ |= chunk >> count_;
            next_ += bytes;
            count_ += bytes * 8;
            // The bits of the next byte ORed in below the count are its own, so the next refill adds
            // the same bits over them.
            return;
        }
        while (count_ <= 56) {
            const std::uint64_t byte = next_ < end_ ? *next_++ : (++zeros_, 0);
            word_ |= byte << (56 - count_);
            count_ += 8;
        }
    }

    void Ensure(int bits) {
        if (count_ < bits) Refill();
    }

    // The next bit, refilling when the word is empty (a deep code can outrun one refill).
    unsigned Bit() {
        if (count_ == 0) Refill();
        const auto bit = static_cast<unsigned>(word_ >> 63);
        word_ <<= 1;
        --count_;
        return bit;
    }

    // The top `n` bits (n <= count) without taking them.
    unsigned Peek(int n) const { return static_cast<unsigned>(word_ >> (64 - n)); }

    void Skip(int n) {
        word_ <<= n;
        count_ -= n;
    }

    // Whether more bits were taken than the code and its allowance of zero bytes hold.
    bool PastAllowance() const {
        if (next_ < end_) return false;
        const std::size_t fed = (static_cast<std::size_t>(next_ - begin_) + zeros_) * 8;
        return fed - static_cast<std::size_t>(count_) > limit_;
    }

private:
    const std::uint8_t* begin_;
    const std::uint8_t* next_;
    const std::uint8_t* end_;
    std::size_t limit_;
    std::size_t zeros_ = 0;  // zero bytes fed past the end
    std::uint64_t word_ = 0;
    int count_ = 0;
};

// The position code by its first 14 bits: prefix length (3 to 8) plus the six lower bits.
struct PositionEntry {
    std::uint16_t upper;  // upper six bits, already shifted into place
    std::uint8_t length;  // prefix length
};

constexpr std::array<PositionEntry, 256> MakePositionEntries() {
    std::array<PositionEntry, 256> entries{};
    for (int lead = 0; lead < 256; ++lead) {
        entries[lead] = {static_cast<std::uint16_t>(kPositionTables.upper[lead] << 6), kPositionTables.length[lead]};
    }
    return entries;
}

constexpr auto kPositionEntries = MakePositionEntries();

// Distance back from the current output position, minus one.
int DecodePosition(CodeBits& bits) {
    bits.Ensure(14);
    const unsigned first = bits.Peek(14);
    const PositionEntry entry = kPositionEntries[first >> 6];
    const int used = entry.length + 6;
    bits.Skip(used);
    return entry.upper | static_cast<int>((first >> (14 - used)) & 0x3F);
}

// The adaptive tree of lzhuf::HuffmanTree, node for node and count for count, in 16-bit arrays and with
// the bits taken from the local word.
class DecodingTree {
public:
    DecodingTree() {
        for (int symbol = 0; symbol < kSymbolCount; ++symbol) {
            frequency_[symbol] = 1;
            child_[symbol] = static_cast<std::uint16_t>(symbol + kTreeSize);
            parent_[symbol + kTreeSize] = static_cast<std::uint16_t>(symbol);
        }
        for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
            frequency_[j] = static_cast<std::uint16_t>(frequency_[i] + frequency_[i + 1]);
            child_[j] = static_cast<std::uint16_t>(i);
            parent_[i] = parent_[i + 1] = static_cast<std::uint16_t>(j);
        }
        frequency_[kTreeSize] = 0xFFFF;
        parent_[kRoot] = 0;
    }

    int Decode(CodeBits& bits) {
        unsigned node = child_[kRoot];
        while (node < kTreeSize) node = child_[node + bits.Bit()];
        const int symbol = static_cast<int>(node) - kTreeSize;
        Update(symbol);
        return symbol;
    }

private:
    void Update(int symbol) {
        if (frequency_[kRoot] == kMaxFrequency) Rebuild();
        unsigned node = parent_[symbol + kTreeSize];
        do {
            const unsigned count = ++frequency_[node];
            if (count > frequency_[node + 1]) {
                unsigned swapWith = node + 1;
                while (count > frequency_[swapWith + 1]) ++swapWith;
                frequency_[node] = frequency_[swapWith];
                frequency_[swapWith] = static_cast<std::uint16_t>(count);

                const unsigned movedUp = child_[node];
                parent_[movedUp] = static_cast<std::uint16_t>(swapWith);
                if (movedUp < kTreeSize) parent_[movedUp + 1] = static_cast<std::uint16_t>(swapWith);

                const unsigned movedDown = child_[swapWith];
                child_[swapWith] = static_cast<std::uint16_t>(movedUp);
                parent_[movedDown] = static_cast<std::uint16_t>(node);
                if (movedDown < kTreeSize) parent_[movedDown + 1] = static_cast<std::uint16_t>(node);
                child_[node] = static_cast<std::uint16_t>(movedDown);

                node = swapWith;
            }
            node = parent_[node];
        } while (node != 0);
    }

    void Rebuild() {
        int leaf = 0;
        for (int node = 0; node < kTreeSize; ++node) {
            if (child_[node] >= kTreeSize) {
                frequency_[leaf] = static_cast<std::uint16_t>((frequency_[node] + 1) / 2);
                child_[leaf] = child_[node];
                ++leaf;
            }
        }
        for (int i = 0, j = kSymbolCount; j < kTreeSize; i += 2, ++j) {
            const auto sum = static_cast<std::uint16_t>(frequency_[i] + frequency_[i + 1]);
            int at = j - 1;
            while (sum < frequency_[at]) --at;
            ++at;
            std::copy_backward(frequency_.begin() + at, frequency_.begin() + j, frequency_.begin() + j + 1);
            std::copy_backward(child_.begin() + at, child_.begin() + j, child_.begin() + j + 1);
            frequency_[at] = sum;
            child_[at] = static_cast<std::uint16_t>(i);
        }
        for (int node = 0; node < kTreeSize; ++node) {
            const unsigned first = child_[node];
            if (first >= kTreeSize) {
                parent_[first] = static_cast<std::uint16_t>(node);
            } else {
                parent_[first] = parent_[first + 1] = static_cast<std::uint16_t>(node);
            }
        }
    }

    std::array<std::uint16_t, kTreeSize + 1> frequency_{};  // one sentinel past the root
    std::array<std::uint16_t, kTreeSize + kSymbolCount> parent_{};
    std::array<std::uint16_t, kTreeSize> child_{};
};

// The decoder's tables, on the heap as they always were, so their lack is the decoder's own error.
std::unique_ptr<DecodingTree> MakeTree() {
    try {
        return std::make_unique<DecodingTree>();
    } catch (const std::bad_alloc&) {
        throw ELzhError(texts::kLzhNoMemory);
    }
}

// What the ring held before output byte `index` (negative: before the first output byte) was written
// over it: blanks below the start, zeros in the 60 slots from the start on.
std::uint8_t InitialRingByte(std::ptrdiff_t index) { return index >= -kRingStart ? kBlank : 0; }

}  // namespace

std::vector<std::uint8_t> LzhufDecode(std::span<const std::uint8_t> code, std::uint32_t decodedSize) {
    // What the code can possibly yield (a match of 60 costs at least 10 bits), not what it claims; a
    // claim beyond that throws before the buffer is full.
    const std::size_t reachable = (code.size() + kLzhufBytesPastEnd) * 8 / 10 * kMaxMatch + kMaxMatch;
    const std::size_t size = std::min<std::size_t>(decodedSize, reachable);
    std::vector<std::uint8_t> out(size);
    std::uint8_t* const data = out.data();

    // The ring is the output itself: a match's source lies at most 4096 bytes back, and before the
    // first byte it is the ring's initial content.
    const auto tree = MakeTree();
    CodeBits bits(code);
    std::size_t at = 0;
    while (at < size) {
        bits.Ensure(32);
        const int symbol = tree->Decode(bits);
        if (symbol < kFirstMatchSymbol) {
            if (bits.PastAllowance()) CodeEnded();
            data[at++] = static_cast<std::uint8_t>(symbol);
            continue;
        }
        const std::ptrdiff_t from = static_cast<std::ptrdiff_t>(at) - DecodePosition(bits) - 1;
        if (bits.PastAllowance()) CodeEnded();
        const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(MatchLength(symbol)), size - at);
        if (from >= 0) {
            const std::uint8_t* source = data + from;
            std::uint8_t* target = data + at;
            if (static_cast<std::size_t>(target - source) >= length) {
                std::memcpy(target, source, length);
            } else {
                for (std::size_t k = 0; k < length; ++k) target[k] = source[k];  // overlapping: a run
            }
        } else {
            for (std::size_t k = 0; k < length; ++k) {
                const std::ptrdiff_t index = from + static_cast<std::ptrdiff_t>(k);
                data[at + k] = index >= 0 ? data[index] : InitialRingByte(index);
            }
        }
        at += length;
    }
    if (size < decodedSize) CodeEnded();  // cannot be reached: the code ran out first
    return out;
}

std::vector<std::uint8_t> DecodeSkinFile(std::span<const std::uint8_t> file) {
    base::TByteReader reader(file);
    const std::uint32_t decodedSize = reader.U32();
    if (!reader.Ok()) throw ESkinFormatError("skin file shorter than its size field");
    return LzhufDecode(file.subspan(4), decodedSize);
}

}  // namespace tips::skin
