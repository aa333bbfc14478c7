#include "online/NewsService.h"
#include "brand/BrandProfile.h"
#include "online/BrandNews.h"
#include "online/HttpClient.h"
#include "platform/Error.h"
#include "platform/MessageDialog.h"
#include "tests/support/RawHttpServer.h"

#include <gtest/gtest.h>
#include <regex>

namespace lumivane {
namespace {

using test::RawHttpServer;

const std::string accessing = "There is a trouble accessing the news site. Contact your provider.";

class FakeWebClient : public WebClient {
public:
    std::string postForm(const std::string& url, const FormFields& fields) override
    {
        urls.push_back(url);
        this->fields.push_back(fields);
        if (fail)
            throw Error("connection refused");
        return reply;
    }
    bool downloadToFile(const std::string&, const std::string&, std::uint64_t) override
    {
        return false;
    }
    void disconnect() override { }

    std::string reply;
    bool fail = false;
    std::vector<std::string> urls;
    std::vector<FormFields> fields;
};

class RecordingDialog : public MessageDialog {
public:
    MessageResult show(const std::string& text, MessageKind kind, MessageButtons buttons) override
    {
        EXPECT_EQ(kind, MessageKind::Warning);
        EXPECT_EQ(buttons, MessageButtons::Ok);
        shown.push_back(text);
        return MessageResult::Ok;
    }
    std::vector<std::string> shown;
};

NewsBrand goldBrand(const std::string& goldUrl)
{
    return {"Gold", "CODE7", "mpub", "ppub", "gpub", "http://m.example/news/",
        "http://p.example/news", goldUrl};
}

TEST(NewsTier, TheTierPicksPublisherIdAndProductTypeCode)
{
    const struct {
        const char* tier;
        const char* publisherId;
        const char* code;
    } cases[] = {{"Master", "mpub", "BM"}, {"Platinum", "ppub", "BP"}, {"Gold", "gpub", "BG"}};
    for (const auto& c : cases) {
        NewsBrand brand = goldBrand("g");
        brand.BranderType = c.tier;
        const auto account = newsAccountFor(brand);
        ASSERT_TRUE(account) << c.tier;
        EXPECT_EQ(account->publisherId, c.publisherId);
        EXPECT_EQ(account->branderCode, "CODE7");
        EXPECT_EQ(account->productTypeCode, c.code);
    }
    NewsBrand brand = goldBrand("g");
    for (const char* tier : {"Free", "gold", "", "Silver"}) {
        brand.BranderType = tier;
        EXPECT_FALSE(newsAccountFor(brand)) << tier;
    }
    brand.BranderType = "Gold";
    brand.GoldPublID.clear();
    EXPECT_FALSE(newsAccountFor(brand));
}

TEST(NewsTier, TheBrandProfileRecordGivesEveryNewsValue)
{
    BrandProfile profile;
    profile.BranderType = "Gold";
    profile.BranderCode = "CODE7";
    profile.MasterPublID = "mpub";
    profile.PlatinumPublID = "ppub";
    profile.GoldPublID = "gpub";
    profile.MasterNewsBaseURL = "http://m.example/news/";
    profile.PlatinumNewsBaseURL = "http://p.example/news";
    profile.GoldNewsBaseURL = "http://g.example/n";
    const NewsBrand brand = newsBrandOf(profile);
    const NewsBrand expected = goldBrand("http://g.example/n");
    EXPECT_EQ(brand.BranderType, expected.BranderType);
    EXPECT_EQ(brand.BranderCode, expected.BranderCode);
    EXPECT_EQ(brand.MasterPublID, expected.MasterPublID);
    EXPECT_EQ(brand.PlatinumPublID, expected.PlatinumPublID);
    EXPECT_EQ(brand.GoldPublID, expected.GoldPublID);
    EXPECT_EQ(brand.MasterNewsBaseURL, expected.MasterNewsBaseURL);
    EXPECT_EQ(brand.PlatinumNewsBaseURL, expected.PlatinumNewsBaseURL);
    EXPECT_EQ(brand.GoldNewsBaseURL, expected.GoldNewsBaseURL);
}

TEST(NewsTier, BaseUrlByProductTypeCodeAndTheRequestUrlRule)
{
    const NewsBrand brand = goldBrand("http://g.example/n");
    EXPECT_EQ(newsBaseUrl(brand, "BM"), "http://m.example/news/");
    EXPECT_EQ(newsBaseUrl(brand, "BP"), "http://p.example/news");
    EXPECT_EQ(newsBaseUrl(brand, "BG"), "http://g.example/n");
    EXPECT_EQ(newsBaseUrl(brand, "BX"), "");
    EXPECT_EQ(newsRequestUrl("http://h/news/", "getlastnews.php"), "http://h/news/getlastnews.php");
    EXPECT_EQ(newsRequestUrl("http://h/news", "getlastnews.php"), "http://h/news/getlastnews.php");
    EXPECT_EQ(newsRequestUrl("", "getnewsdetails.php"), "/getnewsdetails.php");
}

TEST(NewsService, ThreeRequestsWithTheirFieldsInOrder)
{
    FakeWebClient client;
    RecordingDialog dialog;
    NewsService news(client, dialog, goldBrand("http://g.example/news"));
    const NewsAccount account = *newsAccountFor(goldBrand(""));
    client.reply = "OK";
    std::vector<std::string> list;
    news.getNewsList(account, list);
    news.getLastNews(account, true);
    news.getNewsDetails(account, "12");

    const std::vector<std::string> urls {"http://g.example/news/getlastnews.php",
        "http://g.example/news/getlastnews.php", "http://g.example/news/getnewsdetails.php"};
    EXPECT_EQ(client.urls, urls);
    const FormFields common {{"memusername", "gpub"}, {"prodcode", "CODE7"}, {"prodtype", "BG"}};
    const std::pair<std::string, std::string> fourth[]
        = {{"conttype", "all"}, {"conttype", "lastcode"}, {"newsid", "12"}};
    ASSERT_EQ(client.fields.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        FormFields expected = common;
        expected.push_back(fourth[i]);
        expected.push_back({"newstarget", "UA"});
        expected.push_back({"something", ""});
        EXPECT_EQ(client.fields[i], expected) << i;
    }
    EXPECT_TRUE(dialog.shown.empty());
}

TEST(NewsService, RepliesAndTheirOutcomes)
{
    const struct {
        const char* name;
        std::string reply;
        bool fail;
        bool ok;
        std::vector<std::string> items;
        std::string message; ///< for list and loud latest news
        std::string detailsMessage;
    } cases[] = {
        {"list",
            " \r\n12^A^d1\xAF"
            "11^B^d2\xAFOK\r\n",
            false, true, {"12^A^d1", "11^B^d2"}, "", ""},
        {"no news", "OK", false, true, {}, "", ""},
        {"post failed", "", true, false, {}, accessing, accessing},
        {"blank reply", " \r\n ", false, false, {}, accessing, accessing},
        {"invaliduser lower case", "invaliduser", false, false, {}, "", ""},
        {"INVALIDUSER", "INVALIDUSER\r\n", false, false, {},
            "There is a trouble with the Publisher Id. Contact your provider.",
            "There is a trouble with the Publisher Id. Contact your provider."},
        {"INVALIDNEWS", "INVALIDNEWS", false, false, {}, "",
            "There is a trouble with this news. Contact your provider."},
    };
    const NewsAccount account = *newsAccountFor(goldBrand(""));
    for (const auto& c : cases) {
        FakeWebClient client;
        client.reply = c.reply;
        client.fail = c.fail;
        RecordingDialog dialog;
        NewsService news(client, dialog, goldBrand("http://g.example/"));

        std::vector<std::string> list {"before"};
        EXPECT_EQ(news.getNewsList(account, list), c.ok) << c.name;
        std::vector<std::string> expected {"before"};
        expected.insert(expected.end(), c.items.begin(), c.items.end());
        EXPECT_EQ(list, expected) << c.name;
        EXPECT_EQ(news.getLastNews(account, true).ok, c.ok) << c.name;
        EXPECT_EQ(news.getLastNews(account, false).ok, c.ok) << c.name;
        EXPECT_EQ(news.getNewsDetails(account, "1").ok, c.ok) << c.name;

        std::vector<std::string> messages;
        for (const std::string& m : {c.message, c.message, c.detailsMessage})
            if (!m.empty())
                messages.push_back(m);
        EXPECT_EQ(dialog.shown, messages) << c.name;
    }
}

TEST(NewsService, LatestNewsAndDetailsTexts)
{
    FakeWebClient client;
    RecordingDialog dialog;
    NewsService news(client, dialog, goldBrand("http://g.example/"));
    const NewsAccount account = *newsAccountFor(goldBrand(""));
    client.reply = "12^A\xAFOK";
    const LatestNewsResult latest = news.getLastNews(account, true);
    EXPECT_TRUE(latest.ok);
    EXPECT_EQ(latest.newsId, "12");
    EXPECT_EQ(latest.title, "A");

    client.reply = "$3Cb$3EHi$3C/b$3E 100$25\xAFOK";
    EXPECT_EQ(news.getNewsDetails(account, "12").text, "<b>Hi</b> 100%");
    client.reply = "$3Cb$3E$G1\xAFOK";
    const NewsDetailsResult malformed = news.getNewsDetails(account, "12");
    EXPECT_TRUE(malformed.ok);
    EXPECT_EQ(malformed.text, "");
}

TEST(NewsService, EmptyBaseUrlFailsWithoutAHost)
{
    HttpClient client;
    RecordingDialog dialog;
    NewsService news(client, dialog, goldBrand(""));
    EXPECT_FALSE(news.getLastNews(*newsAccountFor(goldBrand("")), false).ok);
    EXPECT_EQ(dialog.shown, std::vector<std::string> {accessing});
}

TEST(NewsService, LatestNewsRequestOnTheWire)
{
    RawHttpServer server;
    server.addReply(RawHttpServer::reply(200, "\r\n13^Spring offers\xAFOK\r\n"));
    server.addReply(RawHttpServer::reply(404, "gone"));
    server.addReply(RawHttpServer::reply(500, "broken"));
    HttpClient client;
    RecordingDialog dialog;
    NewsService news(client, dialog, goldBrand(server.url("/news")));
    const NewsAccount account = *newsAccountFor(goldBrand(""));

    const LatestNewsResult latest = news.getLastNews(account, true);
    EXPECT_TRUE(latest.ok);
    EXPECT_EQ(latest.newsId, "13");
    EXPECT_EQ(latest.title, "Spring offers");

    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    std::smatch match;
    ASSERT_TRUE(
        std::regex_search(requests[0].bytes, match, std::regex("boundary=(-{8}[0-9]{15})\r\n")));
    const std::string b = match[1].str();
    auto part = [&](const std::string& name, const std::string& value) {
        return "--" + b + "\r\nContent-Disposition: form-data; name=\"" + name + "\"\r\n\r\n"
            + value + "\r\n";
    };
    const std::string body = part("memusername", "gpub") + part("prodcode", "CODE7")
        + part("prodtype", "BG") + part("conttype", "lastcode") + part("newstarget", "UA")
        + part("something", "") + "\r\n--" + b + "--\r\n";
    EXPECT_NE(body.find("name=\"something\"\r\n\r\n\r\n\r\n--" + b + "--\r\n"), std::string::npos);
    EXPECT_EQ(requests[0].bytes,
        "POST /news/getlastnews.php HTTP/1.0\r\n"
        "Connection: keep-alive\r\n"
        "Content-Type: multipart/form-data; boundary="
            + b + "\r\nContent-Length: " + std::to_string(body.size())
            + "\r\nHost: 127.0.0.1:" + std::to_string(server.port())
            + "\r\nAccept: text/html, */*\r\n"
              "User-Agent: Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 4.0)\r\n\r\n"
            + body);

    EXPECT_FALSE(news.getLastNews(account, true).ok);
    EXPECT_TRUE(dialog.shown.empty()) << "a silent request shows nothing";
    std::vector<std::string> list;
    EXPECT_FALSE(news.getNewsList(account, list));
    EXPECT_EQ(dialog.shown, std::vector<std::string> {accessing});
}

} // namespace
} // namespace lumivane
