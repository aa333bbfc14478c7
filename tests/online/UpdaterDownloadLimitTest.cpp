#include "online/WebClient.h"
#include "platform/Error.h"
#include "tests/online/UpdaterSigning.h"
#include "tests/support/TempDir.h"
#include "tools/Updater/UpdateInstaller.h"
#include "tools/Updater/UpdateManifest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

using namespace lumivane;
using lumivane::test::readFile;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

namespace fs = std::filesystem;

namespace {

const std::string base = "http://updates.test/liveupdate/lumivane/";

// Serves fixed bodies and keeps to the limit it is given, like the real client.
class LimitedWeb : public WebClient {
public:
    std::string postForm(const std::string&, const FormFields&) override { return {}; }
    bool downloadToFile(
        const std::string& url, const std::string& path, std::uint64_t maxBytes) override
    {
        limits[url] = maxBytes;
        const auto body = bodies.find(url);
        if (body == bodies.end() || body->second.size() > maxBytes)
            return false;
        writeFile(path, body->second);
        return true;
    }
    void disconnect() override { }

    std::map<std::string, std::string> bodies;
    std::map<std::string, std::uint64_t> limits;
};

struct UpdaterDownloadLimits : ::testing::Test {
    UpdaterDownloadLimits()
    {
        const auto manifest = "[APPLICATION]\r\nVersion=2.1\r\n[FILES]\r\nwhatsnew.txt="
            + test::sha256Hex(notes) + "\r\n";
        web.bodies[base + "mainappupdate.inf"] = manifest;
        web.bodies[base + "mainappupdate.inf.sig"] = test::signWithSampleKey(manifest);
        web.bodies[base + "files/whatsnew.txt"] = notes;
        writeFile(folder.file("whatsnew.txt"), "old notes");
    }

    std::string install(std::uint64_t maxFileSize)
    {
        UpdateInstaller installer(web,
            {folder.path().string(), readFile(test::samplePublicKeyPath()), [] { return true; },
                maxFileSize});
        return installer.install(base, "2.0");
    }

    const std::string notes = "Lumivane 2.1\r\n";
    TempDir folder;
    LimitedWeb web;
};

} // namespace

TEST_F(UpdaterDownloadLimits, EveryDownloadIsLimitedBeforeItIsVerified)
{
    EXPECT_EQ(install(defaultMaxUpdateFileSize), "2.1");
    EXPECT_EQ(readFile(folder.file("whatsnew.txt")), notes);
    EXPECT_EQ(web.limits[base + "mainappupdate.inf"], maxManifestSize);
    EXPECT_EQ(web.limits[base + "mainappupdate.inf.sig"], maxSignatureSize);
    EXPECT_EQ(web.limits[base + "files/whatsnew.txt"], defaultMaxUpdateFileSize);
}

TEST_F(UpdaterDownloadLimits, AFileOverTheLimitInstallsNothing)
{
    try {
        install(notes.size() - 1);
        FAIL() << "installed a file over the limit";
    } catch (const Error& error) {
        EXPECT_NE(
            std::string(error.what()).find("Could not download " + base + "files/whatsnew.txt"),
            std::string::npos)
            << error.what();
    }
    EXPECT_EQ(readFile(folder.file("whatsnew.txt")), "old notes");
    EXPECT_FALSE(fs::exists(folder.path() / stagingFolderName));
    EXPECT_EQ(install(notes.size()), "2.1");
}
