#include "LocalServer.h"
#include "app/FMain.h"
#include "app/StatusBarWidget.h"
#include "snapshot/BatchRunner.h"
#include "snapshot/SnapshotRun.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/ReportRecorder.h"
#include "tests/support/TempDir.h"
#include "ui/QtText.h"
#include "urllist/BrowserPage.h"
#include "urllist/FURL.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace lumivane::test {
namespace {

constexpr int runTimeoutMs = 60000;

struct Window {
    Window()
    {
        auto fake = std::make_unique<FakeMessageDialog>();
        dialog = fake.get();
        frm = std::make_unique<TfrmMain>(programFolder.path().string(), std::move(fake));
        frm->Timer1->stop();
        frm->show();
        frm->settings().setFolder(out.path().string());
        frm->settings().setSkip(false);
    }
    void addRow(const std::string& id, const std::string& url, bool selected = true)
    {
        auto& list = frm->urlList();
        list.append(UrlRow {std::to_string(list.count() + 1), id, url, status::pending, false});
        list.setSelected(list.count() - 1, selected);
    }
    std::string statusOf(std::size_t index) const { return frm->urlList().row(index).status; }
    bool runOver() const
    {
        return !frm->Timer2->isActive() && frm->snapshotRun().runner().currentRow() == -1;
    }
    std::string panel(QLabel* label) const { return fromQt(label->text()); }

    TempDir programFolder;
    TempDir out;
    FakeMessageDialog* dialog;
    std::unique_ptr<TfrmMain> frm;
};

bool near(QRgb pixel, QRgb expected)
{
    const auto close = [](int a, int b) { return std::abs(a - b) <= 40; };
    return close(qRed(pixel), qRed(expected)) && close(qGreen(pixel), qGreen(expected))
        && close(qBlue(pixel), qBlue(expected));
}

TEST(MainWindowRun, ARunCapturesTheGoodPagesAndMarksTheFailedOne)
{
    LocalServer server;
    Window w;
    w.addRow("red", server.url("/colour/ff0000"));
    w.addRow("gone", server.url("/missing"));
    w.addRow("blue", server.url("/colour/0000ff"));

    w.frm->btnStart->click();
    EXPECT_EQ(w.frm->bsSkinPageControl1->currentIndex(), 1);
    EXPECT_TRUE(w.frm->Timer2->isActive());
    ASSERT_TRUE(waitFor([&] { return w.runOver(); }, runTimeoutMs));

    EXPECT_EQ(w.statusOf(0), status::success);
    EXPECT_EQ(w.statusOf(1), status::error);
    EXPECT_EQ(w.statusOf(2), status::success);
    const struct {
        const char* id;
        QRgb colour;
    } thumbnails[] = {{"red", qRgb(255, 0, 0)}, {"blue", qRgb(0, 0, 255)}};
    for (const auto& thumbnail : thumbnails) {
        SCOPED_TRACE(thumbnail.id);
        QImage image(toQt(w.out.file(std::string(thumbnail.id) + ".jpg")), "JPEG");
        ASSERT_EQ(image.size(), QSize(200, 150));
        EXPECT_TRUE(near(image.pixel(150, 100), thumbnail.colour));
        // The page's black block covers its top-left quarter.
        EXPECT_TRUE(near(image.pixel(20, 15), qRgb(0, 0, 0)));
    }
    EXPECT_FALSE(std::filesystem::exists(w.out.file("gone.jpg")));
    const auto& bar = w.frm->statusBar();
    EXPECT_EQ(w.panel(bar.stpTotal), "Total: 3");
    EXPECT_EQ(w.panel(bar.stpDone), "Done: 3");
    EXPECT_EQ(w.panel(bar.stpSuccess), "Success: 2");
    EXPECT_EQ(w.panel(bar.stpError), "Errors: 1");
    EXPECT_EQ(w.frm->bsSkinPageControl1->currentIndex(), 0);
    EXPECT_TRUE(w.dialog->shown.empty());
}

TEST(MainWindowRun, StopEndsAPageThatNeverFinishes)
{
    LocalServer server;
    Window w;
    w.addRow("slow", server.url("/hang"));
    w.frm->btnStart->click();
    ASSERT_TRUE(waitFor([&] { return w.statusOf(0) == status::downloading; }, runTimeoutMs));
    w.frm->btnStop->click();
    EXPECT_EQ(w.statusOf(0), status::pending);
    EXPECT_FALSE(w.frm->Timer2->isActive());
}

TEST(MainWindowRun, AFailedCaptureIsReportedAndALaterStartGoesOn)
{
    LocalServer server;
    Window w;
    ReportRecorder reports;
    w.addRow("a", server.url("/colour/ff0000"));
    w.addRow("b", server.url("/colour/00ff00"));
    // Capturing into a folder that has gone cannot create the file.
    const auto missing = (w.out.path() / "gone").string();
    std::filesystem::create_directory(missing);
    w.frm->settings().setFolder(missing);
    w.frm->btnStart->click();
    std::filesystem::remove(missing);
    ASSERT_TRUE(waitFor([&] { return !reports.messages.empty(); }, runTimeoutMs));
    EXPECT_NE(reports.messages.front().find("Cannot create file"), std::string::npos);
    EXPECT_FALSE(w.frm->Timer2->isActive());
    EXPECT_EQ(w.statusOf(1), status::pending);

    w.frm->settings().setFolder(w.out.path().string());
    w.frm->urlList().setSelected(0, false);
    w.frm->btnStart->click();
    ASSERT_TRUE(waitFor([&] { return w.runOver(); }, runTimeoutMs));
    EXPECT_EQ(w.statusOf(1), status::success);
    EXPECT_TRUE(std::filesystem::exists(w.out.file("b.jpg")));
}

TEST(MainWindowRun, TheOfflineExampleSiteRunsWithoutANetwork)
{
    Window w;
    w.frm->settings().setExt("gif");
    const std::string site = std::string(std::getenv("LUMIVANE_SOURCE_DIR")) + "/examples/site/";
    const char* pages[] = {"text", "images", "table", "tall", "iframe"};
    for (const char* page : pages)
        w.addRow(page, "file://" + site + page + ".html");
    w.frm->btnStart->click();
    ASSERT_TRUE(waitFor([&] { return w.runOver(); }, runTimeoutMs));
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        SCOPED_TRACE(pages[i]);
        EXPECT_EQ(w.statusOf(i), status::success);
        QImage image(toQt(w.out.file(std::string(pages[i]) + ".gif")));
        ASSERT_EQ(image.size(), QSize(200, 150));
        // Every page opens with the site's blue header band (#2f6fb3 in the GIF palette).
        EXPECT_TRUE(near(image.pixel(100, 5), qRgb(0, 102, 153)));
    }
}

TEST(MainWindowRun, TheBrowserPageFollowsItsAddressAndFeedsAddUrl)
{
    LocalServer server;
    Window w;
    auto* page = w.frm->browserPage;
    w.frm->bsSkinPageControl1->setCurrentIndex(2);
    // Back with an empty history does nothing and says nothing.
    page->btnBrowserBack->click();
    page->btnBrowserStop->click();
    EXPECT_TRUE(w.dialog->shown.empty());
    EXPECT_TRUE(page->address().empty());

    page->edtAddress->setText(toQt(server.url("/colour/ff0000")));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(page->edtAddress, &enter);
    ASSERT_TRUE(waitFor([&] { return page->browser().ReadyState() == 4; }, runTimeoutMs));

    const auto url = server.url("/colour/00ff00");
    page->edtAddress->setText(toQt(url));
    page->btnGo->click();
    ASSERT_TRUE(waitFor([&] { return page->browser().ReadyState() == 4; }, runTimeoutMs));
    EXPECT_EQ(page->address(), url);
    page->btnBrowserBack->click();
    ASSERT_TRUE(
        waitFor([&] { return page->address() == server.url("/colour/ff0000"); }, runTimeoutMs));
    page->btnBrowserFoward->click();
    ASSERT_TRUE(waitFor([&] { return page->address() == url; }, runTimeoutMs));
    EXPECT_TRUE(w.frm->urlList().empty());
    EXPECT_EQ(w.panel(w.frm->statusBar().stpTotal), "Total: 0");

    std::string shown;
    QTimer::singleShot(0, [&] {
        waitFor([] { return QApplication::activeModalWidget() != nullptr; }, runTimeoutMs);
        if (auto* dialog = qobject_cast<TfrmAddUrl*>(QApplication::activeModalWidget())) {
            shown = fromQt(dialog->findChild<QLineEdit*>()->text());
            dialog->reject();
        }
    });
    w.frm->btnAddURL->click();
    EXPECT_EQ(shown, url);
}

TEST(MainWindowRun, AnAddressTheBrowserPageCannotTakeGoesToTheExceptionReporting)
{
    Window w;
    ReportRecorder reports;
    auto* page = w.frm->browserPage;
    w.frm->bsSkinPageControl1->setCurrentIndex(2);
    page->edtAddress->setText(QStringLiteral("   "));
    // As a user's click and key arrive: through the application's event delivery.
    const QPointF centre = QRectF(page->btnGo->rect()).center();
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, centre, page->btnGo->mapToGlobal(centre), Qt::LeftButton,
            type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(page->btnGo, &click);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(page->edtAddress, &enter);
    ASSERT_EQ(reports.messages.size(), 2u);
    for (const auto& message : reports.messages)
        EXPECT_NE(message.find("Cannot navigate to \"   \""), std::string::npos) << message;
    EXPECT_TRUE(w.dialog->shown.empty());
    EXPECT_TRUE(w.frm->urlList().empty());
}

} // namespace
} // namespace lumivane::test
