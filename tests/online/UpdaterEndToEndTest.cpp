#include "tests/online/PhpServer.h"
#include "tests/online/UpdaterSigning.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace lumivane::test;

namespace fs = std::filesystem;

namespace {

std::string env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool waitForFile(const fs::path& path)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!fs::exists(path)) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return true;
}

// A served copy of the sample update folder and a program folder holding version 2.0: the
// Updater, an old whatsnew.txt and a "lumivane" that records being started again.
struct UpdaterEndToEnd : ::testing::Test {
    UpdaterEndToEnd()
    {
        fs::copy(env("LUMIVANE_SOURCE_DIR") + "/tools/news-service", site.path(),
            fs::copy_options::recursive);
        fs::copy_file(env("LUMIVANE_BIN_DIR") + "/Updater", program.path() / "Updater");
        writeFile(program.file("whatsnew.txt"), "old notes");
        writeFile(program.file("lumivane"), "#!/bin/sh\ntouch \"$(dirname \"$0\")/restarted\"\n");
        fs::permissions(program.file("lumivane"), fs::perms::owner_all);
    }

    fs::path update() const { return site.path() / "liveupdate" / "lumivane"; }

    CommandResult runUpdater(const std::string& version = "2.0")
    {
        PhpServer server(site.path().string());
        return runCommand(shellQuote(program.file("Updater")) + " "
            + shellQuote(server.url("/liveupdate/lumivane/")) + " " + version + " A");
    }

    void resign(const std::string& manifest)
    {
        writeFile((update() / "mainappupdate.inf").string(), manifest);
        writeFile((update() / "mainappupdate.inf.sig").string(), signWithSampleKey(manifest));
    }

    void expectUnchanged(const CommandResult& result, const std::string& reason)
    {
        EXPECT_EQ(result.status, 1) << result.output;
        EXPECT_NE(result.output.find(reason), std::string::npos) << result.output;
        EXPECT_EQ(readFile(program.file("whatsnew.txt")), "old notes");
        EXPECT_FALSE(fs::exists(program.path() / "docs"));
        EXPECT_FALSE(fs::exists(program.path() / ".update-staging"));
        EXPECT_FALSE(fs::exists(program.path() / ".update-backup"));
        EXPECT_NE(readFile(program.file("updater.log")).find(reason), std::string::npos);
        expectRestarted();
    }

    // The Updater starts the program again however the update ended.
    void expectRestarted()
    {
        EXPECT_TRUE(waitForFile(program.path() / "restarted"));
        fs::remove(program.path() / "restarted");
    }

    TempDir site;
    TempDir program;
};

} // namespace

TEST_F(UpdaterEndToEnd, InstallsTheSampleUpdateAndStartsTheProgramAgain)
{
    const auto result = runUpdater();
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("Updated to version 2.1"), std::string::npos) << result.output;
    EXPECT_EQ(readFile(program.file("whatsnew.txt")), readFile((update() / "files/whatsnew.txt")));
    EXPECT_EQ(readFile(program.file("docs/CHANGES.txt")),
        readFile((update() / "files/docs/CHANGES.txt")));
    EXPECT_FALSE(fs::exists(program.path() / ".update-backup"));
    EXPECT_FALSE(fs::exists(program.path() / ".update-staging"));
    expectRestarted();
}

TEST_F(UpdaterEndToEnd, FailedDownloadChangesNothing)
{
    fs::remove(update() / "files/docs/CHANGES.txt");
    expectUnchanged(runUpdater(), "Could not download");
}

TEST_F(UpdaterEndToEnd, RefusesATamperedFile)
{
    writeFile((update() / "files/whatsnew.txt").string(), "malware");
    expectUnchanged(runUpdater(), "does not match its SHA-256 hash");
}

TEST_F(UpdaterEndToEnd, RefusesAManifestWithABadOrMissingSignature)
{
    const auto manifest = readFile((update() / "mainappupdate.inf").string());
    writeFile(
        (update() / "mainappupdate.inf").string(), manifest + "evil.txt=" + sha256Hex("") + "\r\n");
    expectUnchanged(runUpdater(), "signature of mainappupdate.inf does not match");
    fs::remove(update() / "mainappupdate.inf.sig");
    expectUnchanged(runUpdater(), "Could not download");
}

TEST_F(UpdaterEndToEnd, StopsDownloadingAnOversizedManifestOrSignature)
{
    const auto signature = readFile((update() / "mainappupdate.inf.sig").string());
    writeFile((update() / "mainappupdate.inf.sig").string(), signature + std::string(1024, 'x'));
    expectUnchanged(runUpdater(), "mainappupdate.inf.sig (it failed, or was over 1024 bytes)");
    writeFile((update() / "mainappupdate.inf.sig").string(), signature);
    const auto manifest = readFile((update() / "mainappupdate.inf").string());
    writeFile((update() / "mainappupdate.inf").string(), manifest + std::string(1024 * 1024, ';'));
    expectUnchanged(runUpdater(), "mainappupdate.inf (it failed, or was over 1048576 bytes)");
}

TEST_F(UpdaterEndToEnd, RefusesSignedPathsThatLeaveTheProgramFolder)
{
    writeFile((update() / "escape.txt").string(), "outside");
    for (const std::string path : {"../escape.txt", "/tmp/escape.txt"}) {
        resign("[APPLICATION]\r\nVersion=2.1\r\n[FILES]\r\nwhatsnew.txt="
            + sha256Hex(readFile((update() / "files/whatsnew.txt").string())) + "\r\n" + path + "="
            + sha256Hex("outside") + "\r\n");
        expectUnchanged(runUpdater(), "unsafe path");
    }
    EXPECT_FALSE(fs::exists(program.path().parent_path() / "escape.txt"));
}

TEST_F(UpdaterEndToEnd, RefusesAnOlderOrEqualVersion)
{
    expectUnchanged(runUpdater("2.1"), "is not newer than 2.1");
}

TEST_F(UpdaterEndToEnd, RefusesToWriteThroughALink)
{
    TempDir outside;
    fs::create_directory_symlink(outside.path(), program.path() / "docs");
    const auto result = runUpdater();
    EXPECT_EQ(result.status, 1) << result.output;
    EXPECT_NE(result.output.find("symbolic link"), std::string::npos) << result.output;
    EXPECT_TRUE(fs::is_empty(outside.path()));
    EXPECT_EQ(readFile(program.file("whatsnew.txt")), "old notes");
    expectRestarted();
}

TEST_F(UpdaterEndToEnd, SignScriptSignsAChangedUpdateFolder)
{
    writeFile((update() / "files/whatsnew.txt").string(), "Lumivane 2.2\r\n");
    const auto signing = runCommand(shellQuote(env("LUMIVANE_SOURCE_DIR") + "/tools/sign-update.sh")
        + " " + shellQuote(update().string()) + " " + shellQuote(sampleKeyPath()) + " 2.2");
    ASSERT_EQ(signing.status, 0) << signing.output;
    const auto result = runUpdater();
    ASSERT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(readFile(program.file("whatsnew.txt")), "Lumivane 2.2\r\n");
    expectRestarted();
}

TEST_F(UpdaterEndToEnd, SignScriptRefusesNamesAManifestCannotCarry)
{
    const auto manifest = readFile((update() / "mainappupdate.inf").string());
    const auto sign = [&] {
        return runCommand(shellQuote(env("LUMIVANE_SOURCE_DIR") + "/tools/sign-update.sh") + " "
            + shellQuote(update().string()) + " " + shellQuote(sampleKeyPath()) + " 2.2");
    };
    // A comment, a section, a second "=", blanks the reader trims, a backslash, a line break.
    for (const std::string name : {";notes", "[extra]", "a=b", " lead", "trail ", "a\\b", "a\nb"}) {
        const auto path = update() / "files" / name;
        writeFile(path.string(), "x");
        const auto signing = sign();
        EXPECT_EQ(signing.status, 1) << name << ": " << signing.output;
        EXPECT_NE(signing.output.find("cannot list"), std::string::npos) << signing.output;
        EXPECT_EQ(readFile((update() / "mainappupdate.inf").string()), manifest) << name;
        fs::remove(path);
    }
    fs::remove_all(update() / "files");
    fs::create_directories(update() / "files/empty");
    EXPECT_EQ(sign().status, 1) << "a folder without files";
}
