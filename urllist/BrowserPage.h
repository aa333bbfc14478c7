#pragma once

#include "snapshot/WebBrowser.h"

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWebEngineView;

namespace lumivane {

class WebEngineBrowser;

/// The "Browser" page: an address bar over the visible browser, which the
/// user drives by hand to find pages for the list. Browsing never changes
/// the list; a completed page or download only has the counters recomputed.
class BrowserPage : public QWidget, private WebBrowserListener {
    Q_OBJECT
public:
    /// `updateCounters` recomputes the status bar from the list.
    BrowserPage(std::function<void()> updateCounters, QWidget* parent);

    /// The address shown, which "Add URL" takes.
    std::string address() const;
    WebBrowser& browser() const;

    QWidget* panAddress;
    QToolButton* btnBrowserBack;
    QToolButton* btnBrowserFoward;
    QToolButton* btnBrowserStop;
    QToolButton* btnBrowserRefresh;
    QLabel* lblAddress;
    QLineEdit* edtAddress;
    QPushButton* btnGo;
    QWebEngineView* EmbeddedWB2;

public slots:
    void btnBrowserBackClick();
    void btnBrowserFowardClick();
    void btnBrowserStopClick();
    void btnBrowserRefreshClick();
    void btnGoClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildAddressBar();
    void edtAddressKeyPress(int key);
    void NavigateComplete2() override;
    void DocumentComplete() override;
    void DownloadComplete() override;

    std::function<void()> m_updateCounters;
    WebEngineBrowser* m_browser;
};

} // namespace lumivane
