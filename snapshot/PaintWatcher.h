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
/// view's render widget (an engine detail) cannot be watched. A page whose
/// frames all came while it loaded may send none after: that wait is shorter.
class PaintWatcher : public QObject {
    Q_OBJECT
public:
    static constexpr int quietMs = 100;
    static constexpr int capMs = 3000;
    static constexpr int fallbackMs = 200;
    /// How long a page that painted while loading may take to send a first
    /// frame after the load; that frame comes within ~70 ms even under load.
    static constexpr int settleMs = 1000;

    explicit PaintWatcher(QWidget* view);

    /// The view's picture. Grabbing paints the view too; those paints are no
    /// new frames, so every grab of a watched view goes through here.
    static QPixmap grab(QWidget* view);

    /// Starts waiting for the frames of a finished load.
    void begin();
    /// Stops waiting; frames from here to the next begin() are the load's own.
    void cancel();
    bool waiting() const { return m_waiting; }

signals:
    void painted();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void followRenderWidget();
    void quietPeriodOver();
    void settlingOver();
    void finish();

    QWidget* m_view;
    QPointer<QWidget> m_renderWidget;
    QTimer m_quiet;
    QTimer m_cap;
    QTimer m_settle;
    bool m_waiting = false;
    int m_frames = 0;
    int m_loadingFrames = 0;
    bool m_grabbing = false;
};

} // namespace lumivane
