#include "online/UpdateCheck.h"
#include "online/HttpClient.h"
#include "platform/ProgramFolder.h"
#include "tests/online/FakeProcessStarter.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/RawHttpServer.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>

using namespace lumivane;
using lumivane::test::FakeMessageDialog;
using lumivane::test::FakeProcessStarter;
using lumivane::test::RawHttpServer;
using lumivane::test::readFile;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

namespace {

const std::string baseUrl = "http://updates.test/liveupdate/lumivane/";
const std::string noUpdates = "There's no new updates for this application!";
const std::string missingUpdater
    = "The updater module is missing. Please reinstall again the current version!";
const std::string closeQuestion = "To update your software the application will close to\n\r"
                                  "replace some files. Do you want to update now?";

std::string offer(const std::string& version)
{
    return "There is a new update: (version " + version
        + ") available for your application!. Do you want download this update now?";
}

std::string description(const std::string& version)
{
    return "[APPLICATION]\r\nName=Lumivane\r\nVersion=" + version + "\r\n";
}

/// Serves one description file, or fails like a broken download when it has none.
class FakeWeb : public WebClient {
public:
    std::string postForm(const std::string&, const FormFields&) override { return {}; }
    bool downloadToFile(
        const std::string& url, const std::string& path, std::uint64_t = unlimitedDownload) override
    {
        urls.push_back(url);
        paths.push_back(path);
        std::filesystem::remove(path);
        if (!file)
            return false;
        writeFile(path, *file);
        return true;
    }
    void disconnect() override { }

    std::optional<std::string> file;
    std::vector<std::string> urls;
    std::vector<std::string> paths;
};

struct UpdateFixture : ::testing::Test {
    UpdateCheck check(const std::string& base = baseUrl)
    {
        return UpdateCheck(
            folder.path().string(), base, {web, dialog, starter, [this] { ++closes; }});
    }
    void addUpdater() { writeFile(joinPath(folder.path().string(), "Updater"), "#!/bin/sh\n"); }

    TempDir folder;
    FakeWeb web;
    FakeMessageDialog dialog;
    FakeProcessStarter starter;
    int closes = 0;
};

} // namespace

TEST(UpdateVersion, ReadsSinglePrecisionDecimalsAndGivesZeroForTheRest)
{
    const struct {
        const char* text;
        float value;
    } cases[] = {
        {"2.0", 2.0f},
        {"2.01", 2.01f},
        {"2.00000001", 2.0f},
        {"+2.5", 2.5f},
        {"-1", -1.0f},
        {"1e1", 10.0f},
        {"3", 3.0f},
        {"", 0},
        {"abc", 0},
        {"2,1", 0},
        {"2.1a", 0},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"1e999", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseVersion(c.text), c.value) << c.text;
}

TEST_F(UpdateFixture, OffersOnlyAVersionNewerThanTheProgramsInSinglePrecision)
{
    const struct {
        std::optional<std::string> file;
        std::vector<std::string> messages;
    } cases[] = {
        {description("2.0"), {noUpdates}},
        {description("2.01"), {offer("2.01")}},
        {description("2.00000001"), {noUpdates}},
        {description("1.9"), {noUpdates}},
        {description("abc"), {noUpdates}},
        {description("nan"), {noUpdates}},
        {description(""), {noUpdates}},
        {std::string(), {noUpdates}},
        {"[OTHER]\nVersion=9\n", {noUpdates}},
        {std::string(3 * 1024 * 1024, '\xAF'), {noUpdates}},
        {std::nullopt, {noUpdates}},
    };
    for (const auto& c : cases) {
        web.file = c.file;
        dialog.shown.clear();
        dialog.answers = {MessageResult::Cancel};
        check().run(false);
        EXPECT_EQ(dialog.texts(), c.messages) << (c.file ? c.file->substr(0, 40) : "no file");
    }
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(closes, 0);
}

TEST_F(UpdateFixture, DownloadsTheDescriptionFromTheBaseUrlIntoTheProgramFolder)
{
    web.file = description("2.0");
    check().run(true);
    ASSERT_EQ(web.urls.size(), 1u);
    EXPECT_EQ(web.urls[0], baseUrl + "mainappupdate.inf");
    EXPECT_EQ(web.paths[0], joinPath(folder.path().string(), "mainappupdate.inf"));
    EXPECT_EQ(readFile(web.paths[0]), description("2.0")) << "the file is left after the check";
}

TEST_F(UpdateFixture, SilentCheckWithoutNewerVersionShowsNothing)
{
    web.file = description("2.0");
    check().run(true);
    web.file.reset();
    check().run(true);
    EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(UpdateFixture, SilentCheckStillOffersANewerVersion)
{
    web.file = description("2.1");
    dialog.answers = {MessageResult::Cancel};
    check().run(true);
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0].text, offer("2.1"));
    EXPECT_EQ(dialog.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(dialog.shown[0].buttons, MessageButtons::OkCancel);
}

TEST_F(UpdateFixture, BothAnswersOkStartTheUpdaterWithTheParameterTextAndCloseTheWindow)
{
    addUpdater();
    web.file = description("2.01");
    dialog.answers = {MessageResult::Ok, MessageResult::Ok};
    check().run(false);
    EXPECT_EQ(dialog.texts(), (std::vector<std::string> {offer("2.01"), closeQuestion}));
    EXPECT_EQ(dialog.shown[1].kind, MessageKind::Information);
    EXPECT_EQ(dialog.shown[1].buttons, MessageButtons::OkCancel);
    ASSERT_EQ(starter.started.size(), 1u);
    EXPECT_EQ(starter.started[0].program, joinPath(folder.path().string(), "Updater"));
    EXPECT_EQ(starter.started[0].parameters, baseUrl + " 2.0 A");
    EXPECT_EQ(closes, 1);
}

TEST_F(UpdateFixture, CancelAtEitherQuestionStartsNothing)
{
    addUpdater();
    web.file = description("3");
    dialog.answers = {MessageResult::Cancel};
    check().run(false);
    EXPECT_EQ(dialog.texts(), std::vector<std::string> {offer("3")});

    dialog.shown.clear();
    dialog.answers = {MessageResult::Ok, MessageResult::Cancel};
    check().run(false);
    EXPECT_EQ(dialog.texts(), (std::vector<std::string> {offer("3"), closeQuestion}));
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(closes, 0);
}

TEST_F(UpdateFixture, MissingUpdaterIsReportedAfterTheOfferIsAcceptedAlsoWhenSilent)
{
    web.file = description("2.5");
    dialog.answers = {MessageResult::Ok};
    check().run(true);
    ASSERT_EQ(dialog.texts(), (std::vector<std::string> {offer("2.5"), missingUpdater}));
    EXPECT_EQ(dialog.shown[1].kind, MessageKind::Warning);
    EXPECT_EQ(dialog.shown[1].buttons, MessageButtons::Ok);
    EXPECT_TRUE(starter.started.empty());
    EXPECT_EQ(closes, 0);
}

TEST_F(UpdateFixture, FailedDownloadOverTheNetworkRemovesAnOldDescription)
{
    RawHttpServer server;
    server.addReply(RawHttpServer::reply(404, "missing"));
    HttpClient client;
    const auto target = joinPath(folder.path().string(), "mainappupdate.inf");
    writeFile(target, description("9"));
    UpdateCheck(folder.path().string(), server.url("/liveupdate/lumivane/"),
        {client, dialog, starter, [this] { ++closes; }})
        .run(false);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(dialog.texts(), std::vector<std::string> {noUpdates});
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(
        server.requests()[0].bytes.rfind("GET /liveupdate/lumivane/mainappupdate.inf ", 0), 0u);
}

TEST_F(UpdateFixture, NewerVersionOverTheNetworkIsOffered)
{
    RawHttpServer server;
    server.addReply(RawHttpServer::reply(200, description("2.01")));
    HttpClient client;
    dialog.answers = {MessageResult::Cancel};
    UpdateCheck(folder.path().string(), server.url("/liveupdate/lumivane/"),
        {client, dialog, starter, [this] { ++closes; }})
        .run(true);
    EXPECT_EQ(dialog.texts(), std::vector<std::string> {offer("2.01")});
}

TEST(UpdateBaseUrl, IsAnHttpUrlOfTheLiveUpdateFolder)
{
    const auto url = updateBaseUrl();
    EXPECT_EQ(url.rfind("http://", 0), 0u);
    const std::string path = "/liveupdate/lumivane/";
    ASSERT_GT(url.size(), path.size());
    EXPECT_EQ(url.substr(url.size() - path.size()), path);
}
