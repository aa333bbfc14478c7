#include "snapshot/PaintWatcher.h"

#include <QEvent>
#include <QWidget>

namespace lumivane {

PaintWatcher::PaintWatcher(QWidget* view)
    : QObject(view)
    , m_view(view)
{
    m_quiet.setSingleShot(true);
    m_cap.setSingleShot(true);
    m_cap.setInterval(capMs);
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_quiet, &QTimer::timeout, this, &PaintWatcher::quietPeriodOver);
    connect(&m_cap, &QTimer::timeout, this, &PaintWatcher::finish);
    connect(&m_settle, &QTimer::timeout, this, &PaintWatcher::settlingOver);
    // The engine replaces its render widget on some navigations.
    m_view->installEventFilter(this);
    followRenderWidget();
}

QPixmap PaintWatcher::grab(QWidget* view)
{
    auto* watcher = view->findChild<PaintWatcher*>(QString(), Qt::FindDirectChildrenOnly);
    if (watcher)
        watcher->m_grabbing = true;
    QPixmap picture = view->grab();
    if (watcher)
        watcher->m_grabbing = false;
    return picture;
}

void PaintWatcher::begin()
{
    followRenderWidget();
    m_waiting = true;
    m_frames = 0;
    m_cap.start();
    m_quiet.start(m_renderWidget ? quietMs : fallbackMs);
    if (m_loadingFrames > 0)
        m_settle.start();
}

void PaintWatcher::cancel()
{
    m_waiting = false;
    m_loadingFrames = 0;
    m_quiet.stop();
    m_cap.stop();
    m_settle.stop();
}

bool PaintWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::ChildAdded)
        QTimer::singleShot(0, this, &PaintWatcher::followRenderWidget);
    else if (watched == m_renderWidget && event->type() == QEvent::Paint && !m_grabbing) {
        if (!m_waiting) {
            ++m_loadingFrames;
        } else {
            ++m_frames;
            m_quiet.start(quietMs);
        }
    }
    return false;
}

void PaintWatcher::followRenderWidget()
{
    QWidget* current = m_view->focusProxy();
    if (current == m_renderWidget)
        return;
    if (m_renderWidget)
        m_renderWidget->removeEventFilter(this);
    m_renderWidget = current;
    if (m_renderWidget)
        m_renderWidget->installEventFilter(this);
}

void PaintWatcher::quietPeriodOver()
{
    // Without a render widget to watch, the fixed delay is all there is.
    if (m_frames > 0 || !m_renderWidget)
        finish();
}

void PaintWatcher::settlingOver()
{
    // The page painted before its load was reported finished and has had
    // nothing new to show since.
    if (m_frames == 0)
        finish();
}

void PaintWatcher::finish()
{
    if (!m_waiting)
        return;
    cancel();
    emit painted();
}

} // namespace lumivane
