#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace lumivane {

/// The window of one message hint: a frameless balloon that stays on top without taking the
/// focus, lies below and to the left of its anchor with its stem pointing at it, and closes at
/// the next mouse click anywhere.
class BalloonHintWindow : public QWidget {
    Q_OBJECT
public:
    BalloonHintWindow(const QString& text, const QPoint& anchor);
    ~BalloonHintWindow() override;

    QString text() const { return m_text; }
    /// The screen point the stem touches.
    QPoint anchor() const { return m_anchor; }

    /// Depth of the shadow along the right and bottom edges, in pixels.
    static constexpr int shadowDepth = 4;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QRect balloonRect() const;

    QString m_text;
    QPoint m_anchor;
};

/// The main window's message hint: shows one balloon at a time; showing a new one closes the
/// one still on screen.
class BalloonHint : public QObject {
    Q_OBJECT
public:
    explicit BalloonHint(QObject* parent = nullptr);
    ~BalloonHint() override;

    /// Shows text (CR LF breaks lines) in a balloon whose stem touches the screen point anchor.
    void showHint(const QPoint& anchor, const QString& text);
    /// Shows the hint at the centre of widget.
    void showHintAt(const QWidget& widget, const QString& text);
    /// The balloon on screen, or null once it closed.
    BalloonHintWindow* current() const { return m_window; }

private:
    QPointer<BalloonHintWindow> m_window;
};

} // namespace lumivane
