#include "ui/BalloonHint.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>

namespace lumivane {

namespace {

constexpr int padding = 6;
constexpr int stemHeight = 10;
constexpr int stemWidth = 12;
// How far from the balloon's right edge the stem's tip lies.
constexpr int stemInset = 14;

QFont hintFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

QString displayText(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

BalloonHintWindow::BalloonHintWindow(const QString& text, const QPoint& anchor)
    : QWidget(nullptr,
        Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
            | Qt::WindowDoesNotAcceptFocus)
    , m_text(text)
    , m_anchor(anchor)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(hintFont());
    const QSize textSize
        = QFontMetrics(font()).boundingRect(QRect(0, 0, 2000, 2000), 0, displayText(m_text)).size();
    resize(textSize.width() + 2 * padding + shadowDepth,
        textSize.height() + 2 * padding + stemHeight + shadowDepth);
    // The stem's tip is the top-right corner area, so the balloon opens below and to the left.
    move(anchor - QPoint(width() - shadowDepth - stemInset, 0));
    qApp->installEventFilter(this);
}

BalloonHintWindow::~BalloonHintWindow()
{
    qApp->removeEventFilter(this);
}

QRect BalloonHintWindow::balloonRect() const
{
    return QRect(0, stemHeight, width() - shadowDepth, height() - stemHeight - shadowDepth);
}

bool BalloonHintWindow::eventFilter(QObject* watched, QEvent* event)
{
    const auto type = event->type();
    if (isVisible()
        && (type == QEvent::MouseButtonPress || type == QEvent::NonClientAreaMouseButtonPress)) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BalloonHintWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Clicks outside the program's windows reach the balloon too.
    grabMouse();
}

void BalloonHintWindow::hideEvent(QHideEvent* event)
{
    releaseMouse();
    QWidget::hideEvent(event);
}

void BalloonHintWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect body = balloonRect();
    const int tipX = body.right() - stemInset;
    QPainterPath path;
    path.addRoundedRect(body.adjusted(0, 0, -1, -1), 4, 4);
    QPainterPath stem;
    stem.moveTo(tipX, 0);
    stem.lineTo(tipX - stemWidth, stemHeight + 1);
    stem.lineTo(tipX, stemHeight + 1);
    stem.closeSubpath();
    path = path.united(stem);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawPath(path.translated(shadowDepth, shadowDepth));
    const QPalette& colours = QApplication::palette();
    painter.setBrush(colours.color(QPalette::ToolTipBase));
    painter.setPen(colours.color(QPalette::ToolTipText));
    painter.drawPath(path);
    painter.drawText(body.adjusted(padding, padding, -padding, -padding),
        Qt::AlignLeft | Qt::AlignTop, displayText(m_text));
}

BalloonHint::BalloonHint(QObject* parent)
    : QObject(parent)
{
}

BalloonHint::~BalloonHint()
{
    delete m_window.data();
}

void BalloonHint::showHint(const QPoint& anchor, const QString& text)
{
    if (m_window)
        m_window->close();
    m_window = new BalloonHintWindow(text, anchor);
    m_window->show();
}

void BalloonHint::showHintAt(const QWidget& widget, const QString& text)
{
    const QPoint centre(widget.width() / 2, widget.height() / 2);
    showHint(widget.mapToGlobal(centre), text);
}

} // namespace lumivane
