#include "skin/lzhuf_encoder.hpp"

#include <algorithm>
#include <array>
#include <limits>
#include <memory>
#include <stdexcept>

#include "base/byte_order.hpp"
#include "skin/lzhuf_model.hpp"

namespace tips::skin {

namespace {

using namespace lzhuf;

class CodeWriter {
public:
    explicit CodeWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void Bit(int bit) {
        pending_ = static_cast<std::uint8_t>((pending_ << 1) | bit);
        if (++pendingBits_ == 8) {
            out_.push_back(pending_);
            pending_ = 0;
            pendingBits_ = 0;
        }
    }
    void Bits(int value, int count) {
        for (int i = count - 1; i >= 0; --i) Bit((value >> i) & 1);
    }
    void Flush() {
        while (pendingBits_ != 0) Bit(0);
    }

private:
    std::vector<std::uint8_t>& out_;
    std::uint8_t pending_ = 0;
    int pendingBits_ = 0;
};

// Finds the longest earlier string that matches the look-ahead, among the strings starting at each
// position of the ring buffer, kept in one binary search tree per first byte.
class MatchFinder {
public:
    static constexpr int kNone = kRingSize;

    MatchFinder() {
        std::fill(right_.begin() + kRingSize + 1, right_.end(), kNone);
        std::fill(up_.begin(), up_.end(), kNone);
    }

    // The ring with kMaxMatch - 1 extra bytes mirroring its start, so comparisons need no wrapping.
    std::array<std::uint8_t, kRingSize + kMaxMatch - 1> text{};

    int matchLength = 0;
    int matchPosition = 0;  // distance back minus one, as coded

    void Insert(int r) {
        const std::uint8_t* key = &text[r];
        int p = kRingSize + 1 + key[0];
        int comparison = 1;
        left_[r] = right_[r] = kNone;
        matchLength = 0;
        for (;;) {
            auto& next = comparison >= 0 ? right_[p] : left_[p];
            if (next == kNone) {
                next = r;
                up_[r] = p;
                return;
            }
            p = next;
            int i = 1;
            for (; i < kMaxMatch; ++i) {
                comparison = key[i] - text[p + i];
                if (comparison != 0) break;
            }
            if (i > kThreshold) {
                const int distance = ((r - p) & kRingMask) - 1;
                if (i > matchLength) {
                    matchPosition = distance;
                    matchLength = i;
                    if (matchLength >= kMaxMatch) break;
                } else if (i == matchLength && distance < matchPosition) {
                    matchPosition = distance;
                }
            }
        }
        // A full-length match: r takes p's place in the tree (p's string is older and no longer needed).
        up_[r] = up_[p];
        left_[r] = left_[p];
        right_[r] = right_[p];
        up_[left_[p]] = r;
        up_[right_[p]] = r;
        ReplaceChild(p, r);
        up_[p] = kNone;
    }

    void Remove(int p) {
        if (up_[p] == kNone) return;
        int q;
        if (right_[p] == kNone) {
            q = left_[p];
        } else if (left_[p] == kNone) {
            q = right_[p];
        } else {
            q = left_[p];
            if (right_[q] != kNone) {
                do q = right_[q];
                while (right_[q] != kNone);
                right_[up_[q]] = left_[q];
                up_[left_[q]] = up_[q];
                left_[q] = left_[p];
                up_[left_[p]] = q;
            }
            right_[q] = right_[p];
            up_[right_[p]] = q;
        }
        up_[q] = up_[p];
        ReplaceChild(p, q);
        up_[p] = kNone;
    }

private:
    void ReplaceChild(int oldChild, int newChild) {
        const int parent = up_[oldChild];
        if (right_[parent] == oldChild) {
            right_[parent] = newChild;
        } else {
            left_[parent] = newChild;
        }
    }

    // Nodes 0..4095 are ring positions, kNone (4096) is the shared "no node" slot (its links are
    // scratch), and 4097..4352 are the tree roots, one per first byte, whose strings hang right.
    std::array<int, kRingSize + 1> left_{};
    std::array<int, kRingSize + 257> right_{};
    std::array<int, kRingSize + 1> up_{};
};

}  // namespace

std::vector<std::uint8_t> LzhufEncode(std::span<const std::uint8_t> data) {
    std::vector<std::uint8_t> out;
    if (data.empty()) return out;
    out.reserve(data.size() / 2 + 16);
    CodeWriter writer(out);
    const auto tree = std::make_unique<HuffmanTree>();
    const auto finder = std::make_unique<MatchFinder>();
    auto& text = finder->text;
    HuffmanTree::Code code;
    auto emit = [&](int symbol) {
        tree->Encode(symbol, code);
        for (int i = 0; i < code.length; ++i) writer.Bit(code.bits[i]);
    };

    std::size_t next = 0;  // next input byte to bring into the look-ahead
    int s = 0;
    int r = kRingStart;
    std::fill(text.begin(), text.begin() + r, kBlank);
    int length = 0;
    for (; length < kMaxMatch && next < data.size(); ++length) text[r + length] = data[next++];
    // The blank strings just before the first byte are matchable too.
    for (int i = 1; i <= kMaxMatch; ++i) finder->Insert(r - i);
    finder->Insert(r);

    do {
        finder->matchLength = std::min(finder->matchLength, length);
        int advance;
        if (finder->matchLength <= kThreshold) {
            advance = 1;
            emit(text[r]);
        } else {
            advance = finder->matchLength;
            emit(MatchSymbol(advance));
            const int position = finder->matchPosition;
            const int upper = position >> 6;
            writer.Bits(kPositionTables.prefix[upper] >> (8 - kPositionTables.prefixLength[upper]),
                        kPositionTables.prefixLength[upper]);
            writer.Bits(position & 0x3F, 6);
        }
        int i = 0;
        for (; i < advance && next < data.size(); ++i) {
            finder->Remove(s);
            const std::uint8_t byte = data[next++];
            text[s] = byte;
            if (s < kMaxMatch - 1) text[s + kRingSize] = byte;
            s = (s + 1) & kRingMask;
            r = (r + 1) & kRingMask;
            finder->Insert(r);
        }
        for (; i < advance; ++i) {  // the input is used up: let the look-ahead drain
            finder->Remove(s);
            s = (s + 1) & kRingMask;
            r = (r + 1) & kRingMask;
            if (--length != 0) finder->Insert(r);
        }
    } while (length > 0);
    writer.Flush();
    return out;
}

std::vector<std::uint8_t> EncodeSkinFile(std::span<const std::uint8_t> data) {
    if (data.size() > std::numeric_limits<std::uint32_t>::max()) throw std::length_error("skin larger than 4 GB");
    std::vector<std::uint8_t> file;
    base::AppendLittle<std::uint32_t>(file, static_cast<std::uint32_t>(data.size()));
    const auto code = LzhufEncode(data);
    file.insert(file.end(), code.begin(), code.end());
    return file;
}

}  // namespace tips::skin
