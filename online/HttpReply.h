#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumivane {

class TcpConnection;

/// Status line and headers of a reply.
struct ReplyHead {
    int major = 0;
    int minor = 0;
    int status = 0;
    std::string statusLine;
    std::vector<std::pair<std::string, std::string>> headers;

    /// The first value of a header (names match without regard to case).
    std::optional<std::string> header(std::string_view name) const;
    std::vector<std::string> values(std::string_view name) const;
};

/// Where a reply body goes as it arrives.
class ReplyBodySink {
public:
    virtual ~ReplyBodySink() = default;
    virtual void write(std::string_view bytes) = 0;
};

/// Reads the status line and headers, skipping 100 (continue) replies. Lines and
/// the whole head are size-capped; garbage, a cap overrun or a close before the
/// empty line raise lumivane::Error.
ReplyHead readReplyHead(TcpConnection& connection);

/// Reads the body as the head frames it (none, Content-Length, chunked, or up to
/// the close) into sink; true when the connection may be kept for another request.
bool readReplyBody(TcpConnection& connection, const ReplyHead& head, ReplyBodySink& sink);

} // namespace lumivane
