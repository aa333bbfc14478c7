#include "brand/ContainerFiles.h"
#include "brand/UUtils.h"
#include "platform/Error.h"
#include "tests/brand/ZipEntry.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>

namespace lumivane {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

long peakMemoryKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

std::string randomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(generator() & 0xFF);
    }
    return bytes;
}

TEST(ContainerFiles, RoundTripThroughFiles)
{
    TempDir dir;
    const std::string plain = randomBytes(300000, 1);
    writeFile(dir.file("plain"), plain);
    EncryptFileToFile(dir.file("plain"), dir.file("dbsettings.dat"));
    EXPECT_EQ(std::filesystem::file_size(dir.file("dbsettings.dat")), plain.size() + 20);
    EXPECT_TRUE(DecryptFileToFile(dir.file("dbsettings.dat"), dir.file("out")));
    EXPECT_TRUE(readFile(dir.file("out")) == plain);
}

TEST(ContainerFiles, ReadsEntryDataWrittenByAStandardArchiver)
{
    TempDir dir;
    const auto data
        = test::firstZipEntryData(readFile(test::fixturePath("brand/winzip-aes128.zip")));
    ASSERT_TRUE(data.has_value());
    writeFile(dir.file("entry.dat"), *data);
    EXPECT_EQ(decryptFile(dir.file("entry.dat"), dir.file("entry.txt")), DecryptResult::Success);
    const std::string expected = readFile(test::fixturePath("brand/winzip-aes128-entry.txt"));
    ASSERT_GT(expected.size(), 4096u); // long enough to carry the counter into its second byte
    EXPECT_EQ(readFile(dir.file("entry.txt")), expected);
}

TEST(ContainerFiles, StandardArchiverExtractsOurContainer)
{
    if (std::system("command -v 7z > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "7z is not installed";
    }
    TempDir dir;
    const std::string plain = randomBytes(5000, 2);
    writeFile(dir.file("plain"), plain);
    EncryptFileToFile(dir.file("plain"), dir.file("container"));
    writeFile(dir.file("ours.zip"),
        test::zipWithAesEntry("entry.bin", readFile(dir.file("container")), plain.size()));
    const std::string command
        = "cd '" + dir.path().string() + "' && 7z x -y -pqmxvtrowzp -oout ours.zip > 7z.log 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << readFile(dir.file("7z.log"));
    EXPECT_TRUE(readFile(dir.file("out/entry.bin")) == plain);
}

TEST(ContainerFiles, DamagedContainersDecryptToEmptyOrPartialText)
{
    TempDir dir;
    writeFile(dir.file("plain"), "<%%ApplicationName%%>X<%%/ApplicationName%%>\r\n");
    EncryptFileToFile(dir.file("plain"), dir.file("good"));
    const std::string good = readFile(dir.file("good"));
    const struct {
        const char* name;
        std::string bytes;
        DecryptResult result;
    } cases[] = {
        {"empty", "", DecryptResult::TooShort},
        {"five bytes", good.substr(0, 5), DecryptResult::TooShort},
        {"nineteen bytes", good.substr(0, 19), DecryptResult::TooShort},
        {"random", randomBytes(4096, 3), DecryptResult::WrongPassword},
        {"cut before the code", good.substr(0, good.size() - 4),
            DecryptResult::AuthenticationFailed},
    };
    for (const auto& c : cases) {
        writeFile(dir.file("dbsettings.dat"), c.bytes);
        writeFile(dir.file("out"), "stale");
        EXPECT_EQ(decryptFile(dir.file("dbsettings.dat"), dir.file("out")), c.result) << c.name;
        const std::size_t expected
            = c.result == DecryptResult::AuthenticationFailed ? c.bytes.size() - 20 : 0;
        EXPECT_EQ(readFile(dir.file("out")).size(), expected) << c.name;
    }
}

TEST(ContainerFiles, HugeFilesUseOneBufferOfMemory)
{
    TempDir dir;
    const std::uintmax_t size = 100u << 20;
    {
        std::ofstream sparse(dir.file("zeros.dat"), std::ios::binary);
    }
    std::filesystem::resize_file(dir.file("zeros.dat"), size);
    EXPECT_EQ(decryptFile(dir.file("zeros.dat"), dir.file("out")), DecryptResult::WrongPassword);
    EXPECT_EQ(std::filesystem::file_size(dir.file("out")), 0u);

    const long before = peakMemoryKiB();
    EncryptFileToFile(dir.file("zeros.dat"), dir.file("huge.dat"));
    EXPECT_EQ(std::filesystem::file_size(dir.file("huge.dat")), size + 20);
    EXPECT_EQ(decryptFile(dir.file("huge.dat"), dir.file("out")), DecryptResult::Success);
    EXPECT_EQ(std::filesystem::file_size(dir.file("out")), size);
    EXPECT_LT(peakMemoryKiB() - before, 16 * 1024);
}

TEST(ContainerFiles, OpenAndCreateFailuresRaise)
{
    TempDir dir;
    EXPECT_THROW(decryptFile(dir.file("missing"), dir.file("out")), Error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out")));
    EXPECT_THROW(EncryptFileToFile(dir.file("missing"), dir.file("out")), Error);
    writeFile(dir.file("plain"), "x");
    EXPECT_THROW(EncryptFileToFile(dir.file("plain"), dir.file("no/such/folder")), Error);
    try {
        decryptFile(dir.file("missing"), dir.file("out"));
    } catch (const Error& error) {
        EXPECT_EQ(
            std::string(error.what()).rfind("Cannot open file \"" + dir.file("missing") + "\"", 0),
            0u)
            << error.what();
    }
}

TEST(ContainerFiles, ReadErrorRemovesTheHalfWrittenTarget)
{
    TempDir dir;
    // A folder opens but cannot be read: the read fails midway.
    std::filesystem::create_directory(dir.file("folder"));
    EXPECT_THROW(EncryptFileToFile(dir.file("folder"), dir.file("out")), Error);
    EXPECT_FALSE(std::filesystem::exists(dir.file("out")));
}

TEST(ContainerFiles, ReplaceKeepsTheOldContainerOnFailure)
{
    TempDir dir;
    writeFile(dir.file("dbsettings.dat"), "old container");
    EXPECT_THROW(replaceWithEncryptedFile(dir.file("missing"), dir.file("dbsettings.dat")), Error);
    EXPECT_EQ(readFile(dir.file("dbsettings.dat")), "old container");
    EXPECT_FALSE(std::filesystem::exists(dir.file("dbsettings.dat.part")));

    writeFile(dir.file("plain"), "new");
    replaceWithEncryptedFile(dir.file("plain"), dir.file("dbsettings.dat"));
    EXPECT_TRUE(DecryptFileToFile(dir.file("dbsettings.dat"), dir.file("out")));
    EXPECT_EQ(readFile(dir.file("out")), "new");
    EXPECT_FALSE(std::filesystem::exists(dir.file("dbsettings.dat.part")));
}

} // namespace
} // namespace lumivane
