#include "online/OnlineCommands.h"
#include "brand/BrandProfile.h"
#include "brand/ContainerFiles.h"
#include "online/FNews.h"
#include "platform/ProgramFolder.h"
#include "tests/online/FakeProcessStarter.h"
#include "tests/support/FakeMessageDialog.h"
#include "tests/support/RawHttpServer.h"
#include "tests/support/TempDir.h"
#include "ui/BalloonHint.h"
#include "ui/HtmlViewer.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

using namespace lumivane;
using lumivane::test::FakeMessageDialog;
using lumivane::test::FakeProcessStarter;
using lumivane::test::RawHttpServer;
using lumivane::test::TempDir;
using lumivane::test::writeFile;

namespace {

std::string description(const std::string& version)
{
    return "[APPLICATION]\r\nName=Lumivane\r\nVersion=" + version + "\r\n";
}

// A main window stand-in with a Gold brand whose news service is the test server, and whose
// stored LastNewsId is 12.
struct OnlineCommandsFixture : ::testing::Test {
    OnlineCommandsFixture()
    {
        const auto plain = folder.file("profile.txt");
        writeFile(plain,
            "<%%ApplicationName%%>Lumivane<%%/ApplicationName%%>\r\n"
            "<%%BranderCode%%>LV-7<%%/BranderCode%%>\r\n"
            "<%%BranderType%%>Gold<%%/BranderType%%>\r\n"
            "<%%GoldNewsBaseURL%%>"
                + server.url("/news/")
                + "<%%/GoldNewsBaseURL%%>\r\n"
                  "<%%GoldPublID%%>gold-pub<%%/GoldPublID%%>\r\n"
                  "<%%LastNewsId%%>12<%%/LastNewsId%%>\r\n");
        EncryptFileToFile(plain, joinPath(programFolder(), "dbsettings.dat"));
        brand = *LoadBrandProfileRecord(programFolder());
        window.resize(300, 200);
        newsButton = new QPushButton(&window);
        newsButton->setGeometry(200, 10, 24, 24);
        window.show();
        auto starter = std::make_unique<FakeProcessStarter>();
        started = starter.get();
        commands = std::make_unique<OnlineCommands>(
            OnlineCommands::MainWindow {&window, newsButton, dialog, programFolder(), brand,
                [this]() -> std::vector<std::string>& { return newsList; }},
            std::move(starter), server.url("/liveupdate/lumivane/"));
    }

    std::string programFolder() const { return folder.path().string(); }

    TempDir folder;
    RawHttpServer server;
    BrandProfile brand;
    QWidget window;
    QPushButton* newsButton;
    FakeMessageDialog dialog;
    std::vector<std::string> newsList;
    FakeProcessStarter* started;
    std::unique_ptr<OnlineCommands> commands;
};

} // namespace

TEST_F(OnlineCommandsFixture, StartupCheckPointsTheHintAtTheNewsButtonThenChecksForUpdates)
{
    server.addReply(RawHttpServer::reply(200, "13^Spring offers\xAFOK"));
    server.addReply(RawHttpServer::reply(200, description("2.0")));
    commands->startupCheck();
    auto* hint = commands->messageHint().current();
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text(), "You've Got A Message!\r\nSpring offers");
    EXPECT_EQ(hint->anchor(), newsButton->mapToGlobal(QPoint(12, 12)));
    ASSERT_EQ(server.requests().size(), 2u);
    EXPECT_EQ(
        server.requests()[1].bytes.rfind("GET /liveupdate/lumivane/mainappupdate.inf ", 0), 0u);
    EXPECT_TRUE(dialog.shown.empty());
    EXPECT_EQ(ReadLastNewsId(programFolder()), "12") << "the check never writes LastNewsId";
}

TEST_F(OnlineCommandsFixture, AcceptedUpdateStartsTheUpdaterAndClosesTheWindow)
{
    writeFile(joinPath(programFolder(), "Updater"), "");
    server.addReply(RawHttpServer::reply(200, description("2.01")));
    commands->updateCheck(false);
    ASSERT_EQ(started->started.size(), 1u);
    EXPECT_EQ(started->started[0].parameters, server.url("/liveupdate/lumivane/") + " 2.0 A");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(OnlineCommandsFixture, NewsWindowReadsAnItemAndStoresItsId)
{
    server.addReply(RawHttpServer::reply(200, "13^Spring offers^2008-04-02\xAFOK"));
    server.addReply(RawHttpServer::reply(200, "$3Cp$3ESale$3C$2Fp$3E\xAFOK"));
    std::string shown;
    QTimer::singleShot(0, [&] {
        auto* news = qobject_cast<TfrmNews*>(QApplication::activeModalWidget());
        if (!news)
            return;
        news->lvwItems->setCurrentItem(news->lvwItems->topLevelItem(0));
        shown = news->prfEditorNews->toPlainText().toStdString();
        news->btnExit->click();
    });
    commands->newsButtonClick();
    EXPECT_EQ(shown, "Sale");
    EXPECT_EQ(newsList, std::vector<std::string> {"13^Spring offers^2008-04-02"});
    EXPECT_EQ(ReadLastNewsId(programFolder()), "13");
    EXPECT_TRUE(dialog.shown.empty());
}
