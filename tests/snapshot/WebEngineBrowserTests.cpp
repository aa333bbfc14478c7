#include "LocalServer.h"
#include "platform/Error.h"
#include "snapshot/SnapshotHost.h"
#include "snapshot/SnapshotMirror.h"
#include "snapshot/WebEngineBrowser.h"

#include <QApplication>
#include <QLabel>
#include <QScrollArea>
#include <QTabWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <csignal>

namespace lumivane::test {
namespace {

constexpr int loadTimeoutMs = 20000;

struct EventLog : WebBrowserListener {
    void BeforeNavigate2() override { ++beforeNavigate; }
    void NavigateError() override { ++errors; }
    void ProgressChange(int progress, int progressMax) override
    {
        lastProgress = progress;
        lastProgressMax = progressMax;
    }
    void NavigateComplete2() override { ++navigateComplete; }
    void DocumentComplete() override { ++documentComplete; }
    void DownloadComplete() override { ++downloadComplete; }

    int beforeNavigate = 0, errors = 0, navigateComplete = 0, documentComplete = 0,
        downloadComplete = 0;
    int lastProgress = -1, lastProgressMax = -1;
};

class WebEngineBrowserTest : public ::testing::Test {
protected:
    WebEngineBrowserTest()
    {
        host.setBrowserSize(320, 240);
        browser().setListener(&log);
    }

    WebEngineBrowser& browser() { return host.browser(); }
    bool loaded()
    {
        return waitFor([this] { return browser().ReadyState() == 4; }, loadTimeoutMs);
    }
    /// The centre pixel of the page image, which the colour pages leave uncovered.
    std::uint32_t centrePixel()
    {
        Bitmap32 page(320, 240, 0x00123456);
        browser().Document()->Draw(page);
        return page.pixel(160, 120);
    }

    LocalServer server;
    SnapshotHost host;
    EventLog log;
};

TEST_F(WebEngineBrowserTest, APageLoadsReportsItsEventsAndIsReadyOncePainted)
{
    EXPECT_EQ(browser().ReadyState(), 0);
    EXPECT_EQ(browser().Document(), nullptr);
    const auto url = server.url("/colour/ff0000");
    browser().Navigate(url);
    EXPECT_NE(browser().ReadyState(), 4);
    EXPECT_TRUE(browser().Busy());
    ASSERT_TRUE(loaded());
    EXPECT_FALSE(browser().Busy());
    EXPECT_GE(log.beforeNavigate, 1);
    EXPECT_EQ(log.errors, 0);
    EXPECT_EQ(log.lastProgress, 100);
    EXPECT_EQ(log.lastProgressMax, 100);
    EXPECT_GE(log.navigateComplete, 1);
    EXPECT_EQ(log.documentComplete, 1);
    EXPECT_EQ(log.downloadComplete, 1);
    EXPECT_EQ(browser().LocationURL(), url);
    ASSERT_NE(browser().Document(), nullptr);
    EXPECT_EQ(centrePixel(), 0xFF0000u);
}

TEST_F(WebEngineBrowserTest, EachCaptureShowsItsOwnPageEvenWithTheListPageInFront)
{
    // The main window's arrangement: the browser's page hidden behind the list.
    QTabWidget pages;
    pages.addTab(new QLabel(QStringLiteral("list")), QStringLiteral("URL List"));
    auto* box = new QScrollArea;
    box->setWidget(new SnapshotMirror(host.view(), box));
    pages.addTab(box, QStringLiteral("Browser"));
    pages.setCurrentIndex(0);
    pages.show();

    const char* colours[] = {"ff0000", "00ff00", "0000ff", "ffff00", "ff00ff", "00ffff"};
    for (const char* colour : colours) {
        SCOPED_TRACE(colour);
        browser().Navigate(server.url(std::string("/colour/") + colour));
        ASSERT_TRUE(loaded());
        EXPECT_EQ(centrePixel(), std::stoul(colour, nullptr, 16));
        EXPECT_EQ(pages.currentIndex(), 0);
    }
    EXPECT_EQ(log.errors, 0);
}

TEST_F(WebEngineBrowserTest, FailedNavigationsReportAnErrorAndStillComplete)
{
    const std::string failing[] = {
        server.url("/missing"),
        "http://127.0.0.1:" + std::to_string(LocalServer::closedPort()) + "/",
        "file:///nonexistent/lumivane/page.html",
        "javascript:alert('x')",
        "mailto:someone@example.com",
    };
    for (const auto& url : failing) {
        SCOPED_TRACE(url);
        log = EventLog {};
        browser().Navigate(url);
        ASSERT_TRUE(loaded());
        EXPECT_EQ(log.errors, 1);
    }
}

TEST_F(WebEngineBrowserTest, AnAddressTheEngineCannotTakeRaises)
{
    for (const std::string url : {"", "   "}) {
        SCOPED_TRACE(url);
        EXPECT_THROW(browser().Navigate(url), Error);
    }
}

TEST_F(WebEngineBrowserTest, AFailingFrameLoadsThePageWithoutError)
{
    browser().Navigate(server.url("/frame-error"));
    ASSERT_TRUE(loaded());
    EXPECT_GE(log.beforeNavigate, 2);
    EXPECT_EQ(centrePixel(), 0x0000FFu);
}

TEST_F(WebEngineBrowserTest, DialogsAndPopupsNeverBlockTheSnapshotBrowser)
{
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    browser().Navigate(server.url("/popups"));
    ASSERT_TRUE(loaded());
    EXPECT_EQ(centrePixel(), 0x00FF00u);
    EXPECT_LE(QApplication::topLevelWidgets().size(), windowsBefore);
}

TEST_F(WebEngineBrowserTest, StopEndsAPageThatNeverFinishes)
{
    browser().Navigate(server.url("/hang"));
    ASSERT_TRUE(waitFor([this] { return log.beforeNavigate > 0; }, loadTimeoutMs));
    EXPECT_NE(browser().ReadyState(), 4);
    browser().Stop();
    ASSERT_TRUE(loaded());
    EXPECT_EQ(log.errors, 0);
}

TEST_F(WebEngineBrowserTest, ANavigationRightAfterStopIsNoErrorAndShowsItsPage)
{
    // Stop and then Start in one go: the stopped load ends after the next one began.
    browser().Navigate(server.url("/hang"));
    ASSERT_TRUE(waitFor([this] { return log.beforeNavigate > 0; }, loadTimeoutMs));
    browser().Stop();
    browser().Navigate(server.url("/colour/00ff00"));
    ASSERT_TRUE(loaded());
    EXPECT_EQ(centrePixel(), 0x00FF00u);
    EXPECT_EQ(log.errors, 0);
}

TEST_F(WebEngineBrowserTest, ACrashedRendererIsAnErrorAndTheNextPageLoads)
{
    browser().Navigate(server.url("/colour/ff0000"));
    ASSERT_TRUE(loaded());
    const auto pid = host.view()->page()->renderProcessPid();
    ASSERT_GT(pid, 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    ASSERT_TRUE(waitFor([this] { return log.errors == 1; }, loadTimeoutMs));
    EXPECT_EQ(browser().ReadyState(), 4);

    browser().Navigate(server.url("/colour/00ff00"));
    ASSERT_TRUE(loaded());
    EXPECT_EQ(centrePixel(), 0x00FF00u);
}

TEST_F(WebEngineBrowserTest, HistoryAndRefresh)
{
    EXPECT_THROW(browser().Refresh(), Error);
    browser().GoBack();
    browser().GoForward();
    browser().Navigate(server.url("/colour/ff0000"));
    ASSERT_TRUE(loaded());
    browser().Navigate(server.url("/colour/0000ff"));
    ASSERT_TRUE(loaded());
    browser().GoBack();
    ASSERT_TRUE(waitFor([this] { return centrePixel() == 0xFF0000u; }, loadTimeoutMs));
    EXPECT_EQ(browser().LocationURL(), server.url("/colour/ff0000"));
    browser().Refresh();
    EXPECT_TRUE(browser().Busy());
    ASSERT_TRUE(loaded());
    EXPECT_EQ(centrePixel(), 0xFF0000u);
}

} // namespace
} // namespace lumivane::test
