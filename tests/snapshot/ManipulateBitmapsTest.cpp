#include "snapshot/ManipulateBitmaps.h"

#include "platform/Error.h"
#include "snapshot/ShrinkPaths.h"
#include "tests/snapshot/BitmapTestHelpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

namespace lumivane {
namespace {

using test::bitmapOf;
using test::pixelsOf;
using test::randomBitmap;

using Shrink = std::function<void(const Bitmap32&, Bitmap32&)>;

// Every invariant holds for the dispatching routine and for the general path
// on its own, which otherwise would not see whole-number ratios.
const struct {
    const char* name;
    Shrink shrink;
} paths[] = {
    {"ShrinkBitmap", ShrinkBitmap},
    {"general path", shrink::shrinkGeneral},
};

struct WorkedExample {
    const char* name;
    int sourceWidth;
    int sourceHeight;
    std::vector<std::uint32_t> source;
    int destinationWidth;
    int destinationHeight;
    std::vector<std::uint32_t> expected;
};

TEST(ShrinkBitmap, WorkedExamples)
{
    const WorkedExample examples[] = {
        {"four to three", 4, 1, {0, 90, 180, 255}, 3, 1, {22, 135, 236}},
        {"0 and 255 give 128", 2, 1, {0, 255}, 1, 1, {128}},
        {"1 and 2 give 2", 2, 1, {1, 2}, 1, 1, {2}},
        {"2 and 3 give 2", 2, 1, {2, 3}, 1, 1, {2}},
        {"ties in green and red too", 1, 2, {0x00030100, 0x00020200}, 1, 1, {0x00020200}},
        {"equal sizes copy", 3, 2, {1, 0x00FF0000, 0x0000FF00, 0x00123456, 0x00FFFFFF, 0}, 3, 2,
            {1, 0x00FF0000, 0x0000FF00, 0x00123456, 0x00FFFFFF, 0}},
        {"2 to 4 duplicates", 2, 1, {10, 0x00C8C8C8}, 4, 1, {10, 10, 0x00C8C8C8, 0x00C8C8C8}},
        {"bits 24-31 ignored and cleared", 2, 1, {0xFF123456, 0x80123456}, 1, 1, {0x00123456}},
        {"bits 24-31 cleared on a copy", 1, 1, {0xFFABCDEF}, 1, 1, {0x00ABCDEF}},
    };
    for (const auto& path : paths) {
        for (const auto& example : examples) {
            SCOPED_TRACE(std::string(path.name) + ": " + example.name);
            const Bitmap32 source
                = bitmapOf(example.sourceWidth, example.sourceHeight, example.source);
            Bitmap32 destination(example.destinationWidth, example.destinationHeight, 0x77777777);
            path.shrink(source, destination);
            EXPECT_EQ(pixelsOf(destination), example.expected);
        }
    }
}

TEST(SourceSpan, FootprintsAndWeights)
{
    const double third = 1.0 / 3.0;
    const struct {
        const char* name;
        int destinationSize, sourceSize, index;
        SourceSpanResult expected;
    } cases[] = {
        {"four to three, pixel 0", 3, 4, 0, {0, 1, 1.0, third}},
        {"four to three, pixel 1", 3, 4, 1, {1, 2, 2 * third, 2 * third}},
        {"four to three, pixel 2 ends on a whole number", 3, 4, 2, {2, 3, third, 1.0}},
        {"800 to 600, column 0", 600, 800, 0, {0, 1, 1.0, third}},
        {"800 to 600, column 3", 600, 800, 3, {4, 5, 1.0, third}},
        {"800 to 200, whole ends", 200, 800, 7, {28, 31, 1.0, 1.0}},
        {"equal sizes", 5, 5, 2, {2, 2, 1.0, 1.0}},
        {"enlarging, inside one pixel", 4, 2, 0, {0, 0, 0.5, 0.5}},
        {"enlarging, ending on a whole number", 4, 2, 1, {0, 0, 0.5, 0.5}},
        {"empty source", 3, 0, 1, {0, -1, 1.0, 1.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SourceSpanResult span = SourceSpan(c.destinationSize, c.sourceSize, c.index);
        EXPECT_EQ(span.first, c.expected.first);
        EXPECT_EQ(span.last, c.expected.last);
        EXPECT_NEAR(span.firstWeight, c.expected.firstWeight, 1e-15);
        EXPECT_NEAR(span.lastWeight, c.expected.lastWeight, 1e-15);
    }
}

TEST(SourceSpan, RefusesIndicesOutsideTheDestination)
{
    const struct {
        int destinationSize, sourceSize, index;
    } cases[] = {{0, 4, 0}, {3, 4, 3}, {3, 4, -1}, {3, -4, 0}, {-3, 4, 0}};
    for (const auto& c : cases)
        EXPECT_THROW(SourceSpan(c.destinationSize, c.sourceSize, c.index), Error)
            << c.destinationSize << " " << c.sourceSize << " " << c.index;
}

TEST(ShrinkBitmap, ConstantPictureStaysConstantAtEverySize)
{
    const int sizes[] = {1, 2, 3, 5, 7, 12, 13, 31};
    for (const auto& path : paths) {
        for (const std::uint32_t colour : {0x00000000u, 0x00FFFFFFu, 0xFF7F0103u, 0x00FE80FDu}) {
            const Bitmap32 source(13, 7, colour);
            for (const int width : sizes) {
                for (const int height : sizes) {
                    Bitmap32 destination(width, height, 0);
                    path.shrink(source, destination);
                    EXPECT_EQ(pixelsOf(destination),
                        std::vector<std::uint32_t>(
                            static_cast<std::size_t>(width * height), colour & 0x00FFFFFFu))
                        << path.name << " " << width << " x " << height;
                }
            }
        }
    }
}

TEST(ShrinkBitmap, BlocksOfFourShrinkToTheirColours)
{
    std::mt19937 random(7);
    const Bitmap32 blocks = randomBitmap(10, 6, random);
    Bitmap32 source(40, 24);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 40; ++x)
            source.setPixel(x, y, blocks.pixel(x / 4, y / 4));
    for (const auto& path : paths) {
        Bitmap32 destination(10, 6, 0);
        path.shrink(source, destination);
        for (int y = 0; y < 6; ++y)
            for (int x = 0; x < 10; ++x)
                ASSERT_EQ(destination.pixel(x, y), blocks.pixel(x, y) & 0x00FFFFFFu)
                    << path.name << " at " << x << ", " << y;
    }
}

Bitmap32 mirrored(const Bitmap32& bitmap, bool horizontally)
{
    Bitmap32 result(bitmap.width(), bitmap.height());
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            result.setPixel(horizontally ? bitmap.width() - 1 - x : x,
                horizontally ? y : bitmap.height() - 1 - y, bitmap.pixel(x, y));
    return result;
}

int largestChannelDifference(const Bitmap32& a, const Bitmap32& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (const int shift : {0, 8, 16, 24})
                largest = std::max(largest,
                    std::abs(static_cast<int>(a.pixel(x, y) >> shift & 0xFF)
                        - static_cast<int>(b.pixel(x, y) >> shift & 0xFF)));
    return largest;
}

// Mirroring reverses the order of the rounded additions, so a mean that lies
// on .5 may round the other way: one level apart, never more. Wrong spans or
// weights give far larger differences on random pictures.
TEST(ShrinkBitmap, MirroredInputGivesMirroredOutput)
{
    const struct {
        int sourceWidth, sourceHeight, width, height;
    } sizes[]
        = {{4, 4, 3, 3}, {80, 60, 60, 45}, {97, 41, 13, 11}, {7, 5, 19, 12}, {33, 64, 10, 64}};
    std::mt19937 random(11);
    for (const auto& size : sizes) {
        const Bitmap32 source = randomBitmap(size.sourceWidth, size.sourceHeight, random);
        Bitmap32 plain(size.width, size.height);
        ShrinkBitmap(source, plain);
        for (const bool horizontally : {true, false}) {
            Bitmap32 flipped(size.width, size.height);
            ShrinkBitmap(mirrored(source, horizontally), flipped);
            EXPECT_LE(largestChannelDifference(mirrored(flipped, horizontally), plain), 1)
                << size.sourceWidth << " x " << size.sourceHeight << " to " << size.width << " x "
                << size.height << (horizontally ? " horizontally" : " vertically");
        }
    }
}

TEST(ShrinkBitmap, EmptyDestinationComputesNothing)
{
    const Bitmap32 empty;
    const Bitmap32 source(4, 4, 0x00102030);
    for (const auto& size : {std::pair {0, 0}, std::pair {0, 5}, std::pair {5, 0}}) {
        Bitmap32 destination(size.first, size.second);
        EXPECT_NO_THROW(ShrinkBitmap(source, destination));
        EXPECT_NO_THROW(ShrinkBitmap(empty, destination));
    }
}

TEST(ShrinkBitmap, SourceWithoutPixelsRaises)
{
    for (const auto& size : {std::pair {0, 0}, std::pair {0, 600}, std::pair {800, 0}}) {
        const Bitmap32 source(size.first, size.second);
        Bitmap32 destination(200, 150, 0x00ABCDEF);
        try {
            ShrinkBitmap(source, destination);
            ADD_FAILURE() << "no error for " << size.first << " x " << size.second;
        } catch (const Error& error) {
            EXPECT_EQ(std::string(error.what()),
                "Invalid floating point operation: cannot scale a bitmap of "
                    + std::to_string(size.first) + " x " + std::to_string(size.second)
                    + " pixels to 200 x 150");
        }
    }
}

} // namespace
} // namespace lumivane
