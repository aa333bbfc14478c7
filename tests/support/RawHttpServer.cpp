#include "tests/support/RawHttpServer.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace lumivane::test {
namespace {

constexpr std::size_t maxRequest = 4 * 1024 * 1024;

std::size_t contentLengthOf(const std::string& head)
{
    std::string lower(head);
    std::transform(lower.begin(), lower.end(), lower.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto at = lower.find("\r\ncontent-length:");
    if (at == std::string::npos)
        return 0;
    return std::stoul(lower.substr(at + 17));
}

std::string reasonFor(int status)
{
    switch (status) {
    case 100:
        return "Continue";
    case 200:
        return "OK";
    case 301:
        return "Moved Permanently";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

} // namespace

RawHttpServer::RawHttpServer()
{
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0;
    socklen_t length = sizeof address;
    if (m_listener < 0
        || bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
        || listen(m_listener, 8) != 0
        || getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0
        || pipe(m_wake) != 0)
        throw std::runtime_error("cannot start the test HTTP server");
    m_port = ntohs(address.sin_port);
    m_thread = std::thread(&RawHttpServer::run, this);
}

RawHttpServer::~RawHttpServer()
{
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_released.notify_all();
    const char byte = 0;
    [[maybe_unused]] const auto written = write(m_wake[1], &byte, 1);
    m_thread.join();
    close(m_listener);
    close(m_wake[0]);
    close(m_wake[1]);
}

std::string RawHttpServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

void RawHttpServer::addReply(Reply reply)
{
    const std::lock_guard lock(m_mutex);
    m_replies.push_back(std::move(reply));
}

void RawHttpServer::release()
{
    {
        const std::lock_guard lock(m_mutex);
        m_releaseGiven = true;
    }
    m_released.notify_all();
}

std::vector<RawHttpServer::Request> RawHttpServer::requests() const
{
    const std::lock_guard lock(m_mutex);
    return m_requests;
}

int RawHttpServer::connectionCount() const
{
    const std::lock_guard lock(m_mutex);
    return m_connections;
}

std::string RawHttpServer::reply(
    int status, const std::string& body, const std::string& extraHeaders, const std::string& reason)
{
    const bool keepsConnection = extraHeaders.find("Connection:") != std::string::npos;
    return "HTTP/1.1 " + std::to_string(status) + " "
        + (reason.empty() ? reasonFor(status) : reason)
        + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n"
        + (keepsConnection ? "" : "Connection: close\r\n") + extraHeaders + "\r\n" + body;
}

void RawHttpServer::run()
{
    for (;;) {
        pollfd entries[2] = {{m_listener, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
        if (poll(entries, 2, -1) < 0 || (entries[1].revents & POLLIN))
            return;
        const int client = accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            continue;
        int connection = 0;
        {
            const std::lock_guard lock(m_mutex);
            connection = ++m_connections;
        }
        serve(client, connection);
        close(client);
    }
}

void RawHttpServer::serve(int client, int connection)
{
    std::string pending;
    for (;;) {
        std::string request;
        if (!readRequest(client, pending, request))
            return;
        {
            const std::lock_guard lock(m_mutex);
            m_requests.push_back({request, connection});
        }
        const Reply reply = nextReply();
        if (reply.waitForRelease) {
            std::unique_lock lock(m_mutex);
            m_released.wait(lock, [this] { return m_releaseGiven || m_stopping; });
            m_releaseGiven = false;
        }
        sendReply(client, reply);
        if (reply.closeAfter)
            return;
    }
}

bool RawHttpServer::waitReadable(int client)
{
    pollfd entries[2] = {{client, POLLIN, 0}, {m_wake[0], POLLIN, 0}};
    return poll(entries, 2, -1) > 0 && !(entries[1].revents & POLLIN);
}

/// One request head and its Content-Length body; false when the client left.
bool RawHttpServer::readRequest(int client, std::string& pending, std::string& request)
{
    for (;;) {
        const auto headEnd = pending.find("\r\n\r\n");
        if (headEnd != std::string::npos) {
            const std::size_t total = headEnd + 4 + contentLengthOf(pending.substr(0, headEnd + 2));
            if (pending.size() >= total) {
                request = pending.substr(0, total);
                pending.erase(0, total);
                return true;
            }
        }
        if (pending.size() > maxRequest || !waitReadable(client))
            return false;
        char chunk[16384];
        const ssize_t received = recv(client, chunk, sizeof chunk, 0);
        if (received <= 0)
            return false;
        pending.append(chunk, static_cast<std::size_t>(received));
    }
}

RawHttpServer::Reply RawHttpServer::nextReply()
{
    const std::lock_guard lock(m_mutex);
    if (m_nextReply < m_replies.size())
        return m_replies[m_nextReply++];
    return Reply {reply(500, "", {}, "No scripted reply")};
}

void RawHttpServer::sendReply(int client, const Reply& reply)
{
    auto sendAll = [client](const std::string& bytes) {
        for (std::size_t sent = 0; sent < bytes.size();) {
            const ssize_t n = send(client, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            sent += static_cast<std::size_t>(n);
        }
        return true;
    };
    if (!sendAll(reply.bytes) || reply.repeatForever.empty())
        return;
    while (sendAll(reply.repeatForever)) {
        const std::lock_guard lock(m_mutex);
        if (m_stopping)
            return;
    }
}

} // namespace lumivane::test
