#include "snapshot/ThumbnailWriter.h"

#include "platform/Error.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lumivane {
namespace {

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string errorOf(const std::string& fileName)
{
    try {
        writeThumbnail(fileName, Bitmap32(4, 3));
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

TEST(ThumbnailWriter, ExtensionPicksTheFormatExactly)
{
    const struct {
        const char* name;
        const char* magic;
    } cases[] = {
        {"a.bmp", "BM"},
        {"a.jpg", "\xFF\xD8\xFF"},
        {"a.gif", "GIF8"},
        {"a.b.gif", "GIF8"},
        {"a.BMP", nullptr},
        {"a.Jpg", nullptr},
        {"a.jpeg", nullptr},
        {"a.png", nullptr},
        {"a.gif.txt", nullptr},
        {"a", nullptr},
        {"dotted.folder/a", nullptr},
    };
    for (const auto& c : cases) {
        const test::TempDir dir;
        std::filesystem::create_directory(dir.path() / "dotted.folder");
        writeThumbnail(dir.file(c.name), Bitmap32(4, 3, 0x00336699));
        const std::string written = test::readFile(dir.file(c.name));
        if (c.magic)
            EXPECT_EQ(written.substr(0, std::string(c.magic).size()), c.magic) << c.name;
        else
            EXPECT_FALSE(std::filesystem::exists(dir.file(c.name))) << c.name;
        const std::vector<std::string> expected = c.magic
            ? std::vector<std::string> {c.name, "dotted.folder"}
            : std::vector<std::string> {"dotted.folder"};
        auto sorted = expected;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(filesIn(dir.path()), sorted) << c.name;
    }
}

// A zero-sized thumbnail: BMP and GIF write an image without pixels, libjpeg
// refuses one; nothing crashes and no file is left half written.
TEST(ThumbnailWriter, ZeroSizedThumbnails)
{
    for (const auto& size : {std::pair {0, 0}, std::pair {0, 5}, std::pair {5, 0}}) {
        SCOPED_TRACE(std::to_string(size.first) + " x " + std::to_string(size.second));
        const test::TempDir dir;
        const Bitmap32 empty(size.first, size.second);
        writeThumbnail(dir.file("e.bmp"), empty);
        EXPECT_EQ(test::readFile(dir.file("e.bmp")).size(), 54u);
        writeThumbnail(dir.file("e.gif"), empty);
        EXPECT_EQ(test::readFile(dir.file("e.gif")).substr(0, 4), "GIF8");
        EXPECT_THROW(writeThumbnail(dir.file("e.jpg"), empty), Error);
        EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string> {"e.bmp", "e.gif"}));
    }
}

TEST(ThumbnailWriter, ReplacesAnExistingFile)
{
    const test::TempDir dir;
    for (const char* name : {"old.bmp", "old.jpg", "old.gif"}) {
        test::writeFile(dir.file(name), std::string(10000, 'x'));
        writeThumbnail(dir.file(name), Bitmap32(2, 2));
        const std::string written = test::readFile(dir.file(name));
        EXPECT_NE(written, std::string(10000, 'x')) << name;
        EXPECT_LT(written.size(), 10000u) << name;
    }
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string> {"old.bmp", "old.gif", "old.jpg"}));
}

TEST(ThumbnailWriter, ALongNameThatFitsIsWrittenAndOneThatDoesNotRaises)
{
    // IDs made from long URLs: the temporary file must not be what makes a name too long.
    const test::TempDir dir;
    for (const char* format : {"bmp", "jpg", "gif"}) {
        const std::string fits = std::string(251, 'i') + "." + format;
        writeThumbnail(dir.file(fits), Bitmap32(2, 2));
        EXPECT_EQ(filesIn(dir.path()), std::vector<std::string> {fits});
        std::filesystem::remove(dir.file(fits));
        const std::string tooLong = dir.file(std::string(252, 'i') + "." + format);
        EXPECT_EQ(errorOf(tooLong), "Cannot create file \"" + tooLong + "\". File name too long");
        EXPECT_TRUE(filesIn(dir.path()).empty());
    }
}

TEST(ThumbnailWriter, FileThatCannotBeCreatedRaisesWithTheSystemReason)
{
    const test::TempDir dir;
    test::writeFile(dir.file("plain"), "not a folder");
    std::filesystem::create_directory(dir.path() / "taken.jpg");
    for (const char* format : {"bmp", "jpg", "gif"}) {
        const std::string missing = dir.file("missing/x.") + format;
        EXPECT_EQ(
            errorOf(missing), "Cannot create file \"" + missing + "\". No such file or directory");
        const std::string underFile = dir.file("plain/x.") + format;
        EXPECT_EQ(errorOf(underFile), "Cannot create file \"" + underFile + "\". Not a directory");
    }
    // The picture is encoded, but a folder stands where the file would go.
    const std::string folder = dir.file("taken.jpg");
    EXPECT_EQ(errorOf(folder), "Cannot create file \"" + folder + "\". Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string> {"plain", "taken.jpg"}));
}

TEST(ThumbnailWriter, UnwritableFolderKeepsThePreviousThumbnail)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    const test::TempDir dir;
    const std::string target = dir.file("t.gif");
    test::writeFile(target, "previous thumbnail");
    chmod(dir.path().c_str(), 0555);
    const std::string error = errorOf(target);
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(error, "Cannot create file \"" + target + "\". Permission denied");
    EXPECT_EQ(test::readFile(target), "previous thumbnail");
    EXPECT_EQ(filesIn(dir.path()), (std::vector<std::string> {"t.gif"}));
}

} // namespace
} // namespace lumivane
