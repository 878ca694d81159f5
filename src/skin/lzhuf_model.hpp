#pragma once
// The parts of LZHUF that the decoder and the encoder share: the constants, the two 256-entry tables
// that code the upper six bits of a match position, and the adaptive Huffman tree over the 314 symbols
// (256 literal bytes, then match lengths 3 to 60).

#include <array>
#include <cstdint>

namespace tips::skin::lzhuf {

inline constexpr int kRingSize = 4096;                           // ring buffer (dictionary) size
inline constexpr int kRingMask = kRingSize - 1;
inline constexpr int kMaxMatch = 60;                             // look-ahead: longest match
inline constexpr int kThreshold = 2;                             // matches must be longer than this
inline constexpr int kSymbolCount = 256 - kThreshold + kMaxMatch;  // 314
inline constexpr int kTreeSize = kSymbolCount * 2 - 1;           // 627 nodes
inline constexpr int kRoot = kTreeSize - 1;
inline constexpr int kMaxFrequency = 0x8000;                     // root frequency that triggers a rebuild
inline constexpr int kRingStart = kRingSize - kMaxMatch;         // 4036: blanks before it, first byte at it
inline constexpr std::uint8_t kBlank = 0x20;

inline constexpr int kFirstMatchSymbol = 256;
inline constexpr int MatchSymbol(int length) { return length - kThreshold - 1 + kFirstMatchSymbol; }
inline constexpr int MatchLength(int symbol) { return symbol - kFirstMatchSymbol + kThreshold + 1; }

// Position coding: the upper six bits (0..63) get a prefix code of 3 to 8 bits, shorter for near
// positions; the lower six bits follow verbatim. `upper`/`length` are indexed by the next 8 code bits
// (the decoder's view); `prefix`/`prefixLength` by the upper six bits (the encoder's view, `prefix`
// left-aligned in a byte).
struct PositionTables {
    std::array<std::uint8_t, 256> upper{};
    std::array<std::uint8_t, 256> length{};
    std::array<std::uint8_t, 64> prefix{};
    std::array<std::uint8_t, 64> prefixLength{};
};

constexpr PositionTables MakePositionTables() {
    struct Group {
        int values;      // how many upper-bit values share this code length
        int codeLength;  // bits of the prefix
    };
    constexpr Group groups[] = {{1, 3}, {3, 4}, {8, 5}, {12, 6}, {24, 7}, {16, 8}};
    PositionTables tables;
    int index = 0;
    int upper = 0;
    for (const Group& group : groups) {
        for (int value = 0; value < group.values; ++value, ++upper) {
            tables.prefix[upper] = static_cast<std::uint8_t>(index);
            tables.prefixLength[upper] = static_cast<std::uint8_t>(group.codeLength);
            for (int entry = 0; entry < (1 << (8 - group.codeLength)); ++entry, ++index) {
                tables.upper[index] = static_cast<std::uint8_t>(upper);
                tables.length[index] = static_cast<std::uint8_t>(group.codeLength);
            }
        }
    }
    return tables;
}

inline constexpr PositionTables kPositionTables = MakePositionTables();

// The adaptive Huffman tree. Nodes are kept in order of non-decreasing frequency; each internal node
// names the first of its two children (`child`, the second is child + 1), leaves point past the tree
// (kTreeSize + symbol). Taking child + 1 is a 1 bit.
class HuffmanTree {
public:
    HuffmanTree();

    // Decodes one symbol, pulling bits from `nextBit()` (0 or 1), and counts it.
    template <typename NextBit>
    int Decode(NextBit&& nextBit) {
        int node = child_[kRoot];
        while (node < kTreeSize) node = child_[node + nextBit()];
        const int symbol = node - kTreeSize;
        Update(symbol);
        return symbol;
    }

    // The code of `symbol`, root first, as bits[0 .. length); then counts it.
    struct Code {
        std::array<std::uint8_t, kTreeSize> bits{};
        int length = 0;
    };
    void Encode(int symbol, Code& code);

private:
    void Update(int symbol);
    void Rebuild();

    std::array<std::uint16_t, kTreeSize + 1> frequency_{};  // one sentinel past the root
    std::array<int, kTreeSize + kSymbolCount> parent_{};    // of nodes, then of leaves (kTreeSize + symbol)
    std::array<int, kTreeSize> child_{};
};

}  // namespace tips::skin::lzhuf
