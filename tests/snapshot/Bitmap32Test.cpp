#include "snapshot/Bitmap32.h"

#include "platform/Error.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

TEST(Bitmap32, FillsEveryPixelAndGivesRowsWithoutPadding)
{
    const Bitmap32 white(3, 2);
    EXPECT_EQ(white.width(), 3);
    EXPECT_EQ(white.height(), 2);
    EXPECT_FALSE(white.empty());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(white.pixel(x, y), 0x00FFFFFFu);

    Bitmap32 picture(3, 2, 0x00123456);
    picture.setPixel(2, 0, 0x00ABCDEF);
    EXPECT_EQ(picture.scanLine(1) - picture.scanLine(0), 3);
    EXPECT_EQ(picture.scanLine(0)[2], 0x00ABCDEFu);
    EXPECT_EQ(picture.pixel(0, 1), 0x00123456u);
}

TEST(Bitmap32, ZeroSizesAreEmpty)
{
    EXPECT_TRUE(Bitmap32().empty());
    EXPECT_TRUE(Bitmap32(0, 5).empty());
    EXPECT_TRUE(Bitmap32(5, 0).empty());
}

TEST(Bitmap32, RefusesNegativeAndHugeSizesWithAClearMessage)
{
    const struct {
        int width;
        int height;
        const char* message;
    } cases[] = {
        {-1, 5, "Cannot create a bitmap of -1 x 5 pixels: a size is negative"},
        {5, -1, "Cannot create a bitmap of 5 x -1 pixels: a size is negative"},
        {100000, 100000, "Cannot create a bitmap of 100000 x 100000 pixels: too large for memory"},
        {2147483647, 2147483647,
            "Cannot create a bitmap of 2147483647 x 2147483647 pixels: too large for memory"},
    };
    for (const auto& c : cases) {
        try {
            Bitmap32 bitmap(c.width, c.height);
            ADD_FAILURE() << c.width << " x " << c.height << " was accepted";
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

} // namespace
} // namespace lumivane
