#pragma once
// Little-endian reads from a byte span with a sticky failure flag: a read past the end yields 0 and
// marks the reader failed, so a parser checks `Ok()` once after a group of reads.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tips::skin {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint16_t U16() { return static_cast<std::uint16_t>(Unsigned(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Unsigned(4)); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }

    // The next `count` bytes, or an empty span (and failure) when fewer remain.
    std::span<const std::uint8_t> Bytes(std::size_t count) {
        if (!Has(count)) return {};
        const auto taken = bytes_.subspan(position_, count);
        position_ += count;
        return taken;
    }
    void Skip(std::size_t count) { Bytes(count); }

    bool Ok() const { return ok_; }
    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    bool Has(std::size_t count) {
        if (ok_ && count <= Remaining()) return true;
        ok_ = false;
        return false;
    }
    std::uint64_t Unsigned(std::size_t width) {
        if (!Has(width)) return 0;
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) value |= std::uint64_t{bytes_[position_ + i]} << (8 * i);
        position_ += width;
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

// Appends little-endian values to a byte vector.
inline void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
inline void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace tips::skin
