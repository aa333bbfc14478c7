#include "tests/tools/TestSite.h"

#include <chrono>

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
    server().Get(
        R"(/page/([0-9a-f]{6}))", [](const httplib::Request& request, httplib::Response& response) {
            response.set_content(colourPage(request.matches[1]), "text/html");
        });
    server().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
        response.status = 404;
        response.set_content("<html><body>not here</body></html>", "text/html");
    });
    server().Get("/alert", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(
            colourPage("00ffff", "<script>alert('hello');confirm('sure?')</script>"), "text/html");
    });
    server().Get("/moves-on", [](const httplib::Request&, httplib::Response& response) {
        response.set_content(colourPage("ff00ff",
                                 "<script>setTimeout(function () { location.href = "
                                 "'/slow/00ff00'; }, 200)</script>"),
            "text/html");
    });
    server().Get(R"(/slow/([0-9a-f]{6}))",
        [this](const httplib::Request& request, httplib::Response& response) {
            waitUntilStopped(std::chrono::milliseconds(slowPageMs));
            response.set_content(colourPage(request.matches[1]), "text/html");
        });
    server().Get("/hang", [this](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/html", [this](std::size_t, httplib::DataSink& sink) {
                const std::string start = "<html><body><p>still loading";
                sink.write(start.data(), start.size());
                waitUntilStopped();
                return false;
            });
    });
    start();
}

} // namespace lumivane::test
