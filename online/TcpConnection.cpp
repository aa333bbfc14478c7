#include "online/TcpConnection.h"

#include "platform/Error.h"

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace lumivane {
namespace {

using Clock = std::chrono::steady_clock;

/// Shared by the waiting thread and the connect thread; whichever side is
/// last to let go frees it, and an abandoned result is closed by the helper.
struct ConnectAttempt {
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool abandoned = false;
    int descriptor = -1;
    std::string error;
};

int remainingMilliseconds(Clock::time_point deadline)
{
    const auto left
        = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

/// A non-blocking connect bounded by the deadline; the descriptor comes back
/// in blocking mode, or -1 with error set.
int connectAddress(const addrinfo& address, Clock::time_point deadline, std::string& error)
{
    const int fd = socket(
        address.ai_family, address.ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, address.ai_protocol);
    if (fd < 0) {
        error = std::strerror(errno);
        return -1;
    }
    int status = connect(fd, address.ai_addr, address.ai_addrlen) == 0 ? 0 : errno;
    if (status == EINPROGRESS) {
        pollfd entry {fd, POLLOUT, 0};
        const int ready = poll(&entry, 1, remainingMilliseconds(deadline));
        socklen_t length = sizeof status;
        if (ready <= 0)
            status = ready == 0 ? ETIMEDOUT : errno;
        else if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &status, &length) != 0)
            status = errno;
    }
    if (status != 0) {
        error = std::strerror(status);
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

void resolveAndConnect(
    std::shared_ptr<ConnectAttempt> attempt, std::string host, int port, Clock::time_point deadline)
{
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    int fd = -1;
    std::string error;
    const int lookup = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (lookup != 0)
        error = std::string("Cannot resolve host ") + host + ": " + gai_strerror(lookup);
    for (const addrinfo* address = found; address && fd < 0; address = address->ai_next)
        fd = connectAddress(*address, deadline, error);
    if (found)
        freeaddrinfo(found);

    const std::lock_guard lock(attempt->mutex);
    if (attempt->abandoned) {
        if (fd >= 0)
            close(fd);
        return;
    }
    attempt->descriptor = fd;
    attempt->error = error;
    attempt->done = true;
    attempt->finished.notify_all();
}

/// Waits for the connect thread in steps, running the pump between them.
int awaitConnect(std::shared_ptr<ConnectAttempt> attempt, std::thread& helper,
    const NetworkWait& wait, Clock::time_point deadline)
{
    std::unique_lock lock(attempt->mutex);
    try {
        while (!attempt->done) {
            if (Clock::now() >= deadline)
                throw Error("Connect timed out");
            attempt->finished.wait_for(lock, wait.connectStep);
            if (attempt->done)
                break;
            lock.unlock();
            wait.idle();
            lock.lock();
        }
    } catch (...) {
        if (!lock.owns_lock())
            lock.lock();
        attempt->abandoned = true;
        helper.detach();
        throw;
    }
    lock.unlock();
    helper.join();
    if (attempt->descriptor < 0)
        throw Error(attempt->error.empty() ? "Cannot connect" : attempt->error);
    return attempt->descriptor;
}

} // namespace

void NetworkWait::idle() const
{
    if (pump)
        pump();
    if (cancelled && cancelled())
        throw Error("Disconnected");
}

std::unique_ptr<TcpConnection> TcpConnection::open(
    const std::string& host, int port, const NetworkWait& wait)
{
    const auto deadline = Clock::now() + wait.connectTimeout;
    auto attempt = std::make_shared<ConnectAttempt>();
    std::thread helper(resolveAndConnect, attempt, host, port, deadline);
    const int fd = awaitConnect(attempt, helper, wait, deadline);
    return std::unique_ptr<TcpConnection>(new TcpConnection(fd, wait));
}

TcpConnection::TcpConnection(int descriptor, NetworkWait wait)
    : m_descriptor(descriptor)
    , m_wait(std::move(wait))
{
}

TcpConnection::~TcpConnection()
{
    close(m_descriptor);
}

void TcpConnection::send(std::string_view bytes)
{
    m_receivedSinceSend = false;
    while (!bytes.empty()) {
        const ssize_t sent
            = ::send(m_descriptor, bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (sent >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            throw Error(std::string("Send failed: ") + std::strerror(errno));
        pollfd entry {m_descriptor, POLLOUT, 0};
        if (poll(&entry, 1, static_cast<int>(m_wait.readSlice.count())) == 0)
            m_wait.idle();
    }
}

bool TcpConnection::receiveMore()
{
    for (;;) {
        pollfd entry {m_descriptor, POLLIN, 0};
        const int ready = poll(&entry, 1, static_cast<int>(m_wait.readSlice.count()));
        if (ready == 0) {
            m_wait.idle();
            continue;
        }
        if (ready < 0 && errno == EINTR)
            continue;
        char chunk[16384];
        const ssize_t received = ready < 0 ? -1 : recv(m_descriptor, chunk, sizeof chunk, 0);
        if (received < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (received < 0)
            throw Error(std::string("Receive failed: ") + std::strerror(errno));
        if (received == 0)
            return false;
        if (m_start > 0 && m_start >= m_buffer.size() / 2) {
            m_buffer.erase(0, m_start);
            m_start = 0;
        }
        m_buffer.append(chunk, static_cast<std::size_t>(received));
        m_receivedSinceSend = true;
        return true;
    }
}

std::string_view TcpConnection::buffered() const
{
    return std::string_view(m_buffer).substr(m_start);
}

void TcpConnection::consume(std::size_t count)
{
    m_start += std::min(count, m_buffer.size() - m_start);
}

} // namespace lumivane
