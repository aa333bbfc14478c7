#include "LoopbackServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace lumivane::test {

LoopbackServer::LoopbackServer()
{
    // One request per connection: a kept-alive connection would hold up stop().
    m_server.set_keep_alive_max_count(1);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        throw std::runtime_error("the test server cannot bind 127.0.0.1");
}

LoopbackServer::~LoopbackServer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_stopping.notify_all();
    if (!m_thread.joinable())
        return;
    m_server.stop();
    m_thread.join();
}

void LoopbackServer::start()
{
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // Stopping a server that has not begun to listen would leave it listening,
    // and the destructor would wait for it forever.
    while (!m_server.is_running())
        std::this_thread::yield();
}

void LoopbackServer::waitUntilStopped(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    if (limit == std::chrono::milliseconds::max())
        m_stopping.wait(lock, [this] { return m_stopped; });
    else
        m_stopping.wait_for(lock, limit, [this] { return m_stopped; });
}

std::string LoopbackServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int LoopbackServer::closedPort()
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(socket);
    return ntohs(address.sin_port);
}

} // namespace lumivane::test
