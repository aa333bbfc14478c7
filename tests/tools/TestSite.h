#pragma once

#include <httplib.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace lumivane::test {

/// Test pages on 127.0.0.1 at a free port, served from a thread of the test:
/// /page/RRGGBB (a page of that colour with a heading), /missing (404 with a
/// body), /hang (starts an answer and never finishes it), /alert (calls
/// alert() before it shows its colour), /slow/RRGGBB (a colour page that takes
/// slowPageMs to answer) and /moves-on (a ff00ff page that goes on to
/// /slow/00ff00 by script 200 ms after it loaded).
class TestSite {
public:
    static constexpr int slowPageMs = 1500;

    TestSite();
    ~TestSite();
    TestSite(const TestSite&) = delete;
    TestSite& operator=(const TestSite&) = delete;

    std::string url(const std::string& path) const;

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_stopping;
    bool m_stopped = false;
};

/// A port on 127.0.0.1 that nothing listens on: connections are refused.
int closedPort();

} // namespace lumivane::test
