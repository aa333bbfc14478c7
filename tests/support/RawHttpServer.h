#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lumivane::test {

/// An HTTP server inside the test process on 127.0.0.1 at a free port. It serves
/// one connection at a time, records every request's raw bytes (head and, by its
/// Content-Length, body) and answers each with the next scripted reply, byte for
/// byte. Without a scripted reply left it answers 500 and closes.
class RawHttpServer {
public:
    struct Reply {
        Reply(std::string bytes, bool closeAfter = true, bool waitForRelease = false,
            std::string repeatForever = {})
            : bytes(std::move(bytes))
            , closeAfter(closeAfter)
            , waitForRelease(waitForRelease)
            , repeatForever(std::move(repeatForever))
        {
        }

        std::string bytes; ///< sent exactly as given
        bool closeAfter = true; ///< false: wait for another request on the same connection
        bool waitForRelease = false; ///< hold the reply until release() is called
        std::string repeatForever; ///< sent again and again after bytes until the client leaves
    };

    struct Request {
        std::string bytes;
        int connection = 0; ///< 1 for the first accepted connection, and so on
    };

    RawHttpServer();
    ~RawHttpServer();
    RawHttpServer(const RawHttpServer&) = delete;
    RawHttpServer& operator=(const RawHttpServer&) = delete;

    int port() const { return m_port; }
    /// "http://127.0.0.1:<port>" + path.
    std::string url(const std::string& path) const;

    void addReply(Reply reply);
    void addReply(const std::string& bytes) { addReply(Reply {bytes}); }
    /// Lets a reply scripted with waitForRelease go out.
    void release();

    std::vector<Request> requests() const;
    int connectionCount() const;

    /// A complete reply with Content-Length, "Connection: close" unless extraHeaders
    /// says otherwise; extraHeaders are whole lines ending in CR LF.
    static std::string reply(int status, const std::string& body,
        const std::string& extraHeaders = {}, const std::string& reason = {});

private:
    void run();
    void serve(int client, int connection);
    bool readRequest(int client, std::string& pending, std::string& request);
    bool waitReadable(int client);
    Reply nextReply();
    void sendReply(int client, const Reply& reply);

    int m_listener = -1;
    int m_wake[2] = {-1, -1};
    int m_port = 0;
    mutable std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_releaseGiven = false;
    bool m_stopping = false;
    std::vector<Reply> m_replies;
    std::size_t m_nextReply = 0;
    std::vector<Request> m_requests;
    int m_connections = 0;
    std::thread m_thread;
};

} // namespace lumivane::test
