#include "ui/Gunzip.h"
#include "ui/SkinData.h"

#include "tests/support/TempDir.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <zlib.h>

namespace lumivane {
namespace {

using test::TempDir;
using test::writeFile;

std::string gzip(const std::string& text)
{
    z_stream stream {};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, text.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

TEST(Gunzip, InflatesGzipAndRejectsEverythingElse)
{
    const std::string sheet = "QPushButton { color: red; }";
    EXPECT_EQ(gunzip(gzip(sheet), 1000), sheet);
    EXPECT_EQ(gunzip(gzip("a") + gzip("b"), 1000), "ab");

    const std::string compressed = gzip(sheet);
    EXPECT_EQ(gunzip(compressed.substr(0, compressed.size() - 6), 1000), std::nullopt);
    EXPECT_EQ(gunzip(sheet, 1000), std::nullopt) << "plain text is not a skin file";
    EXPECT_EQ(gunzip("", 1000), std::nullopt);
    EXPECT_EQ(gunzip(compressed + "garbage", 1000), std::nullopt);
    EXPECT_EQ(gunzip(gzip(std::string(5000, 'x')), 4999), std::nullopt);
}

TEST(SkinData, StartsWithTheBuiltInSkin)
{
    SkinData skin;
    EXPECT_FALSE(builtinSkin().trimmed().isEmpty());
    EXPECT_EQ(skin.styleSheet(), builtinSkin());
    EXPECT_TRUE(builtinSkin().contains(QStringLiteral("QPushButton")));
}

TEST(SkinData, ACompressedSheetReplacesTheSkinForEveryWindow)
{
    TempDir dir;
    const std::string sheet = "QPushButton { color: #123456; }";
    writeFile(dir.file("mainskin.dat"), gzip(sheet));
    SkinData skin;
    ASSERT_TRUE(skin.loadFromCompressedFile(dir.file("mainskin.dat")));
    EXPECT_EQ(skin.styleSheet(), QString::fromStdString(sheet));
    skin.apply();
    EXPECT_EQ(qApp->styleSheet(), QString::fromStdString(sheet));
    qApp->setStyleSheet({});
}

TEST(SkinData, UnusableFilesKeepTheCurrentSkin)
{
    TempDir dir;
    const struct {
        const char* name;
        std::string bytes;
    } unusable[] = {
        {"empty file", ""},
        {"garbage", std::string("\x1f\x8b\x08\x00garbage-after-a-gzip-magic", 30)},
        {"plain style sheet", "QWidget { color: red; }"},
        {"blank sheet", gzip("  \r\n\t ")},
    };
    for (const auto& file : unusable) {
        SCOPED_TRACE(file.name);
        writeFile(dir.file("mainskin.dat"), file.bytes);
        SkinData skin;
        EXPECT_FALSE(skin.loadFromCompressedFile(dir.file("mainskin.dat")));
        EXPECT_EQ(skin.styleSheet(), builtinSkin());
    }
    SkinData skin;
    EXPECT_FALSE(skin.loadFromCompressedFile(dir.file("missing.dat")));
    EXPECT_EQ(skin.styleSheet(), builtinSkin());
}

} // namespace
} // namespace lumivane
