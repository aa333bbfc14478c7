#include "snapshot/ShrinkPaths.h"

#include "tests/snapshot/BitmapTestHelpers.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

using test::pixelsOf;
using test::randomBitmap;

void expectSameBytes(const Bitmap32& source, int width, int height)
{
    Bitmap32 general(width, height, 0x11111111);
    Bitmap32 fast(width, height, 0x22222222);
    ASSERT_TRUE(shrink::hasWholeRatio(source, general));
    shrink::shrinkGeneral(source, general);
    shrink::shrinkWholeRatio(source, fast);
    ASSERT_EQ(pixelsOf(fast), pixelsOf(general))
        << source.width() << " x " << source.height() << " to " << width << " x " << height;
}

TEST(ShrinkPaths, WholeRatioPathMatchesTheGeneralPathOnTheDefaultSizes)
{
    std::mt19937 random(1);
    const struct {
        int sourceWidth, sourceHeight, width, height;
    } sizes[] = {{800, 600, 200, 150}, {1280, 1024, 160, 128}, {800, 600, 800, 600}};
    for (const auto& size : sizes)
        for (const unsigned levels : {256u, 2u})
            expectSameBytes(randomBitmap(size.sourceWidth, size.sourceHeight, random, levels),
                size.width, size.height);
}

// Few channel levels make means that fall exactly on .5 common, where the
// rounding of the two paths would part first.
TEST(ShrinkPaths, WholeRatioPathMatchesTheGeneralPathOnRandomSizesAndPictures)
{
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> ratio(1, 9);
    std::uniform_int_distribution<int> size(1, 24);
    std::uniform_int_distribution<int> levelChoice(0, 3);
    const unsigned levels[] = {256, 2, 3, 4};
    for (int round = 0; round < 400; ++round) {
        const int width = size(random);
        const int height = size(random);
        const int ratioX = ratio(random);
        const int ratioY = ratio(random);
        expectSameBytes(
            randomBitmap(width * ratioX, height * ratioY, random, levels[levelChoice(random)]),
            width, height);
    }
}

TEST(ShrinkPaths, WholeRatioNeedsBothSidesToDivide)
{
    const Bitmap32 source(800, 600);
    const struct {
        int width, height;
        bool whole;
    } cases[] = {{200, 150, true}, {800, 600, true}, {1, 1, true}, {600, 450, false},
        {200, 149, false}, {300, 150, false}, {1600, 1200, false}};
    for (const auto& c : cases)
        EXPECT_EQ(shrink::hasWholeRatio(source, Bitmap32(c.width, c.height)), c.whole)
            << c.width << " x " << c.height;
}

} // namespace
} // namespace lumivane
