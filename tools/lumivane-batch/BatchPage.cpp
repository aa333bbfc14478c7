#include "tools/lumivane-batch/BatchPage.h"

#include "snapshot/SnapshotHost.h"
#include "snapshot/WebEngineBrowser.h"
#include "tools/lumivane-batch/BatchSettings.h"
#include "tools/lumivane-batch/RowOutput.h"
#include "ui/QtText.h"
#include "urllist/UrlRow.h"

#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

#include <cstdio>

namespace lumivane::batch {

namespace {

// The browser tells readiness by its state only; looking this often costs
// nothing and adds a few milliseconds per page at most.
constexpr int pollMs = 5;

std::string loadError(const QWebEngineLoadingInfo& info)
{
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain)
        return "HTTP " + std::to_string(info.errorCode());
    return fromQt(info.errorString()) + " (" + std::to_string(info.errorCode()) + ")";
}

std::string secondsText(int ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", ms / 1000.0);
    return text;
}

} // namespace

BatchPage::BatchPage(const BatchSettings& settings, int timeoutMs, int delayMs, EndHandler ended)
    : m_settings(settings)
    , m_timeoutMs(timeoutMs)
    , m_delayMs(delayMs)
    , m_ended(std::move(ended))
{
    m_timeout.setSingleShot(true);
    m_delay.setSingleShot(true);
    m_poll.setInterval(pollMs);
    connect(&m_timeout, &QTimer::timeout, this, &BatchPage::timedOut);
    connect(&m_poll, &QTimer::timeout, this, &BatchPage::pollReady);
    connect(&m_delay, &QTimer::timeout, this, &BatchPage::capture);
    makeBrowser();
}

BatchPage::~BatchPage() = default;

void BatchPage::makeBrowser()
{
    m_host = std::make_unique<SnapshotHost>();
    m_host->setBrowserSize(m_settings.browserWidth, m_settings.browserHeight);
    m_host->browser().setListener(this);
    QWebEnginePage* page = m_host->view()->page();
    connect(page, &QWebEnginePage::loadingChanged, this, &BatchPage::loadingChanged);
    connect(page, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
            rendererTerminated(status, exitCode);
        });
}

void BatchPage::load(const PlannedRow& row)
{
    m_row = row;
    m_loading = true;
    m_failed = false;
    m_rendererLost = false;
    m_reason.clear();
    m_clock.start();
    m_timeout.start(m_timeoutMs);
    try {
        m_host->browser().Navigate(m_row.row.url);
    } catch (const Error& error) {
        // The owner hears of the end only after load has returned.
        QTimer::singleShot(0, this,
            [this, reason = std::string(error.what())] { end(status::error, reason, false); });
        return;
    }
    m_poll.start();
}

void BatchPage::abandon()
{
    if (!m_loading)
        return;
    QTimer::singleShot(0, this, [this] {
        m_host->browser().Stop();
        end(status::pending, "interrupted", false);
    });
}

void BatchPage::BeforeNavigate2()
{
    // As in the desktop runner, a navigation after a failed one counts anew.
    if (m_loading && !m_rendererLost)
        m_failed = false;
}

void BatchPage::NavigateError()
{
    if (m_loading)
        m_failed = true;
}

void BatchPage::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (m_loading && info.status() == QWebEngineLoadingInfo::LoadFailedStatus)
        m_reason = loadError(info);
}

void BatchPage::rendererTerminated(int status, int exitCode)
{
    if (!m_loading || status == QWebEnginePage::NormalTerminationStatus)
        return;
    m_rendererLost = true;
    m_reason = status == QWebEnginePage::KilledTerminationStatus
        ? "the page's renderer was killed"
        : "the page's renderer crashed (exit code " + std::to_string(exitCode) + ")";
}

void BatchPage::pollReady()
{
    if (!m_loading || m_host->browser().ReadyState() != WebBrowser::readyStateComplete)
        return;
    m_poll.stop();
    if (m_failed || m_rendererLost) {
        end(status::error, m_reason.empty() ? "the page failed to load" : m_reason, m_rendererLost);
        return;
    }
    if (m_delayMs > 0)
        m_delay.start(m_delayMs);
    else
        capture();
}

void BatchPage::capture()
{
    if (m_host->browser().ReadyState() != WebBrowser::readyStateComplete) {
        // The page went on to another address during the delay: wait for that one.
        m_poll.start();
        return;
    }
    WebDocument* document = m_host->browser().Document();
    if (!document) {
        end(status::error, "the page produced no document", false);
        return;
    }
    try {
        Bitmap32 page(m_settings.browserWidth, m_settings.browserHeight);
        document->Draw(page);
        writeRowOutput(page, m_settings, m_row);
    } catch (const std::exception& error) {
        end(status::error, error.what(), false);
        return;
    }
    end(status::success, {}, false);
}

void BatchPage::timedOut()
{
    if (!m_loading)
        return;
    const bool stillLoading = m_host->browser().Busy();
    end(status::error,
        "timed out after " + secondsText(m_timeoutMs) + " s"
            + (stillLoading ? " while loading" : " while rendering"),
        true);
}

void BatchPage::end(const std::string& status, const std::string& error, bool replaceBrowser)
{
    if (!m_loading)
        return;
    m_loading = false;
    m_timeout.stop();
    m_poll.stop();
    m_delay.stop();
    if (replaceBrowser) {
        m_host->browser().setListener(nullptr);
        disconnect(m_host->view()->page(), nullptr, this, nullptr);
        m_host->browser().Stop();
        // Late events of the old page must not reach the next row.
        m_host.release()->deleteLater();
        makeBrowser();
    }
    m_ended(PageOutcome {status, error, m_clock.elapsed()});
}

} // namespace lumivane::batch
