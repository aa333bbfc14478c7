#include "platform/Error.h"
#include "tests/online/UpdaterSigning.h"
#include "tests/support/TempDir.h"
#include "tools/Updater/FileReplacement.h"
#include "tools/Updater/ManifestSignature.h"
#include "tools/Updater/UpdateInstaller.h"
#include "tools/Updater/UpdateManifest.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace lumivane;
using lumivane::test::readFile;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

namespace fs = std::filesystem;

namespace {

const std::string hashA(64, 'a');

std::string manifestWith(const std::string& files)
{
    return "[APPLICATION]\r\nName=Lumivane\r\nVersion=2.1\r\n[FILES]\r\n" + files;
}

} // namespace

TEST(UpdaterManifest, AcceptsOnlyPathsThatStayInsideTheProgramFolder)
{
    const struct {
        const char* path;
        bool safe;
    } cases[] = {
        {"lumivane", true},
        {"docs/CHANGES.txt", true},
        {"a b/c..d", true},
        {"..", false},
        {"../escape", false},
        {"docs/../../escape", false},
        {"docs/..", false},
        {"./lumivane", false},
        {"/etc/passwd", false},
        {"docs//x", false},
        {"docs/", false},
        {"docs\\..\\x", false},
        {"a\nb", false},
        {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(isSafeRelativePath(c.path), c.safe) << c.path;
}

TEST(UpdaterManifest, ReadsVersionAndFilesAndRefusesWhatItCannotTrust)
{
    const auto manifest = parseUpdateManifest(manifestWith("lumivane = " + std::string(64, 'A')
        + "\r\n" + "docs/x.txt=" + hashA + "\r\n; a comment\r\n"));
    EXPECT_EQ(manifest.version, "2.1");
    ASSERT_EQ(manifest.files.size(), 2u);
    EXPECT_EQ(manifest.files[0].path, "lumivane");
    EXPECT_EQ(manifest.files[0].sha256, hashA) << "hashes are compared in lower case";
    EXPECT_EQ(manifest.files[1].path, "docs/x.txt");

    const std::string refused[] = {
        manifestWith("../x=" + hashA + "\r\n"),
        manifestWith("/tmp/x=" + hashA + "\r\n"),
        manifestWith("x=" + std::string(63, 'a') + "\r\n"),
        manifestWith("x=" + std::string(64, 'g') + "\r\n"),
        manifestWith("x=" + hashA + "\r\nx=" + hashA + "\r\n"),
        manifestWith(""),
        "[FILES]\r\nx=" + hashA + "\r\n",
        std::string(maxManifestSize + 1, '\n'),
        "garbage\x01\xAF",
    };
    for (const auto& text : refused)
        EXPECT_THROW(parseUpdateManifest(text), Error) << text.substr(0, 60);
}

TEST(UpdaterSignature, VerifiesTheSampleSignatureAndNothingElse)
{
    const std::string message = manifestWith("x=" + hashA + "\r\n");
    const auto signature = test::signWithSampleKey(message);
    const auto key = readFile(test::samplePublicKeyPath());
    EXPECT_TRUE(verifyManifestSignature(message, signature, key));
    EXPECT_EQ(builtInUpdatePublicKey(), key) << "the default build trusts the sample key";
    EXPECT_FALSE(verifyManifestSignature(message + " ", signature, key));
    auto flipped = signature;
    flipped[10] = static_cast<char>(flipped[10] ^ 1);
    EXPECT_FALSE(verifyManifestSignature(message, flipped, key));
    EXPECT_FALSE(verifyManifestSignature(message, signature.substr(1), key));
    EXPECT_FALSE(verifyManifestSignature(message, "", key));
    EXPECT_FALSE(verifyManifestSignature(message, signature, "not a key"));
}

TEST(UpdaterSignature, HashesFiles)
{
    TempDir folder;
    writeFile(folder.file("f"), "abc");
    EXPECT_EQ(sha256OfFile(folder.file("f")),
        "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sha256OfFile(folder.file("missing")), "");
}

TEST(UpdaterFiles, ReplacesFilesAndRemovesTheBackup)
{
    TempDir program;
    TempDir staged;
    writeFile(program.file("a.txt"), "old a");
    fs::permissions(program.file("a.txt"), fs::perms::owner_all);
    writeFile(staged.file("a.txt"), "new a");
    fs::create_directories(staged.path() / "sub");
    writeFile(staged.file("sub/b.txt"), "new b");
    const auto backup = program.file(".update-backup");
    replaceFiles(program.path().string(), staged.path().string(), {"a.txt", "sub/b.txt"}, backup);
    EXPECT_EQ(readFile(program.file("a.txt")), "new a");
    EXPECT_EQ(fs::status(program.file("a.txt")).permissions() & fs::perms::owner_exec,
        fs::perms::owner_exec)
        << "a replaced file keeps its permissions";
    EXPECT_EQ(readFile(program.file("sub/b.txt")), "new b");
    EXPECT_FALSE(fs::exists(backup));
}

TEST(UpdaterFiles, PutsEveryFileBackWhenAStepFails)
{
    TempDir program;
    TempDir staged;
    writeFile(program.file("a.txt"), "old a");
    writeFile(staged.file("a.txt"), "new a");
    fs::create_directories(staged.path() / "sub");
    writeFile(staged.file("sub/b.txt"), "new b");
    const auto backup = program.file(".update-backup");
    // The third staged file is missing, so its step fails after two have been done.
    EXPECT_THROW(replaceFiles(program.path().string(), staged.path().string(),
                     {"a.txt", "sub/b.txt", "c.txt"}, backup),
        Error);
    EXPECT_EQ(readFile(program.file("a.txt")), "old a");
    EXPECT_FALSE(fs::exists(program.path() / "sub")) << "folders made by the update are removed";
    EXPECT_FALSE(fs::exists(program.path() / "c.txt"));
    EXPECT_FALSE(fs::exists(backup));
}

TEST(UpdaterFiles, RefusesTargetsThroughLinksOrOfTheWrongKind)
{
    TempDir program;
    TempDir outside;
    fs::create_directory_symlink(outside.path(), program.path() / "linked");
    fs::create_symlink(outside.file("target"), program.path() / "file-link");
    fs::create_directory(program.path() / "folder");
    writeFile(program.file("plain"), "x");
    const auto folder = program.path().string();
    EXPECT_THROW(checkTargetInside(folder, "linked/x"), Error);
    EXPECT_THROW(checkTargetInside(folder, "file-link"), Error);
    EXPECT_THROW(checkTargetInside(folder, "folder"), Error);
    EXPECT_THROW(checkTargetInside(folder, "plain/x"), Error);
    EXPECT_NO_THROW(checkTargetInside(folder, "plain"));
    EXPECT_NO_THROW(checkTargetInside(folder, "folder/new/x"));
    EXPECT_NO_THROW(checkTargetInside(folder, "new"));
}

TEST(UpdaterFiles, ReplacingNeverWritesThroughALinkMadeAfterTheCheck)
{
    TempDir program;
    TempDir staged;
    TempDir outside;
    fs::create_directories(staged.path() / "linked");
    writeFile(staged.file("linked/x"), "new x");
    writeFile(staged.file("file-link"), "new y");
    // Links that appear while the Updater waits for the program to end.
    fs::create_directory_symlink(outside.path(), program.path() / "linked");
    writeFile(outside.file("y"), "outside y");
    fs::create_symlink(outside.file("y"), program.path() / "file-link");
    const auto backup = program.file(".update-backup");
    for (const char* path : {"linked/x", "file-link"}) {
        EXPECT_THROW(
            replaceFiles(program.path().string(), staged.path().string(), {path}, backup), Error)
            << path;
    }
    EXPECT_FALSE(fs::exists(outside.file("x")));
    EXPECT_EQ(readFile(outside.file("y")), "outside y");
    EXPECT_TRUE(fs::is_symlink(program.path() / "linked"));
    EXPECT_TRUE(fs::is_symlink(program.path() / "file-link"));
}

TEST(UpdaterFiles, EncodesPathsForUrls)
{
    EXPECT_EQ(percentEncodePath("docs/CHANGES.txt"), "docs/CHANGES.txt");
    EXPECT_EQ(percentEncodePath("a b/%?#\xE9"), "a%20b/%25%3F%23%E9");
}
