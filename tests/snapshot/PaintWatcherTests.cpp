#include "snapshot/PaintWatcher.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace lumivane::test {
namespace {

// Qt's coarse timers may fire up to 5 % early.
int early(int ms)
{
    return ms * 94 / 100;
}

// A stand-in for the engine's view: the render widget is its focus proxy, and
// each frame the engine delivers is a paint event of that widget.
struct WatchedView {
    WatchedView()
    {
        render = new QWidget(&view);
        view.setFocusProxy(render);
        watcher = new PaintWatcher(&view);
        QObject::connect(
            watcher, &PaintWatcher::painted, [this] { paintedAfterMs = clock.elapsed(); });
    }
    void frame()
    {
        QPaintEvent event(QRect(0, 0, 1, 1));
        QCoreApplication::sendEvent(render, &event);
    }
    /// Runs events until painted or the time is over; the milliseconds since begin, or -1.
    qint64 waitForPainted(int timeoutMs)
    {
        QEventLoop loop;
        QObject::connect(watcher, &PaintWatcher::painted, &loop, &QEventLoop::quit);
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        if (paintedAfterMs < 0)
            loop.exec();
        return paintedAfterMs;
    }
    void begin()
    {
        clock.start();
        watcher->begin();
    }

    QWidget view;
    QWidget* render;
    PaintWatcher* watcher;
    QElapsedTimer clock;
    qint64 paintedAfterMs = -1;
};

TEST(PaintWatcher, WaitsForANewFrameAndThenTheQuietPeriod)
{
    WatchedView w;
    w.begin();
    QTimer::singleShot(20, [&w] { w.frame(); });
    const auto after = w.waitForPainted(PaintWatcher::capMs * 2);
    EXPECT_GE(after, 20 + early(PaintWatcher::quietMs));
    EXPECT_LT(after, PaintWatcher::settleMs);
}

TEST(PaintWatcher, APageThatPaintedWhileLoadingIsReadyWithoutTheFullCap)
{
    WatchedView w;
    w.watcher->cancel(); // a navigation begins
    w.frame();
    w.frame();
    w.begin(); // its load is reported finished; no frame follows
    const auto after = w.waitForPainted(PaintWatcher::capMs * 2);
    EXPECT_GE(after, early(PaintWatcher::settleMs));
    EXPECT_LT(after, (PaintWatcher::settleMs + PaintWatcher::capMs) / 2);
}

TEST(PaintWatcher, WithoutAnyFrameOfTheLoadItWaitsTheWholeCap)
{
    WatchedView w;
    w.watcher->cancel();
    w.begin();
    const auto after = w.waitForPainted(PaintWatcher::capMs * 2);
    EXPECT_GE(after, early(PaintWatcher::capMs));
}

TEST(PaintWatcher, GrabsAreNoFrames)
{
    WatchedView w;
    w.watcher->cancel();
    PaintWatcher::grab(&w.view);
    w.begin();
    const auto after = w.waitForPainted(PaintWatcher::capMs * 2);
    EXPECT_GE(after, early(PaintWatcher::capMs));
}

} // namespace
} // namespace lumivane::test
