#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace lumivane {

/// Cookies kept in memory for the life of the client, matched by the usual rules:
/// a cookie without Domain goes back only to the host that set it, one with Domain
/// to that domain and its subdomains; Path is a prefix on segment boundaries;
/// Expires and Max-Age drop a cookie once past. Secure cookies are never sent,
/// since the client speaks plain http only.
class CookieJar {
public:
    using Clock = std::chrono::system_clock;

    /// Takes one Set-Cookie header value from a reply to host and requestPath.
    void receive(const std::string& setCookie, const std::string& host,
        const std::string& requestPath, Clock::time_point now);
    /// The Cookie header value for a request, empty when no cookie applies.
    std::string headerFor(
        const std::string& host, const std::string& requestPath, Clock::time_point now) const;

private:
    struct Cookie {
        std::string name;
        std::string value;
        std::string domain;
        std::string path;
        bool hostOnly = true;
        bool secure = false;
        std::optional<Clock::time_point> expires;
        unsigned long long created = 0;
    };

    std::vector<Cookie> m_cookies;
    unsigned long long m_counter = 0;
};

/// A cookie date such as "Wed, 09 Jun 2021 10:18:14 GMT" read loosely, the way
/// browsers do (also the "-" separated and two-digit year forms); nullopt when
/// it cannot be read.
std::optional<std::chrono::system_clock::time_point> parseCookieDate(const std::string& text);

} // namespace lumivane
