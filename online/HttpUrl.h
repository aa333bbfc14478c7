#pragma once

#include <string>

namespace lumivane {

/// The parts of an http URL the client needs.
struct HttpUrl {
    std::string host; ///< as written in the URL; IPv6 literals keep their brackets
    int port = 80;
    std::string path; ///< path, file name and query, as written; "/" when empty

    /// The Host header value: the host, plus ":" and the port when it is not 80.
    std::string hostHeader() const;
    /// The host as the resolver wants it (IPv6 brackets removed).
    std::string connectHost() const;
};

/// Reads an http URL; raises lumivane::Error for any other scheme, a missing host,
/// a bad port, or control characters and blanks that would break the request.
HttpUrl parseHttpUrl(const std::string& url);

/// The target of a redirect: an absolute http URL, a "//host" reference, an
/// absolute path or a path relative to the current one. Raises for another scheme.
HttpUrl resolveRedirect(const HttpUrl& current, const std::string& location);

} // namespace lumivane
