#include "snapshot/BmpWriter.h"

#include "tests/snapshot/BitmapTestHelpers.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace lumivane {
namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string result;
    for (const int value : values)
        result.push_back(static_cast<char>(value));
    return result;
}

TEST(BmpWriter, ThreeByTwoGivesHeadersAndBottomRowFirst)
{
    const test::TempDir dir;
    const Bitmap32 picture = test::bitmapOf(
        3, 2, {0x00010203, 0x00040506, 0xFF070809, 0x000A0B0C, 0x000D0E0F, 0x00101112});
    writeBmp(dir.file("t.bmp"), picture);

    const std::string expected = bytes({
                                     'B', 'M', 78, 0, 0, 0, // file size
                                     0, 0, 0, 0, // reserved
                                     54, 0, 0, 0, // offset of the pixels
                                     40, 0, 0, 0, // information header size
                                     3, 0, 0, 0, 2, 0, 0, 0, // width, positive height
                                     1, 0, 32, 0, // planes, bits per pixel
                                     0, 0, 0, 0, // uncompressed
                                     24, 0, 0, 0, // image size
                                     0, 0, 0, 0, 0, 0, 0, 0, // resolution
                                     0, 0, 0, 0, 0, 0, 0, 0, // no colour table
                                 })
        + bytes({0x0C, 0x0B, 0x0A, 0, 0x0F, 0x0E, 0x0D, 0, 0x12, 0x11, 0x10, 0})
        + bytes({0x03, 0x02, 0x01, 0, 0x06, 0x05, 0x04, 0, 0x09, 0x08, 0x07, 0});
    EXPECT_EQ(test::readFile(dir.file("t.bmp")), expected);
}

TEST(BmpWriter, EmptyBitmapGivesHeadersOnly)
{
    const test::TempDir dir;
    writeBmp(dir.file("e.bmp"), Bitmap32());
    const std::string file = test::readFile(dir.file("e.bmp"));
    ASSERT_EQ(file.size(), 54u);
    EXPECT_EQ(file.substr(0, 6), bytes({'B', 'M', 54, 0, 0, 0}));
}

} // namespace
} // namespace lumivane
