#pragma once

#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QWebEngineView;

namespace lumivane {

/// Shows the snapshot browser's picture where the browser belongs in the main
/// window, refreshed while this widget is visible, at the browser's size.
class SnapshotMirror : public QWidget {
    Q_OBJECT
public:
    static constexpr int refreshMs = 250;

    SnapshotMirror(QWebEngineView* view, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();

    QWebEngineView* m_view;
    QPixmap m_picture;
    QTimer m_timer;
};

} // namespace lumivane
