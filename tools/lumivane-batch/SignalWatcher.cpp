#include "tools/lumivane-batch/SignalWatcher.h"

#include "platform/Error.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lumivane::batch {

namespace {

std::array<int, 2> pipeEnds {-1, -1};
constexpr std::array<int, 2> watchedSignals {SIGINT, SIGTERM};

void onSignal(int signal)
{
    const int saved = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    [[maybe_unused]] const auto written = write(pipeEnds[1], &number, 1);
    errno = saved;
}

} // namespace

SignalWatcher::SignalWatcher()
{
    if (pipe2(pipeEnds.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        throw Error(std::string("cannot watch for signals: ") + std::strerror(errno));
    m_notifier = std::make_unique<QSocketNotifier>(pipeEnds[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &SignalWatcher::readPipe);
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : watchedSignals)
        sigaction(signal, &action, nullptr);
}

SignalWatcher::~SignalWatcher()
{
    for (const int signal : watchedSignals)
        std::signal(signal, SIG_DFL);
    m_notifier.reset();
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    pipeEnds = {-1, -1};
}

void SignalWatcher::readPipe()
{
    unsigned char number = 0;
    while (read(pipeEnds[0], &number, 1) == 1)
        emit received(number);
}

} // namespace lumivane::batch
