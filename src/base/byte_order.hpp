#pragma once
// Little-endian loads and stores, whatever the host's byte order: the tips file, the table's record
// blocks and the skin's formats all keep their numbers least significant byte first.

#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace tips::base {

template <std::integral T>
constexpr T LoadLittle(const std::uint8_t* at) {
    using U = std::make_unsigned_t<T>;
    U bits = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) bits = static_cast<U>(bits | static_cast<U>(U{at[i]} << (8 * i)));
    return static_cast<T>(bits);
}

template <std::floating_point T>
T LoadLittle(const std::uint8_t* at) {
    static_assert(sizeof(T) == 8, "doubles only");
    return std::bit_cast<T>(LoadLittle<std::uint64_t>(at));
}

template <std::integral T>
constexpr void StoreLittle(std::uint8_t* at, T value) {
    const auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

template <std::floating_point T>
void StoreLittle(std::uint8_t* at, T value) {
    static_assert(sizeof(T) == 8, "doubles only");
    StoreLittle(at, std::bit_cast<std::uint64_t>(value));
}

// Appends a value's bytes to a byte container (std::string or std::vector<std::uint8_t>).
template <typename T, typename Bytes>
void AppendLittle(Bytes& out, T value) {
    std::uint8_t bytes[sizeof(T)];
    StoreLittle(bytes, value);
    for (const std::uint8_t byte : bytes) out.push_back(static_cast<typename Bytes::value_type>(byte));
}

}  // namespace tips::base
