#include "snapshot/JpegWriter.h"

#include "platform/Error.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace lumivane {
namespace {

struct Decoded {
    int width = 0;
    int height = 0;
    int components = 0;
    bool progressive = true;
    bool jfif = false;
    int firstLuminanceQuantiser = 0;
    std::vector<unsigned char> rgb;
};

Decoded decode(const std::string& bytes)
{
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    jpeg_read_header(&info, TRUE);
    Decoded result;
    result.progressive = info.progressive_mode;
    result.jfif = info.saw_JFIF_marker;
    result.firstLuminanceQuantiser = info.quant_tbl_ptrs[0]->quantval[0];
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    result.width = static_cast<int>(info.output_width);
    result.height = static_cast<int>(info.output_height);
    result.components = info.num_components;
    result.rgb.resize(static_cast<std::size_t>(result.width * result.height * 3));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = result.rgb.data() + info.output_scanline * result.width * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return result;
}

TEST(JpegWriter, WritesBaselineColourJfifAtQuality90)
{
    const test::TempDir dir;
    // Red on the left, blue on the right: a swapped channel order shows.
    Bitmap32 picture(200, 150, 0x000000FF);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 100; ++x)
            picture.setPixel(x, y, 0xFFFF0000);
    writeJpeg(dir.file("t.jpg"), picture);

    const std::string file = test::readFile(dir.file("t.jpg"));
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ(file.substr(0, 2), "\xFF\xD8");
    // Start of frame 0 is the baseline frame; 1 and 2 would be extended or progressive.
    EXPECT_NE(file.find("\xFF\xC0"), std::string::npos);
    EXPECT_EQ(file.find("\xFF\xC2"), std::string::npos);

    const Decoded decoded = decode(file);
    EXPECT_EQ(decoded.width, 200);
    EXPECT_EQ(decoded.height, 150);
    EXPECT_EQ(decoded.components, 3);
    EXPECT_FALSE(decoded.progressive);
    EXPECT_TRUE(decoded.jfif);
    // Quality 90 scales the standard luminance table, whose first entry is 16, to 20 %.
    EXPECT_EQ(decoded.firstLuminanceQuantiser, 3);
    const auto at = [&](int x, int y, int channel) {
        return static_cast<int>(decoded.rgb[static_cast<std::size_t>((y * 200 + x) * 3 + channel)]);
    };
    EXPECT_NEAR(at(20, 75, 0), 255, 8);
    EXPECT_NEAR(at(20, 75, 2), 0, 8);
    EXPECT_NEAR(at(180, 75, 0), 0, 8);
    EXPECT_NEAR(at(180, 75, 2), 255, 8);
}

TEST(JpegWriter, EncoderFailureRaisesItsNumberAndKeepsTheOldFile)
{
    const test::TempDir dir;
    const std::string target = dir.file("t.jpg");
    test::writeFile(target, "previous thumbnail");
    try {
        writeJpeg(target, Bitmap32(0, 150));
        ADD_FAILURE() << "an empty image was encoded";
    } catch (const Error& error) {
        EXPECT_EQ(std::string(error.what()), "JPEG error #" + std::to_string(JERR_EMPTY_IMAGE));
    }
    EXPECT_EQ(test::readFile(target), "previous thumbnail");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                  std::filesystem::directory_iterator()),
        1);
}

} // namespace
} // namespace lumivane
