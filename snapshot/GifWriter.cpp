#include "snapshot/GifWriter.h"

#include "platform/Error.h"
#include "snapshot/ReplacingFile.h"

#include <exception>
#include <memory>

#include <gif_lib.h>

namespace lumivane {

namespace {

constexpr int paletteColours = 216;
// A GIF colour table holds a power of two entries; the rest stay black.
constexpr int colourTableSize = 256;
constexpr int colourBits = 8;

int level(std::uint32_t channel)
{
    return static_cast<int>(((channel & 0xFFu) + 3) / 51);
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

std::unique_ptr<ColorMapObject, MapDeleter> webColourMap()
{
    GifColorType colours[colourTableSize] = {};
    for (int i = 0; i < paletteColours; ++i) {
        colours[i].Red = static_cast<GifByteType>(i / 36 * 51);
        colours[i].Green = static_cast<GifByteType>(i / 6 % 6 * 51);
        colours[i].Blue = static_cast<GifByteType>(i % 6 * 51);
    }
    return std::unique_ptr<ColorMapObject, MapDeleter>(GifMakeMapObject(colourTableSize, colours));
}

// giflib is C: a write failure is kept here and raised once giflib has returned.
struct Output {
    ReplacingFile& file;
    std::exception_ptr failure;
};

int writeBytes(GifFileType* gif, const GifByteType* data, int length)
{
    auto* output = static_cast<Output*>(gif->UserData);
    try {
        output->file.write(data, static_cast<std::size_t>(length));
        return length;
    } catch (...) {
        output->failure = std::current_exception();
        return 0;
    }
}

bool encode(GifFileType* gif, const Bitmap32& bitmap, std::vector<std::uint8_t>& indices)
{
    const auto map = webColourMap();
    if (!map)
        return false;
    const int width = bitmap.width();
    if (EGifPutScreenDesc(gif, width, bitmap.height(), colourBits, 0, map.get()) == GIF_ERROR
        || EGifPutImageDesc(gif, 0, 0, width, bitmap.height(), false, nullptr) == GIF_ERROR)
        return false;
    // giflib reads a line's first pixel even when the line is empty.
    for (int y = 0; width > 0 && y < bitmap.height(); ++y) {
        GifPixelType* row = indices.data() + static_cast<std::size_t>(y) * width;
        if (EGifPutLine(gif, row, width) == GIF_ERROR)
            return false;
    }
    return true;
}

} // namespace

std::uint8_t webPaletteIndex(std::uint32_t pixel)
{
    return static_cast<std::uint8_t>(
        level(pixel >> 16) * 36 + level(pixel >> 8) * 6 + level(pixel));
}

std::vector<std::uint8_t> reduceToWebPalette(const Bitmap32& bitmap)
{
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(bitmap.width()) * bitmap.height());
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint32_t* line = bitmap.scanLine(y);
        for (int x = 0; x < bitmap.width(); ++x)
            indices.push_back(webPaletteIndex(line[x]));
    }
    return indices;
}

void writeGif(const std::string& fileName, const Bitmap32& bitmap)
{
    std::vector<std::uint8_t> indices = reduceToWebPalette(bitmap);
    ReplacingFile file(fileName);
    Output output {file, nullptr};
    int error = 0;
    GifFileType* gif = EGifOpen(&output, writeBytes, &error);
    if (!gif)
        throw Error("GIF error #" + std::to_string(error));
    const bool encoded = encode(gif, bitmap, indices);
    error = gif->Error;
    int closeError = 0;
    const bool closed = EGifCloseFile(gif, &closeError) == GIF_OK;
    if (output.failure)
        std::rethrow_exception(output.failure);
    if (!encoded || !closed)
        throw Error("GIF error #" + std::to_string(encoded ? closeError : error));
    file.commit();
}

} // namespace lumivane
