#pragma once

#include <string>

namespace lumivane {

/// The header values one request carries; empty connection and cookie values
/// leave their lines out, and a negative content length leaves Content-Length out.
struct RequestHeaders {
    std::string connection;
    std::string contentType;
    long long contentLength = -1;
    std::string host;
    std::string cookie;
};

/// The request head: request line, headers in the fixed order (Connection,
/// Content-Type, Content-Length, Host, Accept, User-Agent, Cookie) and the empty
/// line, every line ending in CR LF.
std::string requestHead(const std::string& method, const std::string& path,
    const std::string& version, const RequestHeaders& headers);

/// "Name: value" with its CR LF, folded onto continuation lines (each starting
/// with the blank it was broken at) when longer than 78 characters.
std::string headerLine(const std::string& name, const std::string& value);

} // namespace lumivane
