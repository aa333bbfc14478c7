#pragma once

#include "online/CookieJar.h"
#include "online/WebClient.h"
#include "platform/MessagePump.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace lumivane {

class TcpConnection;
class ReplyBodySink;
struct HttpUrl;

/// Timing of the client; the defaults are the program's, tests shorten them.
struct HttpClientTiming {
    std::chrono::milliseconds connectTimeout {120000};
    std::chrono::milliseconds connectStep {125};
    std::chrono::milliseconds readSlice {250};
};

/// The program's one HTTP client (`IdHTTP1`): http only, HTTP/1.0 multipart POSTs,
/// HTTP/1.1 GETs, redirects, cookies kept in memory. While it waits on the network
/// it runs the injected message pump, so window events can run inside a call.
/// A call made from inside the pump while another call runs fails; a disconnect
/// from inside the pump ends the running call as a failure.
class HttpClient : public WebClient {
public:
    explicit HttpClient(MessagePump pump = {}, HttpClientTiming timing = {});
    ~HttpClient() override;
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    std::string postForm(const std::string& url, const FormFields& fields) override;
    bool downloadToFile(const std::string& url, const std::string& path,
        std::uint64_t maxBytes = unlimitedDownload) override;
    void disconnect() override;

private:
    enum class Method { Get, Post };
    class CallGuard;

    void execute(
        Method method, const std::string& url, const std::string& body, ReplyBodySink& sink);
    bool exchange(Method method, const HttpUrl& url, const std::string& body, ReplyBodySink& sink,
        bool lastAllowed, std::string& location);
    /// True when a kept connection to the same server is reused.
    bool connectTo(const HttpUrl& url, bool fresh);
    void closeConnection();

    MessagePump m_pump;
    HttpClientTiming m_timing;
    CookieJar m_cookies;
    std::string m_contentType = "text/html";
    std::string m_connectionHeader;
    std::unique_ptr<TcpConnection> m_socket;
    std::string m_socketHost;
    int m_socketPort = 0;
    bool m_busy = false;
    bool m_cancelled = false;
};

} // namespace lumivane
