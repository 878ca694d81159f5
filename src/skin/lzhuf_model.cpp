#include "skin/lzhuf_model.hpp"

#include <algorithm>

namespace tips::skin::lzhuf {

static_assert(kSymbolCount == 314 && kTreeSize == 627 && kRingStart == 4036);
static_assert(kPositionTables.upper[0x1F] == 0 && kPositionTables.upper[0x20] == 1 && kPositionTables.upper[0xFF] == 63);
static_assert(kPositionTables.length[0x00] == 3 && kPositionTables.length[0x50] == 5 && kPositionTables.length[0xFF] == 8);

HuffmanTree::HuffmanTree() {
    for (int symbol = 0; symbol < kSymbolCount; ++symbol) {
        frequency_[symbol] = 1;
        child_[symbol] = symbol + kTreeSize;
        parent_[symbol + kTreeSize] = symbol;
    }
    // Pair up nodes from the lowest: node j gets children i and i + 1.
    for (int i = 0, j = kSymbolCount; j <= kRoot; i += 2, ++j) {
        frequency_[j] = static_cast<std::uint16_t>(frequency_[i] + frequency_[i + 1]);
        child_[j] = i;
        parent_[i] = parent_[i + 1] = j;
    }
    frequency_[kTreeSize] = 0xFFFF;  // stops the search for a node to swap with
    parent_[kRoot] = 0;
}

void HuffmanTree::Rebuild() {
    // Gather the leaves at the front with halved frequencies (rounded up, so none drops to 0).
    int leaf = 0;
    for (int node = 0; node < kTreeSize; ++node) {
        if (child_[node] >= kTreeSize) {
            frequency_[leaf] = static_cast<std::uint16_t>((frequency_[node] + 1) / 2);
            child_[leaf] = child_[node];
            ++leaf;
        }
    }
    // Join the two lowest free nodes and insert the sum where the order stays non-decreasing.
    for (int i = 0, j = kSymbolCount; j < kTreeSize; i += 2, ++j) {
        const std::uint16_t sum = static_cast<std::uint16_t>(frequency_[i] + frequency_[i + 1]);
        int at = j - 1;
        while (sum < frequency_[at]) --at;
        ++at;
        std::copy_backward(frequency_.begin() + at, frequency_.begin() + j, frequency_.begin() + j + 1);
        std::copy_backward(child_.begin() + at, child_.begin() + j, child_.begin() + j + 1);
        frequency_[at] = sum;
        child_[at] = i;
    }
    for (int node = 0; node < kTreeSize; ++node) {
        const int first = child_[node];
        if (first >= kTreeSize) {
            parent_[first] = node;
        } else {
            parent_[first] = parent_[first + 1] = node;
        }
    }
}

void HuffmanTree::Update(int symbol) {
    if (frequency_[kRoot] == kMaxFrequency) Rebuild();
    int node = parent_[symbol + kTreeSize];
    do {
        const int count = ++frequency_[node];
        // When the node now outweighs its right neighbour, swap it with the last node of lower frequency.
        if (count > frequency_[node + 1]) {
            int swapWith = node + 1;
            while (count > frequency_[swapWith + 1]) ++swapWith;
            frequency_[node] = frequency_[swapWith];
            frequency_[swapWith] = static_cast<std::uint16_t>(count);

            const int movedUp = child_[node];
            parent_[movedUp] = swapWith;
            if (movedUp < kTreeSize) parent_[movedUp + 1] = swapWith;

            const int movedDown = child_[swapWith];
            child_[swapWith] = movedUp;
            parent_[movedDown] = node;
            if (movedDown < kTreeSize) parent_[movedDown + 1] = node;
            child_[node] = movedDown;

            node = swapWith;
        }
        node = parent_[node];
    } while (node != 0);
}

void HuffmanTree::Encode(int symbol, Code& code) {
    // Walk from the leaf up; an odd node is the second child, a 1 bit.
    int length = 0;
    for (int node = parent_[symbol + kTreeSize]; node != kRoot; node = parent_[node]) {
        code.bits[length++] = static_cast<std::uint8_t>(node & 1);
    }
    std::reverse(code.bits.begin(), code.bits.begin() + length);
    code.length = length;
    Update(symbol);
}

}  // namespace tips::skin::lzhuf
