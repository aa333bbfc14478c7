#include "online/HttpClient.h"

#include "online/HttpReply.h"
#include "online/HttpRequest.h"
#include "online/HttpUrl.h"
#include "online/MultipartForm.h"
#include "online/TcpConnection.h"
#include "platform/Error.h"

#include <cstdio>
#include <filesystem>

namespace lumivane {
namespace {

/// One call makes at most this many requests, so at most 14 redirects are followed.
constexpr int maxRequests = 15;
/// Form replies are short texts; a bigger one is refused rather than held in memory.
constexpr std::size_t maxFormReply = 32 * 1024 * 1024;

class TextSink : public ReplyBodySink {
public:
    void write(std::string_view bytes) override
    {
        if (text.size() + bytes.size() > maxFormReply)
            throw Error("Reply too large");
        text.append(bytes);
    }
    std::string text;
};

class DiscardSink : public ReplyBodySink {
public:
    void write(std::string_view) override { }
};

class FileSink : public ReplyBodySink {
public:
    FileSink(const std::string& path, std::uint64_t maxBytes)
        : m_file(std::fopen(path.c_str(), "wb"))
        , m_room(maxBytes)
    {
    }
    ~FileSink() override { close(); }
    bool isOpen() const { return m_file != nullptr; }
    void write(std::string_view bytes) override
    {
        // Checked before writing, so a body over the limit never reaches the disk whole.
        if (bytes.size() > m_room)
            throw Error("The download is larger than allowed");
        m_room -= bytes.size();
        if (std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size())
            throw Error("Cannot write the downloaded file");
    }
    /// False when buffered data could not be written.
    bool close()
    {
        const bool ok = !m_file || std::fclose(m_file) == 0;
        m_file = nullptr;
        return ok;
    }

private:
    std::FILE* m_file;
    std::uint64_t m_room;
};

bool isRedirect(int status)
{
    return status >= 300 && status < 400 && status != 304;
}

void removeFile(const std::string& path)
{
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

} // namespace

/// Marks the client busy for one call; a call started from inside the pump of
/// another would share its connection, so it is refused.
class HttpClient::CallGuard {
public:
    explicit CallGuard(HttpClient& client)
        : m_client(client)
    {
        if (client.m_busy)
            throw Error("The HTTP client is busy with another request");
        client.m_busy = true;
        client.m_cancelled = false;
    }
    ~CallGuard() { m_client.m_busy = false; }
    CallGuard(const CallGuard&) = delete;
    CallGuard& operator=(const CallGuard&) = delete;

private:
    HttpClient& m_client;
};

HttpClient::HttpClient(MessagePump pump, HttpClientTiming timing)
    : m_pump(std::move(pump))
    , m_timing(timing)
{
}

HttpClient::~HttpClient() = default;

std::string HttpClient::postForm(const std::string& url, const FormFields& fields)
{
    const CallGuard guard(*this);
    const std::string boundary = multipartBoundaryNow();
    const std::string body = multipartBody(fields, boundary);
    m_contentType = "multipart/form-data; boundary=" + boundary;
    m_connectionHeader = "keep-alive";
    TextSink sink;
    execute(Method::Post, url, body, sink);
    return sink.text;
}

bool HttpClient::downloadToFile(
    const std::string& url, const std::string& path, std::uint64_t maxBytes)
{
    removeFile(path);
    if (m_busy)
        return false;
    FileSink file(path, maxBytes);
    if (!file.isOpen())
        return false;
    try {
        if (m_pump)
            m_pump();
        const CallGuard guard(*this);
        execute(Method::Get, url, {}, file);
        if (!file.close())
            throw Error("Cannot write the downloaded file");
        closeConnection();
        return true;
    } catch (...) {
        closeConnection();
        file.close();
        removeFile(path);
        return false;
    }
}

void HttpClient::disconnect()
{
    if (m_busy)
        m_cancelled = true;
    else
        closeConnection();
}

void HttpClient::closeConnection()
{
    m_socket.reset();
    m_socketHost.clear();
    m_socketPort = 0;
}

void HttpClient::execute(
    Method method, const std::string& url, const std::string& body, ReplyBodySink& sink)
{
    try {
        HttpUrl target = parseHttpUrl(url);
        for (int request = 1;; ++request) {
            std::string location;
            if (exchange(method, target, body, sink, request == maxRequests, location))
                return;
            target = resolveRedirect(target, location);
        }
    } catch (const Error&) {
        closeConnection();
        throw;
    } catch (const std::exception& error) {
        closeConnection();
        throw Error(error.what());
    }
}

bool HttpClient::connectTo(const HttpUrl& url, bool fresh)
{
    const bool sameServer = m_socket && m_socketPort == url.port && m_socketHost == url.host;
    if (!fresh && sameServer)
        return true;
    closeConnection();
    NetworkWait wait {m_pump, [this] { return m_cancelled; }, m_timing.connectTimeout,
        m_timing.connectStep, m_timing.readSlice};
    m_socket = TcpConnection::open(url.connectHost(), url.port, wait);
    m_socketHost = url.host;
    m_socketPort = url.port;
    return false;
}

/// One request and its reply. True when the call is over (a 2xx reply, or a
/// redirect that may no longer be followed); false with location set to follow.
bool HttpClient::exchange(Method method, const HttpUrl& url, const std::string& body,
    ReplyBodySink& sink, bool lastAllowed, std::string& location)
{
    const bool post = method == Method::Post;
    const RequestHeaders headers {m_connectionHeader, m_contentType,
        post ? static_cast<long long>(body.size()) : -1, url.hostHeader(),
        m_cookies.headerFor(url.host, url.path, CookieJar::Clock::now())};
    const std::string request
        = requestHead(post ? "POST" : "GET", url.path, post ? "HTTP/1.0" : "HTTP/1.1", headers)
        + (post ? body : std::string());

    // Every POST starts a new connection; a GET may reuse a kept one.
    const bool reused = connectTo(url, post);
    ReplyHead head;
    try {
        m_socket->send(request);
        head = readReplyHead(*m_socket);
    } catch (const Error&) {
        // A kept connection the server closed while idle: try once on a new one.
        if (!reused || m_socket->receivedSinceSend() || m_cancelled)
            throw;
        connectTo(url, true);
        m_socket->send(request);
        head = readReplyHead(*m_socket);
    }
    for (const std::string& cookie : head.values("Set-Cookie"))
        m_cookies.receive(cookie, url.host, url.path, CookieJar::Clock::now());

    const bool success = head.status >= 200 && head.status < 300;
    DiscardSink discard;
    if (!readReplyBody(*m_socket, head, success ? sink : discard))
        closeConnection();
    if (success)
        return true;
    const auto target = head.header("Location");
    if (!isRedirect(head.status) || !target)
        throw Error(head.statusLine);
    location = *target;
    return lastAllowed;
}

} // namespace lumivane
