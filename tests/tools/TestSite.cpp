#include "tests/tools/TestSite.h"

#include <chrono>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace lumivane::test {

namespace {

std::string colourPage(const std::string& colour, const std::string& script = {})
{
    return "<!DOCTYPE html><html><head><style>html,body{margin:0;height:100%;background:#" + colour
        + "}h1{margin:0;padding:40px;font:40px sans-serif;color:#fff}</style>" + script
        + "</head><body><h1>Page " + colour + "</h1></body></html>";
}

} // namespace

TestSite::TestSite()
{
    m_server.Get(
        R"(/page/([0-9a-f]{6}))", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(colourPage(request.matches[1]), "text/html");
        });
    m_server.Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<html><body>not here</body></html>", "text/html");
    });
    m_server.Get("/alert", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(
            colourPage("00ffff", "<script>alert('hello');confirm('sure?')</script>"), "text/html");
    });
    m_server.Get("/moves-on", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(colourPage("ff00ff",
                                 "<script>setTimeout(function () { location.href = "
                                 "'/slow/00ff00'; }, 200)</script>"),
            "text/html");
    });
    m_server.Get(R"(/slow/([0-9a-f]{6}))",
        [this](const httplib::Request& request, httplib::Response& response) {
            std::unique_lock lock(m_mutex);
            m_stopping.wait_for(
                lock, std::chrono::milliseconds(slowPageMs), [this] { return m_stopped; });
            response.set_content(colourPage(request.matches[1]), "text/html");
        });
    m_server.Get("/hang", [this](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/html", [this](std::size_t, httplib::DataSink& sink) {
                const std::string start = "<html><body><p>still loading";
                sink.write(start.data(), start.size());
                std::unique_lock lock(m_mutex);
                m_stopping.wait(lock, [this] { return m_stopped; });
                return false;
            });
    });
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        throw std::runtime_error("the test site cannot bind 127.0.0.1");
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    // Stopping a server that has not begun to listen would leave it listening,
    // and the destructor would wait for it forever.
    while (!m_server.is_running())
        std::this_thread::yield();
}

TestSite::~TestSite()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_stopping.notify_all();
    m_server.stop();
    m_thread.join();
}

std::string TestSite::url(const std::string& path) const
{
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int closedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

} // namespace lumivane::test
