#include "snapshot/JpegWriter.h"

#include "platform/Error.h"
#include "snapshot/ReplacingFile.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace lumivane {

namespace {

constexpr int jpegQuality = 90;

// libjpeg is C: its errors leave through longjmp, never through a C++ throw.
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    int code;
};

void jumpOut(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorJump*>(info->err);
    errors->code = errors->manager.msg_code;
    std::longjmp(errors->jump, 1);
}

void ignoreMessage(j_common_ptr)
{
}

void toRgb(const std::uint32_t* line, int width, JSAMPLE* rgb)
{
    for (int x = 0; x < width; ++x, rgb += 3) {
        rgb[0] = static_cast<JSAMPLE>(line[x] >> 16);
        rgb[1] = static_cast<JSAMPLE>(line[x] >> 8);
        rgb[2] = static_cast<JSAMPLE>(line[x]);
    }
}

// Only plain data lives in this frame, so the longjmp skips no destructor.
// Returns 0 on success, else libjpeg's message number.
int compress(std::FILE* out, const Bitmap32& bitmap, JSAMPLE* rgbRow)
{
    jpeg_compress_struct info;
    ErrorJump errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    errors.manager.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        return errors.code;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(bitmap.width());
    info.image_height = static_cast<JDIMENSION>(bitmap.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, jpegQuality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        toRgb(bitmap.scanLine(static_cast<int>(info.next_scanline)), bitmap.width(), rgbRow);
        jpeg_write_scanlines(&info, &rgbRow, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return 0;
}

} // namespace

void writeJpeg(const std::string& fileName, const Bitmap32& bitmap)
{
    ReplacingFile file(fileName);
    std::vector<JSAMPLE> rgbRow(3 * static_cast<std::size_t>(bitmap.width()) + 1);
    const int code = compress(file.stream(), bitmap, rgbRow.data());
    if (code != 0)
        throw Error("JPEG error #" + std::to_string(code));
    file.commit();
}

} // namespace lumivane
