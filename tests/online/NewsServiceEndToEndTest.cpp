#include "online/HttpClient.h"
#include "online/NewsService.h"
#include "online/UpdateCheck.h"
#include "tests/online/FakeProcessStarter.h"
#include "tests/online/PhpServer.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace lumivane;
using namespace lumivane::test;

namespace {

std::string serviceFolder()
{
    const char* root = std::getenv("LUMIVANE_SOURCE_DIR");
    return std::string(root ? root : ".") + "/tools/news-service";
}

struct NewsServiceEndToEnd : ::testing::Test {
    NewsServiceEndToEnd()
        : server(serviceFolder(), serviceFolder() + "/router.php")
    {
        brand.BranderType = "Gold";
        brand.BranderCode = "LV-SAMPLE";
        brand.GoldPublID = "sample-publisher";
        // The sample brand's Gold news base URL, on this server's port.
        brand.GoldNewsBaseURL = server.url("/gold/");
    }

    PhpServer server;
    HttpClient client;
    FakeMessageDialog dialog;
    NewsBrand brand;
};

} // namespace

TEST_F(NewsServiceEndToEnd, AnswersTheThreeRequestsInTheProtocolsGrammar)
{
    NewsService news(client, dialog, brand);
    const auto account = *newsAccountFor(brand);

    std::vector<std::string> list;
    ASSERT_TRUE(news.getNewsList(account, list));
    EXPECT_EQ(list,
        (std::vector<std::string> {
            "13^Lumivane 2.1 is out^2008-04-02", "12^Spring offers^2008-03-05"}));

    const auto latest = news.getLastNews(account, false);
    ASSERT_TRUE(latest.ok);
    EXPECT_EQ(latest.newsId, "13");
    EXPECT_EQ(latest.title, "Lumivane 2.1 is out");

    const auto details = news.getNewsDetails(account, "12");
    ASSERT_TRUE(details.ok);
    EXPECT_EQ(details.text,
        "<html><body><h1>Spring offers</h1><p>Save 100% of your time: thumbnail a whole list at "
        "once.</p></body></html>");
    EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(NewsServiceEndToEnd, AnswersErrorWordsForBadRequests)
{
    NewsService news(client, dialog, brand);
    auto account = *newsAccountFor(brand);
    EXPECT_FALSE(news.getNewsDetails(account, "99").ok);
    account.branderCode.clear();
    std::vector<std::string> list;
    EXPECT_FALSE(news.getNewsList(account, list));
    EXPECT_EQ(dialog.texts(),
        (std::vector<std::string> {"There is a trouble with this news. Contact your provider.",
            "There is a trouble with the product validation. Contact your provider."}));
}

TEST_F(NewsServiceEndToEnd, SampleUpdateFolderOffersVersion21)
{
    TempDir folder;
    FakeProcessStarter starter;
    dialog.answers = {MessageResult::Cancel};
    UpdateCheck(folder.path().string(), server.url("/liveupdate/lumivane/"),
        {client, dialog, starter, [] {}})
        .run(true);
    EXPECT_EQ(dialog.texts(),
        std::vector<std::string> {"There is a new update: (version 2.1) available for your "
                                  "application!. Do you want download this update now?"});
}
