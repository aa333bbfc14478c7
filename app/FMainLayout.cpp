// Builds the controls of the main window, page by page.
#include "app/FMain.h"

#include "app/SettingsPanelWidget.h"
#include "app/StatusBarWidget.h"
#include "app/UrlListView.h"
#include "ui/GifControl.h"
#include "ui/HtmlViewer.h"
#include "ui/LinkLabel.h"
#include "ui/PictureControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace lumivane {

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    return named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

QToolButton* iconButton(
    QWidget* parent, const char* name, const char* hint, QStyle::StandardPixmap icon)
{
    auto* result = named(new QToolButton(parent), name);
    result->setToolTip(QString::fromLatin1(hint));
    result->setIcon(parent->style()->standardIcon(icon));
    result->setIconSize(QSize(24, 24));
    result->setAutoRaise(true);
    return result;
}

QWidget* strip(QWidget* parent, const char* name, int height)
{
    auto* result = named(new QWidget(parent), name);
    result->setFixedHeight(height);
    return result;
}

} // namespace

void TfrmMain::buildWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Lumivane"));
    resize(785, 591);

    pgcPrinc = named(new QStackedWidget(this), "pgcPrinc");
    stsWelcome = buildWelcomePage();
    buildMainPage();
    pgcPrinc->addWidget(stsWelcome);
    pgcPrinc->addWidget(stsMain);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pgcPrinc);

    Timer1 = named(new QTimer(this), "Timer1");
    Timer1->setInterval(2000);
    Timer2 = named(new QTimer(this), "Timer2");
    Timer2->setInterval(1000);
}

QWidget* TfrmMain::buildWelcomePage()
{
    auto* page = named(new QWidget(this), "stsWelcome");
    prfWelcome = named(new HtmlViewer(page), "prfWelcome");
    bsSkinButton1 = button(page, "bsSkinButton1", "Thanks, just show me the main application");
    bsSkinButton1->setDefault(true);

    auto* bottom = strip(page, "panWelcomeButtons", 41);
    auto* bottomLayout = new QHBoxLayout(bottom);
    bottomLayout->addStretch();
    bottomLayout->addWidget(bsSkinButton1);
    bottomLayout->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(prfWelcome, 1);
    layout->addWidget(bottom);
    return page;
}

QWidget* TfrmMain::buildMainPage()
{
    auto* page = stsMain = named(new QWidget(this), "stsMain");
    settingsPanel = named(new SettingsPanelWidget(m_settings, page), "panSettings");
    m_statusBar = named(new StatusBarWidget(page), "panStatus");

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTopBar());
    layout->addWidget(buildBannerStrip());
    layout->addWidget(buildCommandBar());
    layout->addWidget(settingsPanel);
    layout->addWidget(buildInnerPages(), 1);
    layout->addWidget(buildLinkStrip());
    layout->addWidget(m_statusBar);
    return page;
}

QWidget* TfrmMain::buildTopBar()
{
    auto* bar = strip(stsMain, "panTop", 43);
    btnMakeMoney = button(bar, "btnMakeMoney", "Make Money");
    btnAbout = button(bar, "btnAbout", "About");
    btnNews = iconButton(bar, "btnNews", "Check News", QStyle::SP_MessageBoxInformation);
    btnUpdate = iconButton(bar, "btnUpdate", "Check Updates", QStyle::SP_BrowserReload);
    btnHelp = iconButton(bar, "btnHelp", "Help", QStyle::SP_DialogHelpButton);

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->addWidget(btnMakeMoney);
    layout->addWidget(btnAbout);
    layout->addStretch();
    layout->addWidget(btnNews);
    layout->addWidget(btnUpdate);
    layout->addWidget(btnHelp);
    return bar;
}

QWidget* TfrmMain::buildBannerStrip()
{
    // The two banners are placed by hand: both are centred in the strip.
    panBanner = strip(stsMain, "panBanner", 65);
    imgBanner = named(new PictureControl(panBanner), "imgBanner");
    gifBanner = named(new GifControl(panBanner), "gifBanner");
    imgBanner->resize(0, 0);
    return panBanner;
}

QWidget* TfrmMain::buildCommandBar()
{
    auto* bar = strip(stsMain, "panCommands", 37);
    btnAddURL = button(bar, "btnAddURL", "Add URL");
    btnImport = button(bar, "btnImport", "Import");
    btnExport = button(bar, "btnExport", "Export");
    btnStart = button(bar, "btnStart", "Start");
    btnStop = button(bar, "btnStop", "Stop");

    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(6, 2, 6, 2);
    for (auto* command : {btnAddURL, btnImport, btnExport, btnStart, btnStop})
        layout->addWidget(command);
    layout->addStretch();
    return bar;
}

QWidget* TfrmMain::buildInnerPages()
{
    bsSkinPageControl1 = named(new QTabWidget(stsMain), "bsSkinPageControl1");

    auto* listPage = named(new QWidget(bsSkinPageControl1), "stsUrlList");
    lvwItems = new UrlListView(m_list, listPage);
    btnSelectAll = button(listPage, "btnSelectAll", "Select All");
    btnClearSelection = button(listPage, "btnClearSelection", "Clear Selection");
    btnDeleteSelected = button(listPage, "btnDeleteSelected", "Delete Selected");
    auto* listButtons = new QHBoxLayout;
    for (auto* command : {btnSelectAll, btnClearSelection, btnDeleteSelected})
        listButtons->addWidget(command);
    listButtons->addStretch();
    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(4, 4, 4, 4);
    listLayout->addWidget(lvwItems, 1);
    listLayout->addLayout(listButtons);

    // The snapshot browser keeps the size of the browser settings; the box scrolls.
    sbxSnapshotBrowser = named(new QScrollArea(bsSkinPageControl1), "sbxSnapshotBrowser");
    sbxSnapshotBrowser->setWidgetResizable(false);

    stsBrowserPage = named(new QWidget(bsSkinPageControl1), "stsBrowser");
    new QVBoxLayout(stsBrowserPage);
    stsBrowserPage->layout()->setContentsMargins(0, 0, 0, 0);

    bsSkinPageControl1->addTab(listPage, QStringLiteral("URL List"));
    bsSkinPageControl1->addTab(sbxSnapshotBrowser, QStringLiteral("Browser"));
    bsSkinPageControl1->addTab(stsBrowserPage, QStringLiteral("Browser"));
    bsSkinPageControl1->setTabVisible(1, false);
    return bsSkinPageControl1;
}

QWidget* TfrmMain::buildLinkStrip()
{
    panLinks = strip(stsMain, "panLinks", 36);
    lblLink1URL = named(new LinkLabel(panLinks), "lblLink1URL");
    lblLink2URL = named(new LinkLabel(panLinks), "lblLink2URL");
    auto* layout = new QHBoxLayout(panLinks);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->addWidget(lblLink1URL);
    layout->addStretch();
    layout->addWidget(lblLink2URL);
    return panLinks;
}

} // namespace lumivane
