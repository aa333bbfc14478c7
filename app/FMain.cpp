#include "app/FMain.h"

#include "app/BannerCentring.h"
#include "app/SettingsPanelWidget.h"
#include "app/StatusBarWidget.h"
#include "app/UrlListView.h"
#include "brand/BrandPresentation.h"
#include "brand/FAbout.h"
#include "brand/UUtils.h"
#include "online/OnlineCommands.h"
#include "platform/Error.h"
#include "platform/IniFile.h"
#include "platform/ProgramFolder.h"
#include "snapshot/SnapshotHost.h"
#include "snapshot/SnapshotRun.h"
#include "snapshot/WebEngineBrowser.h"
#include "ui/ExceptionReporting.h"
#include "ui/GifControl.h"
#include "ui/HtmlViewer.h"
#include "ui/LinkLabel.h"
#include "ui/PictureControl.h"
#include "ui/QtText.h"
#include "ui/SkinMessageDialog.h"
#include "ui/WindowPlacement.h"
#include "urllist/BrowserPage.h"
#include "urllist/FList.h"
#include "urllist/FSave.h"
#include "urllist/FURL.h"
#include "urllist/UrlListCommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace lumivane {

TfrmMain::TfrmMain(
    std::string programFolder, std::unique_ptr<MessageDialog> dialog, RandomIndex random)
    : m_programFolder(std::move(programFolder))
    , m_msgMain(dialog ? std::move(dialog) : std::make_unique<SkinMessageDialog>(this))
    , m_random(random ? std::move(random) : systemRandomIndex())
    , m_openBrowser(OpenInDefaultBrowser)
{
    buildWindow();
    buildSnapshotEngine();
    const auto news = [this]() -> std::vector<std::string>& { return newsList(); };
    m_online = std::make_unique<OnlineCommands>(
        OnlineCommands::MainWindow {this, btnNews, *m_msgMain, m_programFolder, m_brand, news});
    connectHandlers();
    FormCreate();
}

TfrmMain::~TfrmMain()
{
    m_newsList.reset();
}

std::string TfrmMain::configPath() const
{
    return joinPath(m_programFolder, "config.ini");
}

void TfrmMain::connectHandlers()
{
    connect(bsSkinButton1, &QPushButton::clicked, this, &TfrmMain::bsSkinButton1Click);
    connect(imgBanner, &PictureControl::clicked, this, &TfrmMain::imgBannerClick);
    connect(gifBanner, &GifControl::clicked, this, &TfrmMain::gifBannerClick);
    connect(btnSelectAll, &QPushButton::clicked, this, &TfrmMain::btnSelectAllClick);
    connect(btnClearSelection, &QPushButton::clicked, this, &TfrmMain::btnClearSelectionClick);
    connect(btnDeleteSelected, &QPushButton::clicked, this, &TfrmMain::btnDeleteSelectedClick);
    connect(btnImport, &QPushButton::clicked, this, &TfrmMain::btnImportClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmMain::btnExportClick);
    connect(btnAddURL, &QPushButton::clicked, this, &TfrmMain::btnAddURLClick);
    connect(btnStart, &QPushButton::clicked, this, &TfrmMain::btnStartClick);
    connect(btnStop, &QPushButton::clicked, this, &TfrmMain::btnStopClick);
    connect(btnMakeMoney, &QPushButton::clicked, this, &TfrmMain::btnMakeMoneyClick);
    connect(btnAbout, &QPushButton::clicked, this, &TfrmMain::btnAboutClick);
    connect(btnNews, &QToolButton::clicked, this, &TfrmMain::btnNewsClick);
    connect(btnUpdate, &QToolButton::clicked, this, &TfrmMain::btnUpdateClick);
    connect(btnHelp, &QToolButton::clicked, this, &TfrmMain::btnHelpClick);
    connect(Timer1, &QTimer::timeout, this, &TfrmMain::Timer1Timer);
    connect(Timer2, &QTimer::timeout, this, &TfrmMain::Timer2Timer);
}

void TfrmMain::FormCreate()
{
    gifBanner->setGeometry(imgBanner->geometry());
    LoadBrandProfile();
    if (m_brand.welcomePage.empty())
        Timer1->start();
    m_newsList = std::make_unique<std::vector<std::string>>();
    LoadSettings();
    Timer2->stop();
}

void TfrmMain::FormShow()
{
    // Visiting every page once lays each out before it is first needed.
    for (int i = 0; i < pgcPrinc->count(); ++i) {
        pgcPrinc->setCurrentIndex(i);
        QApplication::processEvents();
    }
    pgcPrinc->setCurrentIndex(0);
    if (!m_brand.welcomePage.empty()) {
        prfWelcome->setHtmlSource(m_brand.welcomePage);
    } else {
        pgcPrinc->removeWidget(stsWelcome);
        delete stsWelcome;
        stsWelcome = nullptr;
        prfWelcome = nullptr;
        bsSkinButton1 = nullptr;
    }
    pgcPrinc->setCurrentIndex(0);
    centreBanners();
    m_run->host().browser().Navigate("about:blank");
    bsSkinPageControl1->setCurrentIndex(0);
}

void TfrmMain::FormClose()
{
    m_online->disconnectAtClose();
    QApplication::processEvents();
    SaveSettings();
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    centreOnScreen(*this);
    FormShow();
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    centreBanners();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // A failed settings write is reported; the window still closes.
    guarded([this] { FormClose(); });
    event->accept();
}

void TfrmMain::LoadSettings()
{
    m_settings.load(IniFile(configPath()));
}

void TfrmMain::SaveSettings()
{
    IniFile file(configPath());
    m_settings.save(file);
}

void TfrmMain::LoadBrandProfile()
{
    bsSkinData1.apply();
    std::optional<BrandProfile> profile;
    try {
        profile = LoadBrandProfileRecord(m_programFolder);
    } catch (const Error& error) {
        // An unreadable profile leaves the built-in look; the window is still created.
        ExceptionReporting::report(error.what());
    }
    if (!profile)
        return;
    m_brand = std::move(*profile);
    setWindowTitle(toQt(m_brand.windowCaption));
    btnNews->setVisible(m_brand.newsButtonVisible);
    // "&&" shows one "&"; a single one would turn into a keyboard shortcut.
    btnMakeMoney->setText(toQt(m_brand.makeMoneyCaption).replace('&', QStringLiteral("&&")));
    const BrandWidgets widgets {
        panBanner, imgBanner, gifBanner, panLinks, lblLink1URL, lblLink2URL, &bsSkinData1};
    applyBrandPresentation(m_brand, widgets, m_programFolder, m_random);
}

void TfrmMain::centreBanners()
{
    for (QWidget* banner : {static_cast<QWidget*>(imgBanner), static_cast<QWidget*>(gifBanner)}) {
        const auto origin = centreBanner(
            panBanner->width(), panBanner->height(), banner->width(), banner->height());
        banner->move(origin.left, origin.top);
    }
}

void TfrmMain::bsSkinButton1Click()
{
    pgcPrinc->setCurrentWidget(stsMain);
    Timer1->start();
}

void TfrmMain::btnSelectAllClick()
{
    selectAll(m_list);
}

void TfrmMain::btnClearSelectionClick()
{
    clearSelection(m_list);
}

void TfrmMain::btnDeleteSelectedClick()
{
    deleteSelected(m_list, msgMain());
}

void TfrmMain::btnImportClick()
{
    TfrmList dialog(
        m_list, [this] { return m_settings.linkType(); }, statusBar(), m_programFolder, this);
    dialog.exec();
}

void TfrmMain::btnExportClick()
{
    if (!checkExport(m_list, msgMain()))
        return;
    TfrmSave dialog(m_list, msgMain(), m_programFolder, this);
    dialog.exec();
}

void TfrmMain::btnAddURLClick()
{
    TfrmAddUrl dialog(
        m_list, [this] { return m_settings.linkType(); }, statusBar(), browserPage->address(),
        this);
    dialog.exec();
}

void TfrmMain::buildSnapshotEngine()
{
    m_run = std::make_unique<SnapshotRun>(
        SnapshotRun::Controls {m_list, m_settings, *m_msgMain, statusBar(), statusBar().MainGauge,
            bsSkinPageControl1, sbxSnapshotBrowser, Timer2},
        nullptr);
    settingsPanel->onBrowserSizeChanged
        = [this](int width, int height) { m_run->setBrowserSize(width, height); };
    browserPage = new BrowserPage([this] { UpdateCounters(); }, stsBrowserPage);
    stsBrowserPage->layout()->addWidget(browserPage);
}

void TfrmMain::UpdateCounters()
{
    m_run->UpdateCounters();
}

void TfrmMain::btnStartClick()
{
    m_run->Start();
}

void TfrmMain::btnStopClick()
{
    m_run->Stop();
}

void TfrmMain::Timer2Timer()
{
    m_run->Tick();
}

void TfrmMain::imgBannerClick()
{
    if (!m_brand.bannerClickUrl.empty())
        m_openBrowser(m_brand.bannerClickUrl);
}

void TfrmMain::gifBannerClick()
{
    if (!m_brand.bannerClickUrl.empty())
        m_openBrowser(m_brand.bannerClickUrl);
}

void TfrmMain::btnMakeMoneyClick()
{
    m_openBrowser(m_brand.AffiliateURL);
}

void TfrmMain::btnAboutClick()
{
    TfrmAbout frmAbout(m_brand, this);
    frmAbout.exec();
}

void TfrmMain::btnNewsClick()
{
    m_online->newsButtonClick();
}

void TfrmMain::btnUpdateClick()
{
    m_online->updateCheck(false);
}

void TfrmMain::btnHelpClick()
{
    m_openBrowser(m_brand.AppHelpURL);
}

void TfrmMain::Timer1Timer()
{
    // The start-up check: disables the timer, asks for news, checks for updates.
    Timer1->stop();
    m_online->startupCheck();
}

} // namespace lumivane
