#include "snapshot/WebEngineBrowser.h"

#include "platform/Error.h"
#include "snapshot/PaintWatcher.h"
#include "snapshot/WebEnginePage.h"
#include "ui/ExceptionReporting.h"
#include "ui/QtText.h"

#include <QImage>
#include <QPixmap>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

#include <algorithm>
#include <cstring>

namespace lumivane {

namespace {

/// The view's rendered frame at the view's own size.
class ViewDocument : public WebDocument {
public:
    explicit ViewDocument(QWebEngineView* view)
        : m_view(view)
    {
    }

    void Draw(Bitmap32& page) override
    {
        QImage frame = PaintWatcher::grab(m_view).toImage();
        if (frame.size() != m_view->size())
            frame = frame.scaled(m_view->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        frame = frame.convertToFormat(QImage::Format_RGB32);
        const int width = std::min(frame.width(), page.width());
        const int height = std::min(frame.height(), page.height());
        for (int y = 0; y < height; ++y) {
            const auto* source = reinterpret_cast<const std::uint32_t*>(frame.constScanLine(y));
            auto* target = page.scanLine(y);
            for (int x = 0; x < width; ++x)
                target[x] = source[x] & 0x00FFFFFFu;
        }
    }

private:
    QWebEngineView* m_view;
};

} // namespace

WebEngineBrowser::WebEngineBrowser(QWebEngineView* view, bool unattended)
    : QObject(view)
    , m_view(view)
    , m_page(new WebEnginePage(unattended, view))
    , m_watcher(new PaintWatcher(view))
    , m_document(std::make_unique<ViewDocument>(view))
{
    m_view->setPage(m_page);
    m_page->setNavigationObserver([this] { notify(&WebBrowserListener::BeforeNavigate2); });
    m_startTimeout.setSingleShot(true);
    m_startTimeout.setInterval(startTimeoutMs);
    connect(&m_startTimeout, &QTimer::timeout, this, [this] { finishNavigation(true); });
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::loadingChanged);
    connect(m_page, &QWebEnginePage::loadProgress, this,
        [this](int progress) { notify([progress](auto& l) { l.ProgressChange(progress, 100); }); });
    connect(m_page, &QWebEnginePage::urlChanged, this,
        [this] { notify(&WebBrowserListener::NavigateComplete2); });
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
        [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
            rendererTerminated(status);
        });
    connect(m_watcher, &PaintWatcher::painted, this, [this] { m_state = State::complete; });
}

WebEngineBrowser::~WebEngineBrowser() = default;

void WebEngineBrowser::Navigate(const std::string& url)
{
    const QString text = toQt(url);
    const QUrl target = QUrl::fromUserInput(text);
    if (!target.isValid() || text.trimmed().isEmpty())
        throw Error("Cannot navigate to \"" + url + "\": it is not an address");
    beginNavigation();
    if (target.scheme() == QLatin1String("javascript")) {
        // Script addresses load no page; running one would change the page
        // shown and leave a capture of the previous row's page.
        QTimer::singleShot(0, this, [this, navigation = m_navigation] {
            if (navigation != m_navigation)
                return;
            notify(&WebBrowserListener::NavigateError);
            finishNavigation(false);
        });
        return;
    }
    m_page->load(target);
}

void WebEngineBrowser::Refresh()
{
    if (m_page->url().isEmpty())
        throw Error("There is no page to refresh");
    beginNavigation();
    m_page->triggerAction(QWebEnginePage::Reload);
}

void WebEngineBrowser::Stop()
{
    if (m_state == State::loading)
        m_stoppedNavigation = m_navigation;
    m_page->triggerAction(QWebEnginePage::Stop);
}

void WebEngineBrowser::GoBack()
{
    m_page->triggerAction(QWebEnginePage::Back);
}

void WebEngineBrowser::GoForward()
{
    m_page->triggerAction(QWebEnginePage::Forward);
}

WebDocument* WebEngineBrowser::Document()
{
    return m_hasDocument ? m_document.get() : nullptr;
}

int WebEngineBrowser::ReadyState() const
{
    switch (m_state) {
    case State::uninitialized:
        return 0;
    case State::loading:
        return 1;
    case State::rendering:
        return 3;
    case State::complete:
        break;
    }
    return readyStateComplete;
}

std::string WebEngineBrowser::LocationURL() const
{
    return fromQt(m_page->url().toString());
}

bool WebEngineBrowser::Busy() const
{
    return m_state == State::loading;
}

void WebEngineBrowser::beginNavigation()
{
    ++m_navigation;
    m_state = State::loading;
    m_watcher->cancel();
    m_startTimeout.start();
}

void WebEngineBrowser::loadingChanged(const QWebEngineLoadingInfo& info)
{
    m_startTimeout.stop();
    switch (info.status()) {
    case QWebEngineLoadingInfo::LoadStartedStatus:
        if (m_state != State::loading)
            beginNavigation();
        m_startTimeout.stop();
        return;
    case QWebEngineLoadingInfo::LoadSucceededStatus:
        break;
    case QWebEngineLoadingInfo::LoadStoppedStatus:
        loadStopped();
        return;
    case QWebEngineLoadingInfo::LoadFailedStatus:
        notify(&WebBrowserListener::NavigateError);
        break;
    }
    finishNavigation(true);
    notifyLoadEnded();
}

void WebEngineBrowser::loadStopped()
{
    if (m_stoppedNavigation && *m_stoppedNavigation != m_navigation) {
        // The stopped load of an earlier navigation ends after Navigate began the next.
        m_stoppedNavigation.reset();
        return;
    }
    // A stop nobody asked for is the engine refusing the address. Either way
    // the view keeps what it showed: no new frame will come.
    if (!m_stoppedNavigation)
        notify(&WebBrowserListener::NavigateError);
    finishNavigation(false);
    notifyLoadEnded();
}

void WebEngineBrowser::notifyLoadEnded()
{
    notify(&WebBrowserListener::DownloadComplete);
    notify(&WebBrowserListener::DocumentComplete);
}

void WebEngineBrowser::rendererTerminated(int status)
{
    if (status == QWebEnginePage::NormalTerminationStatus)
        return;
    // A crashed page shows nothing worth waiting for.
    m_startTimeout.stop();
    m_watcher->cancel();
    m_hasDocument = true;
    m_state = State::complete;
    notify(&WebBrowserListener::NavigateError);
}

void WebEngineBrowser::finishNavigation(bool waitForPaint)
{
    m_startTimeout.stop();
    m_stoppedNavigation.reset();
    m_hasDocument = true;
    if (!waitForPaint) {
        m_watcher->cancel();
        m_state = State::complete;
        return;
    }
    m_state = State::rendering;
    m_watcher->begin();
}

void WebEngineBrowser::notify(const std::function<void(WebBrowserListener&)>& event)
{
    if (auto* target = listener())
        guarded([&] { event(*target); });
}

} // namespace lumivane
