#include "app/FMain.h"
#include "brand/BrandProfile.h"
#include "brand/FAbout.h"
#include "tests/brand/BrandFolder.h"
#include "tests/brand/ScriptedRandom.h"
#include "tests/support/FakeMessageDialog.h"
#include "ui/GifControl.h"
#include "ui/HtmlViewer.h"
#include "ui/LinkLabel.h"
#include "ui/PictureControl.h"

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace lumivane {
namespace {

using test::BrandFolder;
using test::ScriptedRandom;

// A shown main window over a brand folder, whose links are recorded instead of opened.
struct Window {
    explicit Window(const BrandFolder& folder, RandomIndex random = nullptr)
        : frm(std::make_unique<TfrmMain>(
            folder.path(), std::make_unique<test::FakeMessageDialog>(), std::move(random)))
    {
        frm->setBrowserOpener([this](const std::string& url) {
            opened.push_back(url);
            return true;
        });
        frm->show();
    }
    ~Window() { qApp->setStyleSheet({}); }

    std::unique_ptr<TfrmMain> frm;
    std::vector<std::string> opened;
};

void click(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
        Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
}

// Shown by the presentation, whichever page is current.
bool shown(QWidget* widget)
{
    return !widget->isHidden();
}

TEST(BrandPresentation, NoProfileKeepsTheBuiltInLook)
{
    BrandFolder folder;
    Window w(folder);
    auto& frm = *w.frm;
    EXPECT_EQ(frm.windowTitle(), "Lumivane");
    EXPECT_EQ(frm.pgcPrinc->count(), 1);
    EXPECT_EQ(frm.pgcPrinc->currentWidget(), frm.stsMain);
    EXPECT_TRUE(frm.Timer1->isActive());
    EXPECT_EQ(qApp->styleSheet(), builtinSkin());
    EXPECT_EQ(frm.btnMakeMoney->text(), "Make Money");
    EXPECT_EQ(frm.brandProfile().iconFileName, "");
    EXPECT_EQ(folder.snapshot().size(), 0u) << "nothing is written into the program folder";
}

TEST(BrandPresentation, WelcomePageHoldsTheStartUpCheckUntilItsButton)
{
    BrandFolder folder;
    folder.writeProfile("welcome.txt");
    Window w(folder);
    auto& frm = *w.frm;
    EXPECT_EQ(frm.windowTitle(), "Welcome Brand v2.0");
    ASSERT_EQ(frm.pgcPrinc->currentWidget(), frm.stsWelcome);
    EXPECT_EQ(frm.prfWelcome->toPlainText(), "Hello from the brand");
    EXPECT_FALSE(frm.Timer1->isActive());

    click(frm.bsSkinButton1);
    EXPECT_EQ(frm.pgcPrinc->currentWidget(), frm.stsMain);
    EXPECT_TRUE(frm.Timer1->isActive());
}

TEST(BrandPresentation, OneLinkFillsTheLeftLabel)
{
    BrandFolder folder;
    folder.writeProfile("one-link.txt");
    Window w(folder);
    auto& frm = *w.frm;
    EXPECT_TRUE(shown(frm.panLinks));
    EXPECT_EQ(frm.lblLink1URL->text(), "Home page");
    EXPECT_EQ(frm.lblLink1URL->url(), "http://home.example/");
    EXPECT_EQ(frm.lblLink2URL->text(), "");
    EXPECT_EQ(frm.lblLink2URL->url(), "");
    EXPECT_EQ(frm.brandProfile().link1Caption, "Home page");
}

TEST(BrandPresentation, NoLinkHidesTheLinkStrip)
{
    BrandFolder folder;
    folder.writeProfile("no-links.txt");
    Window w(folder);
    EXPECT_FALSE(shown(w.frm->panLinks));
    EXPECT_TRUE(w.frm->Timer1->isActive());
}

TEST(BrandPresentation, ThreeLinksShowTwoDifferentEntries)
{
    BrandFolder folder;
    folder.writeProfile("three-links.txt");
    for (std::size_t first = 0; first < 3; ++first) {
        for (std::size_t second = 0; second < 2; ++second) {
            ScriptedRandom random {{first, second}};
            Window w(folder, random.source());
            const auto left = w.frm->lblLink1URL->text();
            const auto right = w.frm->lblLink2URL->text();
            EXPECT_FALSE(left.isEmpty());
            EXPECT_FALSE(right.isEmpty());
            EXPECT_NE(left, right);
            EXPECT_EQ(random.counts, (std::vector<std::size_t> {3, 2}));
        }
    }
}

TEST(BrandPresentation, GifBannerLoadsWithoutRenamingItsFile)
{
    BrandFolder folder;
    folder.writeProfile("promo-banner.txt");
    folder.copyFixture("still.jpg", "banner1.dat");
    folder.copyFixture("still.jpg", "banner2.dat");
    folder.copyFixture("anim-loop.gif", "banner3.dat");
    const auto before = folder.snapshot();

    ScriptedRandom random {{2}};
    Window w(folder, random.source());
    auto& frm = *w.frm;
    EXPECT_EQ(frm.brandProfile().bannerImageName, "promo.gif");
    EXPECT_TRUE(shown(frm.gifBanner));
    EXPECT_FALSE(shown(frm.imgBanner));
    EXPECT_TRUE(frm.gifBanner->isPlaying());
    EXPECT_EQ(frm.gifBanner->size(), QSize(120, 60));
    EXPECT_EQ(frm.panBanner->height(), 70);
    EXPECT_EQ(frm.gifBanner->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(frm.imgBanner->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(folder.snapshot(), before) << "banner3.dat stays, no promo.gif appears";

    click(frm.gifBanner);
    EXPECT_EQ(w.opened, std::vector<std::string> {"http://promo.example/"});
}

TEST(BrandPresentation, StillBannerWithoutClickUrlKeepsTheNormalCursor)
{
    BrandFolder folder;
    folder.writeProfile("empty-click.txt");
    folder.copyFixture("still.jpg", "banner1.dat");
    Window w(folder);
    auto& frm = *w.frm;
    EXPECT_TRUE(shown(frm.imgBanner));
    EXPECT_FALSE(shown(frm.gifBanner));
    EXPECT_EQ(frm.imgBanner->size(), QSize(98, 40));
    EXPECT_EQ(frm.panBanner->height(), 50);
    EXPECT_EQ(frm.imgBanner->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(frm.gifBanner->cursor().shape(), Qt::ArrowCursor);
    click(frm.imgBanner);
    EXPECT_TRUE(w.opened.empty());
}

TEST(BrandPresentation, MissingBannerFileHidesTheStrip)
{
    BrandFolder folder;
    folder.writeProfile("promo-banner.txt");
    ScriptedRandom random {{2}};
    Window w(folder, random.source());
    EXPECT_FALSE(shown(w.frm->panBanner));
}

TEST(BrandPresentation, MakeMoneyAndHelpOpenTheBrandLinks)
{
    BrandFolder folder;
    folder.writeProfile("about.txt");
    Window w(folder);
    click(w.frm->btnMakeMoney);
    w.frm->btnHelpClick();
    EXPECT_EQ(w.opened,
        (std::vector<std::string> {"http://shop.example/?aff=42", "http://help.example/"}));

    BrandFolder empty;
    Window unbranded(empty);
    unbranded.frm->btnMakeMoneyClick();
    EXPECT_EQ(unbranded.opened, std::vector<std::string> {""}) << "opened even when empty";
}

TEST(BrandPresentation, MakeMoneyCaptionShowsAnAmpersandAsWritten)
{
    BrandFolder folder;
    folder.writeProfileText("<%%MakeMoneyButton%%>Tips & Tricks<%%/MakeMoneyButton%%>");
    Window w(folder);
    const QPushButton* button = w.frm->btnMakeMoney;
    EXPECT_TRUE(button->shortcut().isEmpty()) << "the caption's & is no keyboard shortcut";
    EXPECT_EQ(button->text(), "Tips && Tricks");
}

TEST(BrandPresentation, BadInputStartsShowsWhatItCanAndKeepsEveryFile)
{
    BrandFolder folder;
    std::string page = "<html><body>";
    for (int i = 0; i < 20000; ++i)
        page += "<p>Welcome line " + std::to_string(i) + "</p>";
    page += "</body></html>";
    auto text = test::brandFixture("bad-input.txt");
    text.insert(text.find('\n') + 1, "<%%Welcome1%%>" + page + "<%%/Welcome1%%>\n");
    folder.writeProfileText(text);
    folder.writeBytes("config.ini", "[Settings]\nBrowserX=1024\n");
    folder.writeBytes("banner2.dat", "config banner");
    folder.writeBytes("banner3.dat", "GIF89a garbage");
    folder.writeBytes("banner4.dat", std::string(500, '\xff'));
    folder.writeBytes("mainskin.dat", "garbage skin");
    folder.writeBytes("main.ico", "garbage icon");
    const auto before = folder.snapshot();

    // Banner1 has no "^": the draw is over Banner2 to Banner4, and each one fails.
    for (std::size_t banner = 0; banner < 3; ++banner) {
        SCOPED_TRACE(banner);
        ScriptedRandom random {{0, banner}};
        Window w(folder, random.source());
        auto& frm = *w.frm;
        EXPECT_EQ(random.counts, (std::vector<std::size_t> {1, 3, 1}));
        EXPECT_EQ(frm.pgcPrinc->currentWidget(), frm.stsWelcome);
        EXPECT_TRUE(frm.prfWelcome->toPlainText().endsWith("Welcome line 19999"));
        EXPECT_FALSE(shown(frm.panBanner));
        EXPECT_TRUE(shown(frm.panLinks));
        EXPECT_EQ(frm.lblLink1URL->text(), "Good link");
        EXPECT_EQ(frm.lblLink2URL->text(), "");
        EXPECT_EQ(qApp->styleSheet(), builtinSkin());
        EXPECT_EQ(frm.brandProfile().iconFileName, "main.ico");
        EXPECT_EQ(folder.snapshot(), before);
    }
}

TEST(AboutBox, ShowsTheBrandTexts)
{
    BrandFolder folder;
    folder.writeProfile("about.txt");
    Window w(folder);
    TfrmAbout about(w.frm->brandProfile());
    EXPECT_EQ(about.windowTitle(), "About ABC...");
    EXPECT_EQ(about.lblProductName->text(), "ABC");
    EXPECT_TRUE(about.lblProductName->font().bold());
    EXPECT_EQ(about.lblProductVersion->text(), "Product Version: 2.0");
    EXPECT_EQ(about.lblCopyright1->text(), "Copyright (c) 2004-2006 Example Ltd");
    EXPECT_EQ(about.memAbout->toPlainText(), "First line\nSecond line\nThird line");
    EXPECT_EQ(about.memAbout->blockCount(), 3);
    EXPECT_TRUE(about.memAbout->isReadOnly());
    EXPECT_EQ(about.editAbout->text(), "Ok");
    EXPECT_EQ(about.size(), QSize(368, 211));
}

TEST(AboutBox, ShowsMarkupInBrandTextsAsWritten)
{
    BrandProfile profile;
    profile.ApplicationName = "<b>ABC</b>";
    profile.CopyrightCompany = "<i>Example</i> &amp; Sons";
    TfrmAbout about(profile);
    for (QLabel* label : {about.lblProductName, about.lblProductVersion, about.lblCopyright1})
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    EXPECT_EQ(about.lblCopyright1->text(), "Copyright (c)  <i>Example</i> &amp; Sons");
}

TEST(AboutBox, WithoutAProfileShowsEmptyBrandValues)
{
    BrandFolder folder;
    Window w(folder);
    QString title;
    QTimer::singleShot(0, [&title] {
        if (auto* box = qobject_cast<TfrmAbout*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            EXPECT_EQ(box->lblProductName->text(), "");
            EXPECT_EQ(box->lblProductVersion->text(), "Product Version: 2.0");
            EXPECT_EQ(box->lblCopyright1->text(), "Copyright (c)  ");
            EXPECT_EQ(box->memAbout->toPlainText(), "");
            box->editAbout->click();
        }
    });
    click(w.frm->btnAbout);
    EXPECT_EQ(title, "About ...");
}

TEST(SampleBrand, BuildsIntoAFolderTheProgramShows)
{
    BrandFolder folder;
    const std::string source = std::getenv("LUMIVANE_SOURCE_DIR");
    const std::string tool = std::string(std::getenv("LUMIVANE_BIN_DIR")) + "/lumivane-brand";
    const auto command
        = source + "/examples/brand/build.sh " + folder.path() + " " + tool + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);

    QApplication::setWindowIcon(QIcon());
    Window w(folder);
    auto& frm = *w.frm;
    EXPECT_EQ(frm.windowTitle(), "Sample Thumbs v2.0");
    EXPECT_EQ(frm.btnMakeMoney->text(), "Earn with us");
    EXPECT_EQ(frm.pgcPrinc->currentWidget(), frm.stsWelcome);
    EXPECT_TRUE(shown(frm.gifBanner) != shown(frm.imgBanner));
    EXPECT_EQ(frm.panBanner->height(), 70);
    EXPECT_FALSE(frm.lblLink1URL->text().isEmpty());
    EXPECT_FALSE(frm.lblLink2URL->text().isEmpty());
    EXPECT_NE(frm.lblLink1URL->text(), frm.lblLink2URL->text());
    EXPECT_NE(qApp->styleSheet(), builtinSkin());
    EXPECT_TRUE(qApp->styleSheet().contains("#b86b0b"));
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    QApplication::setWindowIcon(QIcon());
}

} // namespace
} // namespace lumivane
