#include "snapshot/SnapshotMirror.h"

#include "snapshot/PaintWatcher.h"

#include <QPainter>
#include <QWebEngineView>

namespace lumivane {

SnapshotMirror::SnapshotMirror(QWebEngineView* view, QWidget* parent)
    : QWidget(parent)
    , m_view(view)
{
    setObjectName(QStringLiteral("SnapshotMirror"));
    m_timer.setInterval(refreshMs);
    connect(&m_timer, &QTimer::timeout, this, &SnapshotMirror::refresh);
}

void SnapshotMirror::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawPixmap(0, 0, m_picture);
}

void SnapshotMirror::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresh();
    m_timer.start();
}

void SnapshotMirror::hideEvent(QHideEvent* event)
{
    m_timer.stop();
    QWidget::hideEvent(event);
}

void SnapshotMirror::refresh()
{
    if (size() != m_view->size())
        setFixedSize(m_view->size());
    m_picture = PaintWatcher::grab(m_view);
    update();
}

} // namespace lumivane
