#include "snapshot/ThumbnailWriter.h"

#include "snapshot/BmpWriter.h"
#include "snapshot/GifWriter.h"
#include "snapshot/JpegWriter.h"

namespace lumivane {

void writeThumbnail(const std::string& fileName, const Bitmap32& thumbnail)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos)
        return;
    const std::string extension = fileName.substr(dot);
    if (extension == ".bmp")
        writeBmp(fileName, thumbnail);
    else if (extension == ".jpg")
        writeJpeg(fileName, thumbnail);
    else if (extension == ".gif")
        writeGif(fileName, thumbnail);
}

} // namespace lumivane
