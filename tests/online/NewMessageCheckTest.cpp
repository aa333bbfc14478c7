#include "online/NewMessageCheck.h"
#include "online/HttpClient.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/RawHttpServer.h"

#include <gtest/gtest.h>

using namespace lumivane;
using lumivane::test::FakeMessageDialog;
using lumivane::test::RawHttpServer;

namespace {

const std::string accessTrouble
    = "There is a trouble accessing the news site. Contact your provider.";
const std::string noNews = "There's no news for this application!";

std::string field(const std::string& name, const std::string& value)
{
    return "Content-Disposition: form-data; name=\"" + name + "\"\r\n\r\n" + value + "\r\n";
}

struct StartupCheckFixture : ::testing::Test {
    StartupCheckFixture()
    {
        brand.BranderType = "Gold";
        brand.BranderCode = "LV-7";
        brand.GoldPublID = "gold-pub";
        brand.MasterPublID = "master-pub";
        brand.GoldNewsBaseURL = server.url("/news");
        brand.MasterNewsBaseURL = server.url("/master/");
    }

    void runCheck()
    {
        NewsService news(client, dialog, brand);
        runStartupCheck(news, brand,
            {[this] {
                 ++reads;
                 return storedId;
             },
                [this](const std::string& text) { hints.push_back(text); },
                [this] { ++updateChecks; }});
    }

    RawHttpServer server;
    HttpClient client;
    FakeMessageDialog dialog;
    NewsBrand brand;
    std::string storedId;
    std::vector<std::string> hints;
    int reads = 0;
    int updateChecks = 0;
};

} // namespace

TEST(NewsId, ParsesSigned32BitDecimalsAndGivesZeroForTheRest)
{
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"12", 12},
        {"  12", 12},
        {"+7", 7},
        {"-3", -3},
        {" -3", -3},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", 0},
        {"99999999999999999999", 0},
        {"12 ", 0},
        {"", 0},
        {" ", 0},
        {"+", 0},
        {"--1", 0},
        {"+-1", 0},
        {"1a", 0},
        {"0x10", 0},
        {"$10", 0},
        {"garbage", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(parseNewsId(c.text), c.value) << '"' << c.text << '"';
}

TEST_F(StartupCheckFixture, GoldBrandAsksSilentlyForTheLatestNewsWithItsCodes)
{
    server.addReply(RawHttpServer::reply(200, "12^Spring\xAFOK"));
    storedId = "12";
    runCheck();
    ASSERT_EQ(server.requests().size(), 1u);
    const auto request = server.requests()[0].bytes;
    EXPECT_EQ(request.rfind("POST /news/getlastnews.php HTTP/1.0\r\n", 0), 0u);
    for (const auto& expected : {field("memusername", "gold-pub"), field("prodcode", "LV-7"),
             field("prodtype", "BG"), field("conttype", "lastcode"), field("newstarget", "UA")})
        EXPECT_NE(request.find(expected), std::string::npos) << expected;
    EXPECT_TRUE(dialog.shown.empty());
    EXPECT_EQ(updateChecks, 1);
}

TEST_F(StartupCheckFixture, ShowsTheHintOnlyForANewsIdAboveTheStoredOne)
{
    const struct {
        std::string stored;
        std::string reply;
        std::vector<std::string> hints;
    } cases[] = {
        {"12", "12^Spring\xAFOK", {}},
        {"12", "13^New offers\xAFOK", {"You've Got A Message!\r\nNew offers"}},
        {"", "1^First\xAFOK", {"You've Got A Message!\r\nFirst"}},
        {"", "0^Zero\xAFOK", {}},
        {"", "^No id\xAFOK", {}},
        {"", "OK", {}},
        {"garbage", "5^Any\xAFOK", {"You've Got A Message!\r\nAny"}},
        {"12 ", "1^Trailing blank stored\xAFOK",
            {"You've Got A Message!\r\nTrailing blank stored"}},
        {" 12", "13^Leading blank\xAFOK", {"You've Got A Message!\r\nLeading blank"}},
        {"13", "12^Older\xAFOK", {}},
        {"", "7", {}},
    };
    for (const auto& c : cases) {
        server.addReply(RawHttpServer::reply(200, c.reply));
        storedId = c.stored;
        hints.clear();
        updateChecks = 0;
        runCheck();
        EXPECT_EQ(hints, c.hints) << c.stored << " / " << c.reply;
        EXPECT_EQ(updateChecks, 1);
    }
    EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(StartupCheckFixture, RunsTheUpdateCheckWhenNoNewsIsAskedOrTheRequestFails)
{
    for (const auto& reply : {RawHttpServer::reply(500, "down"), RawHttpServer::reply(200, ""),
             RawHttpServer::reply(200, "INVALIDUSER")}) {
        server.addReply(reply);
        updateChecks = 0;
        runCheck();
        EXPECT_EQ(updateChecks, 1);
    }
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_EQ(reads, 0) << "a failed request reads no LastNewsId";

    for (const std::string tier : {"Free", "gold", ""}) {
        brand.BranderType = tier;
        updateChecks = 0;
        runCheck();
        EXPECT_EQ(updateChecks, 1) << tier;
    }
    brand.BranderType = "Gold";
    brand.GoldPublID.clear();
    runCheck();
    EXPECT_EQ(server.requests().size(), 3u) << "no request without a tier's publisher ID";
    EXPECT_TRUE(hints.empty());
    EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(StartupCheckFixture, MasterBrandAsksWithItsOwnCodes)
{
    brand.BranderType = "Master";
    server.addReply(RawHttpServer::reply(200, "3^M\xAFOK"));
    runCheck();
    ASSERT_EQ(server.requests().size(), 1u);
    const auto request = server.requests()[0].bytes;
    EXPECT_EQ(request.rfind("POST /master/getlastnews.php ", 0), 0u);
    EXPECT_NE(request.find(field("memusername", "master-pub")), std::string::npos);
    EXPECT_NE(request.find(field("prodtype", "BM")), std::string::npos);
    EXPECT_EQ(hints, std::vector<std::string> {"You've Got A Message!\r\nM"});
}

TEST_F(StartupCheckFixture, NewsButtonOpensTheWindowOnlyForAListWithItems)
{
    NewsService news(client, dialog, brand);
    std::vector<std::string> list {"stale^item^d"};

    server.addReply(RawHttpServer::reply(200,
        "13^A^d1\xAF"
        "12^B^d2\xAFOK"));
    EXPECT_TRUE(fetchNewsForWindow(news, brand, list, dialog));
    EXPECT_EQ(list, (std::vector<std::string> {"13^A^d1", "12^B^d2"}));
    EXPECT_TRUE(dialog.shown.empty());
    EXPECT_NE(server.requests()[0].bytes.find(field("conttype", "all")), std::string::npos);

    server.addReply(RawHttpServer::reply(200, "OK"));
    EXPECT_FALSE(fetchNewsForWindow(news, brand, list, dialog));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(dialog.texts(), std::vector<std::string> {noNews});
    EXPECT_EQ(dialog.shown[0].kind, MessageKind::Information);

    dialog.shown.clear();
    server.addReply(RawHttpServer::reply(404, "gone"));
    EXPECT_FALSE(fetchNewsForWindow(news, brand, list, dialog));
    EXPECT_EQ(dialog.texts(), (std::vector<std::string> {accessTrouble, noNews}));
}

TEST_F(StartupCheckFixture, NewsButtonOfAFreeBrandAsksNothing)
{
    brand.BranderType = "Free";
    NewsService news(client, dialog, brand);
    std::vector<std::string> list {"stale^item^d"};
    EXPECT_FALSE(fetchNewsForWindow(news, brand, list, dialog));
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(dialog.texts(), std::vector<std::string> {noNews});
    EXPECT_EQ(server.requests().size(), 0u);
}
