#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <functional>

namespace lumivane::test {

/// Runs the event loop until the condition holds or the time is up.
inline bool waitFor(const std::function<bool()>& condition, int timeoutMs = 10000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

} // namespace lumivane::test
