#include "base/byte_order.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "base/byte_reader.hpp"

namespace tips::base {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(ByteOrder, LoadsTheLowByteFirst) {
    const std::array<std::uint8_t, 8> bytes{0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x88};
    EXPECT_EQ(LoadLittle<std::uint16_t>(bytes.data()), 0x0201);
    EXPECT_EQ(LoadLittle<std::uint32_t>(bytes.data()), 0x04030201u);
    EXPECT_EQ(LoadLittle<std::uint64_t>(bytes.data()), 0x8807060504030201ull);
    // The top bit of the last byte is the sign.
    EXPECT_EQ(LoadLittle<std::int64_t>(bytes.data()), static_cast<std::int64_t>(0x8807060504030201ull));
    EXPECT_LT(LoadLittle<std::int64_t>(bytes.data()), 0);
    EXPECT_EQ(LoadLittle<std::int16_t>(bytes.data() + 6), static_cast<std::int16_t>(0x8807));
}

struct SignedCase {
    std::int32_t value;
    std::array<std::uint8_t, 4> bytes;
};

class ByteOrderSigned : public testing::TestWithParam<SignedCase> {};

TEST_P(ByteOrderSigned, StoresAndLoadsBack) {
    std::array<std::uint8_t, 4> stored{};
    StoreLittle(stored.data(), GetParam().value);
    EXPECT_EQ(stored, GetParam().bytes);
    EXPECT_EQ(LoadLittle<std::int32_t>(GetParam().bytes.data()), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Int32, ByteOrderSigned,
                         testing::Values(SignedCase{0, {0, 0, 0, 0}}, SignedCase{1, {1, 0, 0, 0}},
                                         SignedCase{-1, {0xFF, 0xFF, 0xFF, 0xFF}}, SignedCase{-2, {0xFE, 0xFF, 0xFF, 0xFF}},
                                         SignedCase{0x12345678, {0x78, 0x56, 0x34, 0x12}},
                                         SignedCase{std::numeric_limits<std::int32_t>::min(), {0, 0, 0, 0x80}},
                                         SignedCase{std::numeric_limits<std::int32_t>::max(), {0xFF, 0xFF, 0xFF, 0x7F}}));

TEST(ByteOrder, DoublesTravelAsTheirEightBytes) {
    // 1.8, the tips file's version, is 0x3FFCCCCCCCCCCCCD.
    const std::array<std::uint8_t, 8> bytes{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFC, 0x3F};
    EXPECT_EQ(LoadLittle<double>(bytes.data()), 1.8);
    std::array<std::uint8_t, 8> stored{};
    StoreLittle(stored.data(), 1.8);
    EXPECT_EQ(stored, bytes);
    StoreLittle(stored.data(), -0.0);
    EXPECT_EQ(stored, (std::array<std::uint8_t, 8>{0, 0, 0, 0, 0, 0, 0, 0x80}));
}

TEST(ByteOrder, AppendsToStringsAndByteVectors) {
    std::string text = "V";
    AppendLittle<std::uint16_t>(text, 0x4D42);
    AppendLittle<std::int32_t>(text, -3);
    EXPECT_EQ(text, std::string("VBM\xFD\xFF\xFF\xFF", 7));
    Bytes bytes;
    AppendLittle<std::uint32_t>(bytes, 0xCAFEF00D);
    AppendLittle<std::uint8_t>(bytes, 0x7F);
    EXPECT_EQ(bytes, (Bytes{0x0D, 0xF0, 0xFE, 0xCA, 0x7F}));
}

TEST(ByteReader, ReadsValuesInOrder) {
    const Bytes bytes{0x2A, 0x34, 0x12, 0xFE, 0xFF, 0xFF, 0xFF, 'a', 'b', 0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFC, 0x3F};
    TByteReader in(bytes);
    EXPECT_EQ(in.U8(), 0x2A);
    EXPECT_EQ(in.U16(), 0x1234);
    EXPECT_EQ(in.I32(), -2);
    EXPECT_EQ(in.Chars(2), "ab");
    EXPECT_EQ(in.F64(), 1.8);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.Position(), bytes.size());
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ByteReader, AReadPastTheEndFailsForGood) {
    const Bytes bytes{1, 2, 3};
    TByteReader in(bytes);
    EXPECT_EQ(in.U16(), 0x0201);
    // One byte left: a 32-bit read yields 0, takes nothing, and the reader stays failed.
    EXPECT_EQ(in.U32(), 0u);
    EXPECT_FALSE(in.Ok());
    EXPECT_EQ(in.Position(), 2u);
    // Even a read that would fit now fails.
    EXPECT_EQ(in.U8(), 0);
    EXPECT_TRUE(in.Bytes(1).empty());
    EXPECT_FALSE(in.Ok());
    EXPECT_EQ(in.Remaining(), 1u);
}

TEST(ByteReader, EachKindOfReadSetsTheFlag) {
    const Bytes one{7};
    const auto failsAfter = [&](auto read) {
        TByteReader in(one);
        read(in);
        return !in.Ok();
    };
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.U16(); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.I16(); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.I32(); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.U64(); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.F64(); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.Chars(2); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.Skip(2); }));
    // A count too large for memory is refused, not wrapped around.
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.Skip(std::numeric_limits<std::uint64_t>::max()); }));
    EXPECT_TRUE(failsAfter([](TByteReader& in) { in.Fail(); }));
    // Exactly what is there is no failure.
    EXPECT_FALSE(failsAfter([](TByteReader& in) { in.U8(); }));
    EXPECT_FALSE(failsAfter([](TByteReader& in) { in.Skip(1); }));
    EXPECT_FALSE(failsAfter([](TByteReader& in) { in.Chars(0); }));
}

TEST(ByteReader, EmptyInputFailsTheFirstRead) {
    TByteReader in(std::string_view{});
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.I32(), 0);
    EXPECT_FALSE(in.Ok());
}

TEST(ByteReader, RewindStartsOverWithTheFailureForgotten) {
    const std::string text = "Vex";
    TByteReader in(text);
    EXPECT_EQ(in.Chars(4), "");
    EXPECT_FALSE(in.Ok());
    in.Rewind();
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.Chars(3), "Vex");
}

}  // namespace
}  // namespace tips::base
