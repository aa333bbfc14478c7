#include "LocalServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

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
    server().Get(R"(/colour/([0-9a-f]{6}))", [](const httplib::Request& request, auto& response) {
        response.set_content(colourPage(request.matches[1]), "text/html");
    });
    server().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<html><body>Not here</body></html>", "text/html");
    });
    server().Get("/hang", [this](const httplib::Request&, httplib::Response& response) {
        waitUntilStopped();
        response.set_content("late", "text/plain");
    });
    server().Get("/popups", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(popupsPage, "text/html");
    });
    server().Get("/frame-error", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("<html><body style='background:#0000ff'><iframe "
                             "style='width:8px;height:8px' src='http://"
                             "127.0.0.1:"
                + std::to_string(closedPort()) + "/'></iframe></body></html>",
            "text/html");
    });
    start();
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
