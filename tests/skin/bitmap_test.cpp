#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "base/byte_order.hpp"
#include "skin/bitmap.hpp"
#include "skin/frame_strip.hpp"
#include "skin/skin_error.hpp"

namespace {

using tips::base::AppendLittle;
using tips::skin::CutFrame;
using tips::skin::ESkinFormatError;
using tips::skin::FrameLayout;
using tips::skin::FrameOf;
using tips::skin::FrameRect;
using tips::skin::Image;
using tips::skin::MirrorLeftRight;
using tips::skin::ReadBitmap;
using tips::skin::Rgb;
using tips::skin::WriteBitmap;
using Bytes = std::vector<std::uint8_t>;

// A hand-made bitmap file: 14-byte file header, info header of `infoSize` bytes, then `pixels` as given.
Bytes MakeBitmap(std::int32_t width, std::int32_t height, const Bytes& pixels, std::uint16_t bits = 24,
                 std::uint32_t compression = 0, std::uint32_t infoSize = 40, std::uint32_t gap = 0) {
    Bytes file;
    AppendLittle<std::uint16_t>(file, 0x4D42);
    AppendLittle<std::uint32_t>(file, 0);  // many writers leave the size wrong; it must not matter
    AppendLittle<std::uint32_t>(file, 0);
    AppendLittle<std::uint32_t>(file, 14 + infoSize + gap);
    AppendLittle<std::uint32_t>(file, infoSize);
    if (infoSize == 12) {
        AppendLittle<std::uint16_t>(file, static_cast<std::uint16_t>(width));
        AppendLittle<std::uint16_t>(file, static_cast<std::uint16_t>(height));
        AppendLittle<std::uint16_t>(file, 1);
        AppendLittle<std::uint16_t>(file, bits);
    } else {
        AppendLittle<std::uint32_t>(file, static_cast<std::uint32_t>(width));
        AppendLittle<std::uint32_t>(file, static_cast<std::uint32_t>(height));
        AppendLittle<std::uint16_t>(file, 1);
        AppendLittle<std::uint16_t>(file, bits);
        AppendLittle<std::uint32_t>(file, compression);
        file.resize(14 + infoSize, 0);
    }
    file.resize(file.size() + gap, 0xEE);
    file.insert(file.end(), pixels.begin(), pixels.end());
    return file;
}

// Two rows of 2 pixels (6 bytes + 2 padding each), stored blue, green, red.
const Bytes kTwoByTwo = {
    0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0,  // first stored row
    0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0, 0,  // second stored row
};

TEST(ReadBitmap, BottomUpRowsArePaddedToFourBytes) {
    const Image image = ReadBitmap(MakeBitmap(2, 2, kTwoByTwo));
    ASSERT_EQ(image.Width(), 2);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.At(0, 1), (Rgb{0x03, 0x02, 0x01}));  // first stored row is the bottom one
    EXPECT_EQ(image.At(1, 1), (Rgb{0x06, 0x05, 0x04}));
    EXPECT_EQ(image.At(0, 0), (Rgb{0x13, 0x12, 0x11}));
    EXPECT_EQ(image.At(1, 0), (Rgb{0x16, 0x15, 0x14}));
}

TEST(ReadBitmap, NegativeHeightMeansTopDown) {
    const Image image = ReadBitmap(MakeBitmap(2, -2, kTwoByTwo));
    EXPECT_EQ(image.At(0, 0), (Rgb{0x03, 0x02, 0x01}));
    EXPECT_EQ(image.At(1, 1), (Rgb{0x16, 0x15, 0x14}));
}

TEST(ReadBitmap, HonoursPixelOffsetCoreHeaderAndLaterHeaders) {
    const Image plain = ReadBitmap(MakeBitmap(2, 2, kTwoByTwo));
    EXPECT_EQ(ReadBitmap(MakeBitmap(2, 2, kTwoByTwo, 24, 0, 40, 8)), plain);  // colour table before the pixels
    EXPECT_EQ(ReadBitmap(MakeBitmap(2, 2, kTwoByTwo, 24, 0, 12)), plain);
    EXPECT_EQ(ReadBitmap(MakeBitmap(2, 2, kTwoByTwo, 24, 0, 124)), plain);
}

TEST(ReadBitmap, LastRowMayLackItsPadding) {
    Bytes pixels = kTwoByTwo;
    pixels.resize(pixels.size() - 2);
    EXPECT_EQ(ReadBitmap(MakeBitmap(2, 2, pixels)), ReadBitmap(MakeBitmap(2, 2, kTwoByTwo)));
    pixels.pop_back();
    EXPECT_THROW(ReadBitmap(MakeBitmap(2, 2, pixels)), ESkinFormatError);
}

TEST(ReadBitmap, RejectsMalformedFiles) {
    const Bytes good = MakeBitmap(2, 2, kTwoByTwo);
    std::vector<Bytes> bad = {
        {},
        {'B'},
        Bytes(good.begin(), good.begin() + 30),                      // header cut short
        MakeBitmap(2, 2, kTwoByTwo, 8),                             // palette image
        MakeBitmap(2, 2, kTwoByTwo, 32),
        MakeBitmap(2, 2, kTwoByTwo, 24, 1),                         // compressed
        MakeBitmap(2, 2, kTwoByTwo, 24, 0, 20),                     // unknown header size
        MakeBitmap(0, 2, kTwoByTwo),
        MakeBitmap(2, 0, kTwoByTwo),
        MakeBitmap(-2, 2, kTwoByTwo),
        MakeBitmap(2, INT32_MIN, kTwoByTwo),
        MakeBitmap(0x7FFFFFFF, 0x7FFFFFFF, kTwoByTwo),              // sizes far past the data
        MakeBitmap(0x40000000, 1, kTwoByTwo),                        // width * 3 overflows 32 bits
    };
    Bytes wrongMagic = good;
    wrongMagic[1] = 'A';
    bad.push_back(wrongMagic);
    Bytes offsetPastEnd = good;
    offsetPastEnd[10] = 0xFF;
    offsetPastEnd[11] = 0xFF;
    bad.push_back(offsetPastEnd);
    Bytes offsetInsideHeader = good;
    offsetInsideHeader[10] = 20;
    bad.push_back(offsetInsideHeader);
    for (std::size_t i = 0; i < bad.size(); ++i) {
        EXPECT_THROW(ReadBitmap(bad[i]), ESkinFormatError) << "case " << i;
    }
}

TEST(WriteBitmap, RoundTripsOddWidths) {
    for (int width : {1, 2, 3, 4, 5, 7}) {
        Image image(width, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                image.Set(x, y, Rgb{static_cast<std::uint8_t>(x * 40), static_cast<std::uint8_t>(y * 70), 200});
            }
        }
        const Bytes file = WriteBitmap(image);
        EXPECT_EQ(file.size(), 54u + 3u * ((width * 3u + 3u) / 4u * 4u)) << width;
        EXPECT_EQ(ReadBitmap(file), image) << width;
    }
}

TEST(MirrorLeftRight, SwapsColumns) {
    Image image(3, 1);
    image.Set(0, 0, Rgb{1, 0, 0});
    image.Set(2, 0, Rgb{3, 0, 0});
    const Image mirrored = MirrorLeftRight(image);
    EXPECT_EQ(mirrored.At(0, 0), (Rgb{3, 0, 0}));
    EXPECT_EQ(mirrored.At(1, 0), (Rgb{0, 0, 0}));
    EXPECT_EQ(mirrored.At(2, 0), (Rgb{1, 0, 0}));
    EXPECT_EQ(MirrorLeftRight(mirrored), image);
}

struct FrameCase {
    int width, height, count, index;
    FrameLayout layout;
    FrameRect expected;
};

class FrameOfTest : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameOfTest, CutsEqualFrames) {
    const auto& c = GetParam();
    EXPECT_EQ(FrameOf(c.width, c.height, c.count, c.index, c.layout), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Strips, FrameOfTest,
    testing::Values(
        // Title-bar buttons: 108 × 20 in 6 frames of 18.
        FrameCase{108, 20, 6, 0, FrameLayout::SideBySide, {0, 0, 18, 20}},
        FrameCase{108, 20, 6, 5, FrameLayout::SideBySide, {90, 0, 18, 20}},
        // A width that does not divide: frames are width div k, the remainder is never drawn.
        FrameCase{230, 46, 5, 4, FrameLayout::SideBySide, {184, 0, 46, 46}},
        FrameCase{190, 52, 2, 1, FrameLayout::SideBySide, {95, 0, 95, 52}},
        FrameCase{7, 3, 2, 1, FrameLayout::SideBySide, {3, 0, 3, 3}},
        FrameCase{6, 142, 2, 1, FrameLayout::Stacked, {0, 71, 6, 71}},
        FrameCase{6, 143, 2, 1, FrameLayout::Stacked, {0, 71, 6, 71}},
        FrameCase{10, 4, 0, 0, FrameLayout::SideBySide, {0, 0, 10, 4}},  // no count: the whole image
        FrameCase{10, 4, 1, 1, FrameLayout::SideBySide, {}},              // index past the last frame
        FrameCase{10, 4, 2, -1, FrameLayout::SideBySide, {}},
        FrameCase{0, 0, 2, 0, FrameLayout::SideBySide, {}}));

TEST(CutFrame, TakesTheFramesPixels) {
    Image strip(6, 2);
    for (int x = 0; x < 6; ++x) strip.Set(x, 1, Rgb{static_cast<std::uint8_t>(x), 0, 0});
    const Image frame = CutFrame(strip, 3, 2);
    ASSERT_EQ(frame.Width(), 2);
    ASSERT_EQ(frame.Height(), 2);
    EXPECT_EQ(frame.At(0, 1), (Rgb{4, 0, 0}));
    EXPECT_EQ(frame.At(1, 1), (Rgb{5, 0, 0}));
    EXPECT_TRUE(CutFrame(strip, 3, 3).Empty());
}

}  // namespace
