#include "snapshot/BmpWriter.h"

#include "snapshot/ReplacingFile.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lumivane {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;

template <std::size_t N>
void putLittleEndian(
    std::array<std::uint8_t, N>& bytes, std::size_t at, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::array<std::uint8_t, fileHeaderSize + infoHeaderSize> headers(const Bitmap32& bitmap)
{
    // Bitmap32 caps its pixel count, so the sizes fit in 32 bits.
    const auto imageSize = static_cast<std::uint32_t>(4ull
        * static_cast<std::uint64_t>(bitmap.width()) * static_cast<std::uint64_t>(bitmap.height()));
    std::array<std::uint8_t, fileHeaderSize + infoHeaderSize> bytes {};
    bytes[0] = 'B';
    bytes[1] = 'M';
    putLittleEndian(bytes, 2, fileHeaderSize + infoHeaderSize + imageSize, 4);
    putLittleEndian(bytes, 10, fileHeaderSize + infoHeaderSize, 4);
    putLittleEndian(bytes, 14, infoHeaderSize, 4);
    putLittleEndian(bytes, 18, static_cast<std::uint32_t>(bitmap.width()), 4);
    // A positive height marks the rows as stored bottom row first.
    putLittleEndian(bytes, 22, static_cast<std::uint32_t>(bitmap.height()), 4);
    putLittleEndian(bytes, 26, 1, 2);
    putLittleEndian(bytes, 28, 32, 2);
    putLittleEndian(bytes, 34, imageSize, 4);
    return bytes;
}

} // namespace

void writeBmp(const std::string& fileName, const Bitmap32& bitmap)
{
    ReplacingFile file(fileName);
    const auto header = headers(bitmap);
    file.write(header.data(), header.size());
    std::vector<std::uint8_t> row(4 * static_cast<std::size_t>(bitmap.width()));
    for (int y = bitmap.height() - 1; y >= 0; --y) {
        const std::uint32_t* line = bitmap.scanLine(y);
        for (std::size_t x = 0; x < row.size() / 4; ++x) {
            row[4 * x] = static_cast<std::uint8_t>(line[x]);
            row[4 * x + 1] = static_cast<std::uint8_t>(line[x] >> 8);
            row[4 * x + 2] = static_cast<std::uint8_t>(line[x] >> 16);
            row[4 * x + 3] = 0;
        }
        file.write(row.data(), row.size());
    }
    file.commit();
}

} // namespace lumivane
