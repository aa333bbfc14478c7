#include "tests/brand/ZipEntry.h"

#include <cstdint>

namespace lumivane::test {

namespace {

std::uint32_t readLittle(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

void putLittle(std::string& out, std::uint32_t value, int width)
{
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>(value >> (8 * i) & 0xFF);
    }
}

/// The AES extra field: AE-2, vendor "AE", strength 1 (128 bits), stored.
std::string aesExtra()
{
    std::string extra;
    putLittle(extra, 0x9901, 2);
    putLittle(extra, 7, 2);
    putLittle(extra, 2, 2);
    extra += "AE";
    extra += '\x01';
    putLittle(extra, 0, 2);
    return extra;
}

/// Version, flags (encrypted), method 99, time, date, CRC 0 (AE-2), sizes, name and extra lengths.
void putEntryFields(
    std::string& out, const std::string& name, std::size_t packed, std::size_t plain)
{
    putLittle(out, 51, 2);
    putLittle(out, 1, 2);
    putLittle(out, 99, 2);
    putLittle(out, 0, 2);
    putLittle(out, 0x21, 2);
    putLittle(out, 0, 4);
    putLittle(out, static_cast<std::uint32_t>(packed), 4);
    putLittle(out, static_cast<std::uint32_t>(plain), 4);
    putLittle(out, static_cast<std::uint32_t>(name.size()), 2);
    putLittle(out, 11, 2);
}

} // namespace

std::optional<std::string> firstZipEntryData(const std::string& zip)
{
    if (zip.size() < 30 || readLittle(zip, 0, 4) != 0x04034b50) {
        return std::nullopt;
    }
    const std::uint32_t packed = readLittle(zip, 18, 4);
    const std::size_t start = 30 + readLittle(zip, 26, 2) + readLittle(zip, 28, 2);
    if (start + packed > zip.size()) {
        return std::nullopt;
    }
    return zip.substr(start, packed);
}

std::string zipWithAesEntry(
    const std::string& name, const std::string& container, std::size_t plainSize)
{
    std::string zip;
    putLittle(zip, 0x04034b50, 4);
    putEntryFields(zip, name, container.size(), plainSize);
    zip += name + aesExtra() + container;
    const std::size_t central = zip.size();
    putLittle(zip, 0x02014b50, 4);
    putLittle(zip, 63, 2);
    putEntryFields(zip, name, container.size(), plainSize);
    putLittle(zip, 0, 2); // comment length
    putLittle(zip, 0, 2); // disk
    putLittle(zip, 0, 2); // internal attributes
    putLittle(zip, 0, 4); // external attributes
    putLittle(zip, 0, 4); // local header offset
    zip += name + aesExtra();
    const std::size_t centralSize = zip.size() - central;
    putLittle(zip, 0x06054b50, 4);
    putLittle(zip, 0, 4);
    putLittle(zip, 1, 2);
    putLittle(zip, 1, 2);
    putLittle(zip, static_cast<std::uint32_t>(centralSize), 4);
    putLittle(zip, static_cast<std::uint32_t>(central), 4);
    putLittle(zip, 0, 2);
    return zip;
}

} // namespace lumivane::test
