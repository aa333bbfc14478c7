#pragma once

#include "snapshot/WebBrowser.h"
#include "tools/lumivane-batch/BatchScheduler.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

class QWebEngineLoadingInfo;

namespace lumivane {
class SnapshotHost;
}

namespace lumivane::batch {

struct BatchSettings;

/// One browser of the run: loads a row, waits until the browser reports the
/// page loaded and painted (plus the user's delay), captures it and writes the
/// files, all within the row's time limit. A page over its limit, or whose
/// renderer died, is replaced by a fresh browser so nothing of it lingers.
class BatchPage : public QObject, private WebBrowserListener {
    Q_OBJECT
public:
    using EndHandler = std::function<void(PageOutcome)>;

    BatchPage(const BatchSettings& settings, int timeoutMs, int delayMs, EndHandler ended);
    ~BatchPage() override;

    void load(const PlannedRow& row);
    /// Stops a page still loading; it ends "Pending".
    void abandon();
    bool loading() const { return m_loading; }

private:
    void BeforeNavigate2() override;
    void NavigateError() override;

    void makeBrowser();
    void pollReady();
    void capture();
    void timedOut();
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void rendererTerminated(int status, int exitCode);
    void end(const std::string& status, const std::string& error, bool replaceBrowser);

    const BatchSettings& m_settings;
    int m_timeoutMs;
    int m_delayMs;
    EndHandler m_ended;
    std::unique_ptr<SnapshotHost> m_host;
    QTimer m_timeout;
    QTimer m_poll;
    QTimer m_delay;
    QElapsedTimer m_clock;
    PlannedRow m_row;
    bool m_loading = false;
    bool m_failed = false;
    bool m_rendererLost = false;
    std::string m_reason;
};

} // namespace lumivane::batch
