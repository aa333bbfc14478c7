#include "LocalServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumivane::test {

namespace {

std::string colourPage(const std::string& colour)
{
    return "<html><body style='margin:0;background:#" + colour
        + "'><div style='position:absolute;left:0;top:0;width:25%;height:25%;"
          "background:#000'></div></body></html>";
}

constexpr const char* popupsPage = "<html><body style='background:#00ff00'><script>"
                                   "alert('a'); confirm('b'); prompt('c');"
                                   "window.open('about:blank');</script></body></html>";

} // namespace

LocalServer::LocalServer()
{
    m_server.Get(R"(/colour/([0-9a-f]{6}))", [](const httplib::Request& request, auto& response) {
        response.set_content(colourPage(request.matches[1]), "text/html");
    });
    m_server.Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<html><body>Not here</body></html>", "text/html");
    });
    m_server.Get("/hang", [this](const httplib::Request&, httplib::Response& response) {
        std::unique_lock lock(m_mutex);
        m_stopping.wait(lock, [this] { return m_stopped; });
        response.set_content("late", "text/plain");
    });
    m_server.Get("/popups", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(popupsPage, "text/html");
    });
    m_server.Get("/frame-error", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body style='background:#0000ff'><iframe "
                             "style='width:8px;height:8px' src='http://"
                             "127.0.0.1:"
                + std::to_string(closedPort()) + "/'></iframe></body></html>",
            "text/html");
    });
    // One request per connection: a kept-alive connection would hold up stop().
    m_server.set_keep_alive_max_count(1);
    m_port = m_server.bind_to_any_port("127.0.0.1");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // Stopping a server that has not begun to listen would leave it listening.
    while (!m_server.is_running())
        std::this_thread::yield();
}

LocalServer::~LocalServer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_stopping.notify_all();
    m_server.stop();
    m_thread.join();
}

std::string LocalServer::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int LocalServer::closedPort()
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

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

} // namespace lumivane::test
