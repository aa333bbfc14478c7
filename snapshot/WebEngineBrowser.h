#pragma once

#include "snapshot/WebBrowser.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QWebEngineLoadingInfo;
class QWebEngineView;

namespace lumivane {

class PaintWatcher;
class WebEnginePage;

/// The browser control on a Qt WebEngine view. ReadyState reaches 4 only once
/// the finished page has been painted, so a capture never shows a blank or the
/// previous page. Events go to the listener through the exception guard: no
/// exception may unwind through the engine.
class WebEngineBrowser : public QObject, public WebBrowser {
    Q_OBJECT
public:
    /// A navigation that the engine has not begun within this time is taken
    /// as done (a jump inside the same document starts no load).
    static constexpr int startTimeoutMs = 5000;

    /// Lives as long as `view`. Unattended: script dialogs, pop-ups, file
    /// choosers and permission prompts are answered without showing anything,
    /// and scroll bars are hidden.
    WebEngineBrowser(QWebEngineView* view, bool unattended);
    ~WebEngineBrowser() override;

    QWebEngineView* view() const { return m_view; }

    void Navigate(const std::string& url) override;
    void Refresh() override;
    void Stop() override;
    void GoBack() override;
    void GoForward() override;

    WebDocument* Document() override;
    int ReadyState() const override;
    std::string LocationURL() const override;
    bool Busy() const override;

private:
    enum class State { uninitialized, loading, rendering, complete };

    void beginNavigation();
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void loadStopped();
    void notifyLoadEnded();
    void rendererTerminated(int status);
    void finishNavigation(bool waitForPaint);
    void notify(const std::function<void(WebBrowserListener&)>& event);

    QWebEngineView* m_view;
    WebEnginePage* m_page;
    PaintWatcher* m_watcher;
    std::unique_ptr<WebDocument> m_document;
    QTimer m_startTimeout;
    State m_state = State::uninitialized;
    bool m_hasDocument = false;
    // The navigation a Stop was asked for while it loaded: its end is no error,
    // and once a later navigation has begun, that end is not the later one's.
    std::optional<std::uint64_t> m_stoppedNavigation;
    std::uint64_t m_navigation = 0;
};

} // namespace lumivane
