#pragma once

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

class QWidget;

namespace lumivane {

/// Tells when a view has shown what it finished loading. The engine reports a
/// load finished before the compositor has painted it, so pixels read at that
/// moment are white or show the previous page. Ready means: at least one new
/// frame, then no frame for a quiet period; capped, and a fixed delay when the
/// view's render widget (an engine detail) cannot be watched.
class PaintWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int quietMs = 100;
    static constexpr int capMs = 3000;
    static constexpr int fallbackMs = 200;

    explicit PaintWatcher(QWidget* view);

    /// The view's picture. Grabbing paints the view too; those paints are no
    /// new frames, so every grab of a watched view goes through here.
    static QPixmap grab(QWidget* view);

    /// Starts waiting for the frames of a finished load.
    void begin();
    void cancel();
    bool waiting() const { return m_waiting; }

signals:
    void painted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followRenderWidget();
    void quietPeriodOver();
    void finish();

    QWidget* m_view;
    QPointer<QWidget> m_renderWidget;
    QTimer m_quiet;
    QTimer m_cap;
    bool m_waiting = false;
    int m_frames = 0;
    bool m_grabbing = false;
};

} // namespace lumivane
