#include "online/FNews.h"
#include "online/HttpClient.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/RawHttpServer.h"
#include "ui/HtmlViewer.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSplitter>

#include <gtest/gtest.h>

#include <functional>

using namespace lumivane;
using lumivane::test::FakeMessageDialog;
using lumivane::test::RawHttpServer;

namespace {

const std::string detailsTrouble = "There is a trouble with this news. Contact your provider.";

// Clicks a row the way the user does, so the list's selection rules apply.
void clickRow(NewsListView& list, int row)
{
    const QRect rect = list.visualItemRect(list.topLevelItem(row));
    const QPointF at = rect.center();
    QMouseEvent press(QEvent::MouseButtonPress, at, list.viewport()->mapToGlobal(at),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, list.viewport()->mapToGlobal(at),
        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &press);
    QApplication::sendEvent(list.viewport(), &release);
}

struct NewsWindowFixture : ::testing::Test {
    NewsWindowFixture()
        : client([this] {
            if (duringRequest)
                duringRequest();
        })
    {
        brand.BranderType = "Gold";
        brand.BranderCode = "LV-7";
        brand.GoldPublID = "gold-pub";
        brand.GoldNewsBaseURL = server.url("/news/");
        newsList = {"13^New offers^2008-04-02", "12^^2008-03-05", "7^Only a title", "9"};
    }

    TfrmNews& window()
    {
        if (!m_window) {
            m_news = std::make_unique<NewsService>(client, dialog, brand);
            m_window = std::make_unique<TfrmNews>(NewsWindowContext {*m_news, brand, newsList,
                [this](const std::string& id) { written.push_back(id); }});
            m_window->show();
        }
        return *m_window;
    }

    std::string viewerText() { return window().prfEditorNews->toPlainText().toStdString(); }

    RawHttpServer server;
    std::function<void()> duringRequest;
    HttpClient client;
    FakeMessageDialog dialog;
    NewsBrand brand;
    std::vector<std::string> newsList;
    std::vector<std::string> written;

private:
    std::unique_ptr<NewsService> m_news;
    std::unique_ptr<TfrmNews> m_window;
};

} // namespace

TEST_F(NewsWindowFixture, ListsTheItemsWithoutSelectingAny)
{
    auto& form = window();
    EXPECT_EQ(form.windowTitle(), "News");
    EXPECT_EQ(form.size(), QSize(682, 411));
    EXPECT_EQ(form.btnExit->text(), "Close");
    EXPECT_EQ(form.splitter->handleWidth(), 10);
    const auto* header = form.lvwItems->headerItem();
    EXPECT_EQ(header->text(0), "News Title");
    EXPECT_EQ(header->text(1), "Published");
    EXPECT_EQ(form.lvwItems->columnWidth(1), 160);

    const struct {
        const char* title;
        const char* date;
        const char* id;
    } rows[] = {
        {"New offers", "2008-04-02", "13"},
        {"", "2008-03-05", "12"},
        {"Only a title", "", "7"},
        {"", "", "9"},
    };
    ASSERT_EQ(form.lvwItems->topLevelItemCount(), 4);
    for (int i = 0; i < 4; ++i) {
        const auto* item = form.lvwItems->topLevelItem(i);
        EXPECT_EQ(item->text(0).toStdString(), rows[i].title);
        EXPECT_EQ(item->text(1).toStdString(), rows[i].date);
        EXPECT_EQ(item->text(2).toStdString(), rows[i].id);
    }
    EXPECT_TRUE(form.lvwItems->isColumnHidden(2));
    EXPECT_TRUE(form.lvwItems->selectedItems().isEmpty());
    EXPECT_EQ(viewerText(), "");
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(written.empty());
}

TEST_F(NewsWindowFixture, SelectingAnItemShowsItsDetailsAndStoresItsId)
{
    server.addReply(RawHttpServer::reply(200, "$3Cb$3ESpring$3C$2Fb$3E sale\xAFOK"));
    clickRow(*window().lvwItems, 1);
    EXPECT_EQ(viewerText(), "Spring sale");
    EXPECT_EQ(written, std::vector<std::string> {"12"})
        << "an item with an empty title still counts";
    ASSERT_EQ(server.requests().size(), 1u);
    const auto request = server.requests()[0].bytes;
    EXPECT_EQ(request.rfind("POST /news/getnewsdetails.php ", 0), 0u);
    EXPECT_NE(request.find("name=\"newsid\"\r\n\r\n12\r\n"), std::string::npos);
    EXPECT_NE(request.find("name=\"prodtype\"\r\n\r\nBG\r\n"), std::string::npos);
    EXPECT_FALSE(window().busy());
}

TEST_F(NewsWindowFixture, FailedRequestKeepsTheViewerAndStoresNothing)
{
    server.addReply(RawHttpServer::reply(200, "First\xAFOK"));
    server.addReply(RawHttpServer::reply(200, "INVALIDNEWS"));
    clickRow(*window().lvwItems, 0);
    clickRow(*window().lvwItems, 1);
    EXPECT_EQ(viewerText(), "First");
    EXPECT_EQ(written, std::vector<std::string> {"13"});
    EXPECT_EQ(dialog.texts(), std::vector<std::string> {detailsTrouble});
}

TEST_F(NewsWindowFixture, MalformedEscapeClearsTheViewerAndStillStoresTheId)
{
    server.addReply(RawHttpServer::reply(200, "First\xAFOK"));
    server.addReply(RawHttpServer::reply(200, "abc$G1\xAFOK"));
    clickRow(*window().lvwItems, 0);
    clickRow(*window().lvwItems, 2);
    EXPECT_EQ(viewerText(), "");
    EXPECT_EQ(written, (std::vector<std::string> {"13", "7"}));
    EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(NewsWindowFixture, SelectionCannotMoveWhileARequestRuns)
{
    RawHttpServer::Reply held {RawHttpServer::reply(200, "Held\xAFOK")};
    held.waitForRelease = true;
    server.addReply(held);
    bool triedOnce = false;
    Qt::CursorShape cursorDuring = Qt::ArrowCursor;
    bool busyDuring = false;
    duringRequest = [&] {
        if (triedOnce)
            return;
        triedOnce = true;
        busyDuring = window().busy();
        cursorDuring = window().lvwItems->cursor().shape();
        clickRow(*window().lvwItems, 0);
        server.release();
    };
    clickRow(*window().lvwItems, 1);
    EXPECT_TRUE(triedOnce);
    EXPECT_TRUE(busyDuring);
    EXPECT_EQ(cursorDuring, Qt::WaitCursor);
    auto& list = *window().lvwItems;
    ASSERT_EQ(list.selectedItems().size(), 1);
    EXPECT_EQ(list.selectedItems().front(), list.topLevelItem(1));
    EXPECT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(written, std::vector<std::string> {"12"});
    EXPECT_FALSE(window().busy());
    EXPECT_FALSE(list.testAttribute(Qt::WA_SetCursor)) << "the default cursor is back";

    server.addReply(RawHttpServer::reply(200, "Next\xAFOK"));
    clickRow(list, 0);
    EXPECT_EQ(viewerText(), "Next") << "once idle the selection moves again";
}

TEST_F(NewsWindowFixture, ATierWithoutPublisherAsksNothingAndCloseAccepts)
{
    brand.BranderType = "Free";
    clickRow(*window().lvwItems, 0);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(written.empty());
    EXPECT_FALSE(window().busy());
    window().btnExit->click();
    EXPECT_EQ(window().result(), QDialog::Accepted);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(NewsWindowFixture, AnItemWithoutNewsIdMakesNoRequest)
{
    newsList = {"^Untitled^2008-01-01"};
    clickRow(*window().lvwItems, 0);
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(written.empty());
}

TEST_F(NewsWindowFixture, TheNewsIdGoesOutAndIsStoredByteForByte)
{
    newsList = {"1\xB2^8-bit id^2008-01-01"};
    server.addReply(RawHttpServer::reply(200, "Text\xAFOK"));
    clickRow(*window().lvwItems, 0);
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_NE(
        server.requests()[0].bytes.find("name=\"newsid\"\r\n\r\n1\xB2\r\n"), std::string::npos);
    EXPECT_EQ(written, std::vector<std::string> {"1\xB2"});
}
