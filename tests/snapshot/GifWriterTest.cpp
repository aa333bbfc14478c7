#include "snapshot/GifWriter.h"

#include "tests/snapshot/BitmapTestHelpers.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <gif_lib.h>

namespace lumivane {
namespace {

std::uint32_t rgb(unsigned red, unsigned green, unsigned blue)
{
    return red << 16 | green << 8 | blue;
}

TEST(GifWriter, ChannelLevelsAreValuePlusThreeDividedBy51)
{
    const struct {
        std::uint32_t pixel;
        int index;
    } cases[] = {
        {rgb(24, 25, 26), 0},
        {rgb(47, 0, 0), 0},
        {rgb(48, 0, 0), 36},
        {rgb(0, 48, 0), 6},
        {rgb(0, 0, 48), 1},
        {rgb(251, 251, 251), 4 * 36 + 4 * 6 + 4},
        {rgb(252, 252, 252), 215},
        {rgb(255, 255, 255), 215},
        {0xFF000000, 0},
        {rgb(102, 153, 204), 2 * 36 + 3 * 6 + 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(webPaletteIndex(c.pixel), c.index) << std::hex << c.pixel;
}

TEST(GifWriter, DecodesToTheFixedPaletteWithoutDithering)
{
    const test::TempDir dir;
    std::mt19937 random(5);
    Bitmap32 picture = test::randomBitmap(200, 150, random);
    picture.setPixel(0, 0, rgb(24, 25, 26));
    picture.setPixel(1, 0, rgb(48, 0, 0));
    writeGif(dir.file("t.gif"), picture);

    int error = 0;
    GifFileType* gif = DGifOpenFileName(dir.file("t.gif").c_str(), &error);
    ASSERT_NE(gif, nullptr) << error;
    ASSERT_EQ(DGifSlurp(gif), GIF_OK);
    EXPECT_EQ(gif->SWidth, 200);
    EXPECT_EQ(gif->SHeight, 150);
    ASSERT_EQ(gif->ImageCount, 1);
    const SavedImage& image = gif->SavedImages[0];
    EXPECT_EQ(image.ImageDesc.Width, 200);
    EXPECT_EQ(image.ImageDesc.Height, 150);
    EXPECT_FALSE(image.ImageDesc.Interlace);

    const ColorMapObject* map
        = image.ImageDesc.ColorMap ? image.ImageDesc.ColorMap : gif->SColorMap;
    ASSERT_NE(map, nullptr);
    ASSERT_EQ(map->ColorCount, 256);
    for (int i = 0; i < 256; ++i) {
        const bool used = i < 216;
        EXPECT_EQ(map->Colors[i].Red, used ? i / 36 * 51 : 0) << i;
        EXPECT_EQ(map->Colors[i].Green, used ? i / 6 % 6 * 51 : 0) << i;
        EXPECT_EQ(map->Colors[i].Blue, used ? i % 6 * 51 : 0) << i;
    }

    EXPECT_EQ(image.RasterBits[0], 0);
    EXPECT_EQ(map->Colors[image.RasterBits[1]].Red, 51);
    const std::vector<std::uint8_t> expected = reduceToWebPalette(picture);
    ASSERT_EQ(expected.size(), 200u * 150u);
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), image.RasterBits));
    DGifCloseFile(gif, &error);
}

} // namespace
} // namespace lumivane
