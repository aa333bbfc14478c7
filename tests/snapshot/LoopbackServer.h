#pragma once

#include <httplib.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace lumivane::test {

/// An HTTP server on 127.0.0.1 at a free port, served from a thread of the
/// test until the object goes away. A subclass adds its routes to server()
/// and then calls start().
class LoopbackServer {
public:
    LoopbackServer();
    virtual ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    std::string url(const std::string& path) const;
    /// A port on 127.0.0.1 that nothing listens on: connections are refused.
    static int closedPort();

protected:
    httplib::Server& server() { return m_server; }
    void start();
    /// For handlers that hang or are slow: returns once the server stops, or
    /// after `limit`.
    void waitUntilStopped(std::chrono::milliseconds limit = std::chrono::milliseconds::max());

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_stopping;
    bool m_stopped = false;
};

} // namespace lumivane::test
