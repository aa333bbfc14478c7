#pragma once

#include <httplib.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace lumivane::test {

/// Test pages on 127.0.0.1 at a free port, served from a thread until the
/// object goes away.
///   /colour/RRGGBB  a page of that background colour with a black block
///   /missing        404 with a body
///   /hang           never answers until the server stops
///   /popups         a page that raises dialogs and opens windows
///   /frame-error    a page whose iframe cannot load
class LocalServer {
public:
    LocalServer();
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    std::string url(const std::string& path) const;
    /// A port on 127.0.0.1 that nothing listens on.
    static int closedPort();

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_stopping;
    bool m_stopped = false;
};

/// Pumps events until the condition holds or the time is over.
bool waitFor(const std::function<bool()>& condition, int timeoutMs);

} // namespace lumivane::test
