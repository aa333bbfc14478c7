#pragma once

#include "app/SettingsPanel.h"
#include "brand/BrandChoices.h"
#include "brand/BrandProfile.h"
#include "platform/MessageDialog.h"
#include "ui/SkinData.h"
#include "urllist/UrlList.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QToolButton;

namespace lumivane {

class BrowserPage;
class GifControl;
class HtmlViewer;
class LinkLabel;
class OnlineCommands;
class PictureControl;
class SettingsPanelWidget;
class SnapshotRun;
class StatusBarWidget;
class UrlListView;

/// The main window. It holds the controls and forwards their events to the
/// parts that do the work: the settings panel, the URL list, the batch runner,
/// the brand presentation and the online client.
class TfrmMain : public QWidget {
    Q_OBJECT
public:
    /// Opens a URL in the browser; true when one was started.
    using BrowserOpener = std::function<bool(const std::string& url)>;

    /// `programFolder` holds config.ini and the brand files; a null dialog
    /// means the skinned message box; a null random source draws the brand's
    /// welcome page, banner and links from the system's entropy.
    explicit TfrmMain(std::string programFolder, std::unique_ptr<MessageDialog> dialog = nullptr,
        RandomIndex random = nullptr);
    ~TfrmMain() override;

    const std::string& programFolder() const { return m_programFolder; }
    std::string configPath() const;
    MessageDialog& msgMain() { return *m_msgMain; }
    UrlList& urlList() { return m_list; }
    SettingsPanel& settings() { return m_settings; }
    StatusBarWidget& statusBar() { return *m_statusBar; }
    std::vector<std::string>& newsList() { return *m_newsList; }
    /// The brand profile record; empty values when there is no profile.
    const BrandProfile& brandProfile() const { return m_brand; }
    /// How the banner, Make Money and Help open their links (the default browser).
    void setBrowserOpener(BrowserOpener opener) { m_openBrowser = std::move(opener); }
    SkinData bsSkinData1;

    /// Recounts the rows into the status bar and lets pending messages run.
    void UpdateCounters();
    SnapshotRun& snapshotRun() { return *m_run; }

    void LoadSettings();
    void SaveSettings();
    void LoadBrandProfile();
    void centreBanners();

    // Pages and controls, named as the rest of the program refers to them.
    /// Its pages never show tabs: the user moves between them only through buttons.
    QStackedWidget* pgcPrinc;
    QWidget* stsWelcome;
    QWidget* stsMain;
    HtmlViewer* prfWelcome;
    QPushButton* bsSkinButton1;
    QPushButton* btnMakeMoney;
    QPushButton* btnAbout;
    QToolButton* btnNews;
    QToolButton* btnUpdate;
    QToolButton* btnHelp;
    QWidget* panBanner;
    PictureControl* imgBanner;
    GifControl* gifBanner;
    QPushButton* btnAddURL;
    QPushButton* btnImport;
    QPushButton* btnExport;
    QPushButton* btnStart;
    QPushButton* btnStop;
    SettingsPanelWidget* settingsPanel;
    QTabWidget* bsSkinPageControl1;
    UrlListView* lvwItems;
    QPushButton* btnSelectAll;
    QPushButton* btnClearSelection;
    QPushButton* btnDeleteSelected;
    QScrollArea* sbxSnapshotBrowser;
    QWidget* stsBrowserPage;
    BrowserPage* browserPage;
    QWidget* panLinks;
    LinkLabel* lblLink1URL;
    LinkLabel* lblLink2URL;
    QTimer* Timer1;
    QTimer* Timer2;

public slots:
    void bsSkinButton1Click();
    void imgBannerClick();
    void gifBannerClick();
    void btnSelectAllClick();
    void btnClearSelectionClick();
    void btnDeleteSelectedClick();
    void btnImportClick();
    void btnExportClick();
    void btnAddURLClick();
    void btnStartClick();
    void btnStopClick();
    void btnMakeMoneyClick();
    void btnAboutClick();
    void btnNewsClick();
    void btnUpdateClick();
    void btnHelpClick();
    void Timer1Timer();
    void Timer2Timer();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void buildWindow();
    QWidget* buildWelcomePage();
    QWidget* buildMainPage();
    QWidget* buildTopBar();
    QWidget* buildBannerStrip();
    QWidget* buildCommandBar();
    QWidget* buildInnerPages();
    QWidget* buildLinkStrip();
    void connectHandlers();
    void buildSnapshotEngine();

    std::string m_programFolder;
    std::unique_ptr<MessageDialog> m_msgMain;
    UrlList m_list;
    SettingsPanel m_settings;
    StatusBarWidget* m_statusBar = nullptr;
    std::unique_ptr<std::vector<std::string>> m_newsList;
    BrandProfile m_brand;
    RandomIndex m_random;
    BrowserOpener m_openBrowser;
    std::unique_ptr<OnlineCommands> m_online;
    std::unique_ptr<SnapshotRun> m_run;
    bool m_shown = false;
};

} // namespace lumivane
