#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace lumivane::batch {

/// Turns SIGINT and SIGTERM into a Qt signal on the event loop: the handler
/// only writes the signal's number to a pipe, which is all a handler may do.
class SignalWatcher : public QObject {
    Q_OBJECT
public:
    SignalWatcher();
    ~SignalWatcher() override;

signals:
    void received(int signal);

private:
    void readPipe();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace lumivane::batch
