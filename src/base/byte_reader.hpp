#pragma once
// Little-endian reads from a byte span with a sticky failure flag: a read past the end yields 0 (or
// nothing), consumes nothing and marks the reader failed, and every later read fails too, so a parser
// checks `Ok()` once after a group of reads.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/byte_order.hpp"

namespace tips::base {

class TByteReader {
public:
    explicit TByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    // The same bytes seen as characters.
    explicit TByteReader(std::string_view chars)
        : bytes_(reinterpret_cast<const std::uint8_t*>(chars.data()), chars.size()) {}

    std::uint8_t U8() { return Read<std::uint8_t>(); }
    std::uint16_t U16() { return Read<std::uint16_t>(); }
    std::int16_t I16() { return Read<std::int16_t>(); }
    std::uint32_t U32() { return Read<std::uint32_t>(); }
    std::int32_t I32() { return Read<std::int32_t>(); }
    std::uint64_t U64() { return Read<std::uint64_t>(); }
    double F64() { return Read<double>(); }

    // The next `count` bytes, or an empty span (and failure) when fewer remain.
    std::span<const std::uint8_t> Bytes(std::size_t count) {
        if (!Has(count)) return {};
        const auto taken = bytes_.subspan(position_, count);
        position_ += count;
        return taken;
    }
    std::string_view Chars(std::size_t count) {
        const auto taken = Bytes(count);
        return {reinterpret_cast<const char*>(taken.data()), taken.size()};
    }
    void Skip(std::uint64_t count) {
        if (Has(count)) position_ += static_cast<std::size_t>(count);
    }
    // Marks the reader failed, for a value read whole that the format does not allow (a negative length).
    void Fail() { ok_ = false; }
    // Back to the first byte with the failure forgotten, for a header that may be missing.
    void Rewind() {
        position_ = 0;
        ok_ = true;
    }

    bool Ok() const { return ok_; }
    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    bool Has(std::uint64_t count) {
        if (ok_ && count <= Remaining()) return true;
        ok_ = false;
        return false;
    }
    template <typename T>
    T Read() {
        if (!Has(sizeof(T))) return T{};
        const T value = LoadLittle<T>(bytes_.data() + position_);
        position_ += sizeof(T);
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

}  // namespace tips::base
