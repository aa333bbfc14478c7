#pragma once

#include "platform/MessagePump.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lumivane {

/// How a blocking network call waits: the pump runs after every connect step and
/// after every receive slice that brought nothing; cancelled is asked after each
/// pump, and a true answer ends the call.
struct NetworkWait {
    MessagePump pump;
    std::function<bool()> cancelled;
    std::chrono::milliseconds connectTimeout {120000};
    std::chrono::milliseconds connectStep {125};
    std::chrono::milliseconds readSlice {250};

    /// Runs the pump, then raises lumivane::Error if the call was cancelled.
    void idle() const;
};

/// One TCP connection with a receive buffer. Failures raise lumivane::Error.
class TcpConnection {
public:
    /// Resolves and connects on a helper thread, so the pump keeps running;
    /// gives up after the connect timeout.
    static std::unique_ptr<TcpConnection> open(
        const std::string& host, int port, const NetworkWait& wait);

    ~TcpConnection();
    TcpConnection(const TcpConnection&) = delete;
    TcpConnection& operator=(const TcpConnection&) = delete;

    void send(std::string_view bytes);
    /// Waits for more bytes and adds them to the buffer; false when the peer closed.
    bool receiveMore();
    std::string_view buffered() const;
    void consume(std::size_t count);
    /// Whether any byte arrived since the last send.
    bool receivedSinceSend() const { return m_receivedSinceSend; }

private:
    TcpConnection(int descriptor, NetworkWait wait);

    int m_descriptor;
    NetworkWait m_wait;
    std::string m_buffer;
    std::size_t m_start = 0;
    bool m_receivedSinceSend = false;
};

} // namespace lumivane
