#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "reference_lzhuf_decoder.hpp"
#include "skin/lzhuf_decoder.hpp"
#include "skin/lzhuf_encoder.hpp"
#include "skin/lzhuf_model.hpp"
#include "skin/skin_error.hpp"

namespace {

using namespace tips::skin;
using Bytes = std::vector<std::uint8_t>;

Bytes ToBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Code streams worked out by hand from the method's rules. The starting tree pairs nodes from the
// lowest, so its codes are: 'A' (65) 111001101, 'B' (66) 111001110, 'X' (88) 111100100, match of
// length 3 (symbol 256) 10001100, length 60 (symbol 313) 11000101. Counting a literal only swaps its
// leaf with that of symbol 313 (or 312 after a second literal), so those codes still hold for the next
// symbols. Positions: upper six bits 0 -> prefix 000, 63 -> 11111111; then the lower six bits.
struct FixedVector {
    const char* name;
    Bytes code;
    std::uint32_t size;
    std::string expected;
};

class LzhufFixedVectorTest : public testing::TestWithParam<FixedVector> {};

TEST_P(LzhufFixedVectorTest, DecodesHandMadeCode) {
    const auto& vector = GetParam();
    const Bytes decoded = LzhufDecode(vector.code, vector.size);
    EXPECT_EQ(std::string(decoded.begin(), decoded.end()), vector.expected);
}

INSTANTIATE_TEST_SUITE_P(
    HandMade, LzhufFixedVectorTest,
    testing::Values(
        // 'X', then 3 bytes from distance 1 (position 0): the copy overlaps what it writes.
        FixedVector{"XThenOverlappedCopy", {0xF2, 0x46, 0x00, 0x00}, 4, "XXXX"},
        // Position 1 reaches back past 'X' to the last of the initial blanks.
        FixedVector{"CopyFromTheBlanks", {0xF2, 0x46, 0x00, 0x40}, 4, "X X "},
        FixedVector{"TwoLiteralsThenCopy", {0xE6, 0xF3, 0xA3, 0x00, 0x20}, 5, "ABABA"},
        // Position 4036 (upper 63, lower 4): ring slot 0, a blank.
        FixedVector{"FarthestPositionCode", {0xF2, 0x46, 0x7F, 0x88}, 4, "X   "},
        // A first match of 60 from ring slot 4000: 36 blanks, then the blanks it is writing itself.
        FixedVector{"LongestMatchFirst", {0xC5, 0x11, 0x80}, 60, std::string(60, ' ')},
        // The decoded size cuts a match short.
        FixedVector{"StopsAtDecodedSize", {0xF2, 0x46, 0x00, 0x00}, 2, "XX"},
        FixedVector{"NothingWanted", {0xF2, 0x46}, 0, ""},
        // The trailing zero bytes left off: past the end the code reads as zeros.
        FixedVector{"ZerosPastTheEnd", {0xF2, 0x46}, 4, "XXXX"}),
    [](const testing::TestParamInfo<FixedVector>& param) { return std::string(param.param.name); });

TEST(LzhufEncode, ProducesTheHandMadeCodes) {
    EXPECT_EQ(LzhufEncode(ToBytes("XXXX")), (Bytes{0xF2, 0x46, 0x00, 0x00}));
    EXPECT_EQ(LzhufEncode(ToBytes("X X ")), (Bytes{0xF2, 0x46, 0x00, 0x40}));
    EXPECT_EQ(LzhufEncode(ToBytes("ABABA")), (Bytes{0xE6, 0xF3, 0xA3, 0x00, 0x20}));
    EXPECT_TRUE(LzhufEncode({}).empty());
}

TEST(LzhufPositionTables, HaveTheMethodsShape) {
    using lzhuf::kPositionTables;
    // Upper bits 0 take 32 entries of 3 bits; 1..3 take 16 of 4; 4..11 8 of 5; 12..23 4 of 6;
    // 24..47 2 of 7; 48..63 1 of 8.
    const struct {
        int first, last, upper, length;
    } runs[] = {{0x00, 0x1F, 0, 3}, {0x20, 0x2F, 1, 4}, {0x40, 0x4F, 3, 4}, {0x50, 0x57, 4, 5},
                {0x88, 0x8F, 11, 5}, {0x90, 0x93, 12, 6}, {0xBC, 0xBF, 23, 6}, {0xC0, 0xC1, 24, 7},
                {0xEE, 0xEF, 47, 7}, {0xF0, 0xF0, 48, 8}, {0xFF, 0xFF, 63, 8}};
    for (const auto& run : runs) {
        for (int i = run.first; i <= run.last; ++i) {
            EXPECT_EQ(kPositionTables.upper[i], run.upper) << i;
            EXPECT_EQ(kPositionTables.length[i], run.length) << i;
        }
        EXPECT_EQ(kPositionTables.prefix[run.upper] >> (8 - run.length), run.first >> (8 - run.length));
        EXPECT_EQ(kPositionTables.prefixLength[run.upper], run.length);
    }
}

TEST(LzhufDecode, TruncatedCodeWithLargeStatedSizeFails) {
    // A few bytes cannot stand for 4 GB: the decoder gives up a few zero bytes past the end.
    EXPECT_THROW(LzhufDecode(Bytes{0xF2, 0x46}, 0xFFFFFFFFu), ESkinFormatError);
    EXPECT_THROW(LzhufDecode({}, 1000000), ESkinFormatError);
}

TEST(DecodeSkinFile, ReadsTheSizeThenTheCode) {
    EXPECT_EQ(DecodeSkinFile(Bytes{4, 0, 0, 0, 0xF2, 0x46, 0x00, 0x00}), ToBytes("XXXX"));
    EXPECT_EQ(DecodeSkinFile(Bytes{0, 0, 0, 0}), Bytes{});
    EXPECT_THROW(DecodeSkinFile(Bytes{4, 0, 0}), ESkinFormatError);
    EXPECT_EQ(EncodeSkinFile(ToBytes("XXXX")), (Bytes{4, 0, 0, 0, 0xF2, 0x46, 0x00, 0x00}));
}

Bytes RandomBytes(std::size_t size, std::uint32_t seed, int alphabet = 256) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, alphabet - 1);
    Bytes data(size);
    for (auto& b : data) b = static_cast<std::uint8_t>(byte(random));
    return data;
}

Bytes Text(std::size_t size) {
    static const std::string_view words[] = {"Private ", "Sub ", "Form_Load()", "\r\n", "    Dim ", "As ",
                                             "String", " = ", "\"Hola\"", "End Sub", "' comentario ", "If "};
    std::mt19937 random(7);
    Bytes data;
    while (data.size() < size) {
        const auto word = words[random() % std::size(words)];
        data.insert(data.end(), word.begin(), word.end());
    }
    data.resize(size);
    return data;
}

struct RoundTripCase {
    const char* name;
    Bytes data;
};

class LzhufRoundTripTest : public testing::TestWithParam<RoundTripCase> {};

TEST_P(LzhufRoundTripTest, DecodesWhatItEncodes) {
    const Bytes& data = GetParam().data;
    const Bytes code = LzhufEncode(data);
    EXPECT_EQ(LzhufDecode(code, static_cast<std::uint32_t>(data.size())), data);
    EXPECT_EQ(DecodeSkinFile(EncodeSkinFile(data)), data);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Varied, LzhufRoundTripTest,
    testing::Values(
        RoundTripCase{"Empty", {}}, RoundTripCase{"OneByte", {0x41}}, RoundTripCase{"OneBlank", {0x20}},
        RoundTripCase{"ThreeBytes", {0, 255, 0}}, RoundTripCase{"Blanks", Bytes(5000, 0x20)},
        RoundTripCase{"ZeroRun", Bytes(100000, 0)}, RoundTripCase{"Random", RandomBytes(20000, 1)},
        RoundTripCase{"SmallAlphabet", RandomBytes(50000, 2, 3)}, RoundTripCase{"Text", Text(30000)},
        // Longer than the ring, with repeats farther apart than the ring can reach.
        RoundTripCase{"RepeatsBeyondTheRing", Concat({RandomBytes(5000, 3), RandomBytes(5000, 3), RandomBytes(5000, 3)})},
        // Enough counted symbols to rebuild the tree many times.
        RoundTripCase{"Mixed", Concat({Text(70000), RandomBytes(70000, 4), Bytes(70000, 0xFF), RandomBytes(70000, 5, 16)})}),
    [](const testing::TestParamInfo<RoundTripCase>& param) { return std::string(param.param.name); });

TEST(LzhufEncode, CompressesRedundantData) {
    EXPECT_LT(LzhufEncode(Bytes(100000, 0)).size(), 100000u / 40);
    EXPECT_LT(LzhufEncode(Text(100000)).size(), 100000u / 3);
}

TEST(LzhufDecode, ShortStatedSizeCutsAnyRoundTrip) {
    const Bytes data = Text(10000);
    const Bytes code = LzhufEncode(data);
    for (std::uint32_t size : {0u, 1u, 59u, 4095u, 9999u}) {
        EXPECT_EQ(LzhufDecode(code, size), Bytes(data.begin(), data.begin() + size)) << size;
    }
}

// The decoder against the plain bit-at-a-time one it replaced: the same bytes for every code, or the
// same error. Codes of real data, the same codes cut short or with a byte flipped, and plain noise.
std::optional<Bytes> DecodedOrNothing(const std::function<Bytes()>& decode) {
    try {
        return decode();
    } catch (const ESkinFormatError&) {
        return std::nullopt;
    }
}

void ExpectSameAsReference(const Bytes& code, std::uint32_t size, const std::string& what) {
    const auto fast = DecodedOrNothing([&] { return LzhufDecode(code, size); });
    const auto reference = DecodedOrNothing([&] { return tips::testing::ReferenceLzhufDecode(code, size); });
    ASSERT_EQ(fast.has_value(), reference.has_value()) << what;
    if (fast) {
        EXPECT_TRUE(*fast == *reference) << what;
    }
}

TEST(LzhufDecode, MatchesThePlainDecoderOnEveryCode) {
    const Bytes data = Concat({Text(9000), RandomBytes(3000, 8), Bytes(5000, 0x20), RandomBytes(6000, 9, 4)});
    const Bytes code = LzhufEncode(data);
    const auto size = static_cast<std::uint32_t>(data.size());
    ExpectSameAsReference(code, size, "whole");
    ExpectSameAsReference(code, size + 1000, "stated too long");
    for (std::size_t keep : {std::size_t{0}, std::size_t{1}, code.size() / 2, code.size() - 3, code.size() - 1}) {
        ExpectSameAsReference(Bytes(code.begin(), code.begin() + static_cast<std::ptrdiff_t>(keep)), size,
                              "cut to " + std::to_string(keep));
    }
    std::mt19937 random(11);
    for (int flip = 0; flip < 40; ++flip) {
        Bytes damaged = code;
        damaged[random() % damaged.size()] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        ExpectSameAsReference(damaged, size, "flip " + std::to_string(flip));
    }
    for (std::uint32_t seed = 20; seed < 60; ++seed) {
        const Bytes noise = RandomBytes(1 + seed * 7, seed);
        ExpectSameAsReference(noise, static_cast<std::uint32_t>(seed * 97), "noise " + std::to_string(seed));
    }
}

}  // namespace
