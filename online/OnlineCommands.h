#pragma once

#include "online/HttpClient.h"
#include "online/NewsService.h"
#include "platform/ProcessStarter.h"

#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace lumivane {

class BalloonHint;
class MessageDialog;
struct BrandProfile;

/// The main window's online parts: its HTTP client `IdHTTP1`, its message hint, and what the
/// News and Update buttons and the start-up timer do.
class OnlineCommands : public QObject {
    Q_OBJECT
public:
    /// What the commands reach in the main window.
    struct MainWindow {
        QWidget* window;
        /// The News button; the message hint points at its centre.
        QWidget* newsButton;
        MessageDialog& dialog;
        std::string programFolder;
        const BrandProfile& brand;
        std::function<std::vector<std::string>&()> newsList;
    };

    /// starter null means the real detached start.
    explicit OnlineCommands(MainWindow mainWindow, std::unique_ptr<ProcessStarter> starter = {},
        std::string updateBaseUrl = {});
    ~OnlineCommands() override;

    HttpClient& IdHTTP1() { return m_http; }
    BalloonHint& messageHint() { return *m_hint; }

    /// Fetches the news list and shows the news window, or says there is no news.
    void newsButtonClick();
    /// The update check; silent only hides the "no new updates" message.
    void updateCheck(bool silent);
    /// The start-up check after its timer is off: latest news, message hint, silent update check.
    void startupCheck();
    /// Disconnects the client twice, ignoring errors, as the window does when it closes.
    void disconnectAtClose();

private:
    MainWindow m_main;
    std::unique_ptr<ProcessStarter> m_starter;
    std::string m_updateBaseUrl;
    HttpClient m_http;
    BalloonHint* m_hint;
};

} // namespace lumivane
