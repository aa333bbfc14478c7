#include "online/CookieJar.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <netinet/in.h>

namespace lumivane {
namespace {

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isIpAddress(const std::string& host)
{
    in6_addr address6 {};
    in_addr address4 {};
    return host.find(':') != std::string::npos || inet_pton(AF_INET, host.c_str(), &address4) == 1
        || inet_pton(AF_INET6, host.c_str(), &address6) == 1;
}

bool domainMatches(const std::string& host, const std::string& domain)
{
    if (host == domain)
        return true;
    return !isIpAddress(host) && host.size() > domain.size()
        && host.compare(host.size() - domain.size(), domain.size(), domain) == 0
        && host[host.size() - domain.size() - 1] == '.';
}

std::string pathOnly(const std::string& requestPath)
{
    return requestPath.substr(0, requestPath.find('?'));
}

/// The folder of the request path, the path a cookie without Path gets.
std::string defaultPath(const std::string& requestPath)
{
    const std::string path = pathOnly(requestPath);
    const auto slash = path.rfind('/');
    if (path.empty() || path.front() != '/' || slash == 0 || slash == std::string::npos)
        return "/";
    return path.substr(0, slash);
}

bool pathMatches(const std::string& requestPath, const std::string& cookiePath)
{
    const std::string path = pathOnly(requestPath);
    if (path.rfind(cookiePath, 0) != 0)
        return false;
    return path.size() == cookiePath.size() || cookiePath.back() == '/'
        || path[cookiePath.size()] == '/';
}

struct Attributes {
    std::optional<std::string> domain;
    std::optional<std::string> path;
    std::optional<std::chrono::system_clock::time_point> expires;
    std::optional<long long> maxAge;
    bool secure = false;
};

std::optional<long long> parseMaxAge(const std::string& value)
{
    const bool negative = !value.empty() && value.front() == '-';
    const std::string digits = negative ? value.substr(1) : value;
    if (digits.empty() || digits.size() > 12
        || !std::all_of(digits.begin(), digits.end(),
            [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
        return std::nullopt;
    const long long seconds = std::stoll(digits);
    return negative ? -seconds : seconds;
}

void readAttribute(const std::string& pair, Attributes& attributes)
{
    const auto equals = pair.find('=');
    const std::string name = lowered(trimmed(pair.substr(0, equals)));
    const std::string value
        = equals == std::string::npos ? std::string() : trimmed(pair.substr(equals + 1));
    if (name == "domain" && !value.empty())
        attributes.domain = lowered(value.front() == '.' ? value.substr(1) : value);
    else if (name == "path" && !value.empty() && value.front() == '/')
        attributes.path = value;
    else if (name == "expires")
        attributes.expires = parseCookieDate(value);
    else if (name == "max-age")
        attributes.maxAge = parseMaxAge(value);
    else if (name == "secure")
        attributes.secure = true;
}

} // namespace

void CookieJar::receive(const std::string& setCookie, const std::string& host,
    const std::string& requestPath, Clock::time_point now)
{
    const auto firstSemicolon = setCookie.find(';');
    const std::string pair = setCookie.substr(0, firstSemicolon);
    const auto equals = pair.find('=');
    if (equals == std::string::npos)
        return;
    Cookie cookie;
    cookie.name = trimmed(pair.substr(0, equals));
    cookie.value = trimmed(pair.substr(equals + 1));
    if (cookie.name.empty())
        return;

    Attributes attributes;
    for (auto start = firstSemicolon; start != std::string::npos;) {
        const auto end = setCookie.find(';', start + 1);
        readAttribute(setCookie.substr(start + 1, end - start - 1), attributes);
        start = end;
    }

    const std::string requestHost = lowered(host);
    cookie.hostOnly = !attributes.domain || attributes.domain->empty();
    cookie.domain = cookie.hostOnly ? requestHost : *attributes.domain;
    if (!domainMatches(requestHost, cookie.domain))
        return;
    cookie.path = attributes.path.value_or(defaultPath(requestPath));
    cookie.secure = attributes.secure;
    // Lifetimes are capped at 400 days, as browsers do, and a Max-Age of zero or
    // less expires at once; both keep the clock arithmetic in range.
    constexpr long long maxLifetime = 400LL * 24 * 60 * 60;
    if (attributes.maxAge)
        cookie.expires
            = now + std::chrono::seconds(std::clamp(*attributes.maxAge, 0LL, maxLifetime));
    else
        cookie.expires = attributes.expires;

    const auto same = std::find_if(m_cookies.begin(), m_cookies.end(), [&](const Cookie& kept) {
        return kept.name == cookie.name && kept.domain == cookie.domain && kept.path == cookie.path;
    });
    cookie.created = same != m_cookies.end() ? same->created : ++m_counter;
    if (same != m_cookies.end())
        m_cookies.erase(same);
    if (!cookie.expires || *cookie.expires > now)
        m_cookies.push_back(cookie);
}

std::string CookieJar::headerFor(
    const std::string& host, const std::string& requestPath, Clock::time_point now) const
{
    const std::string requestHost = lowered(host);
    std::vector<const Cookie*> matching;
    for (const Cookie& cookie : m_cookies) {
        const bool hostOk = cookie.hostOnly ? requestHost == cookie.domain
                                            : domainMatches(requestHost, cookie.domain);
        const bool live = !cookie.expires || *cookie.expires > now;
        if (hostOk && live && !cookie.secure && pathMatches(requestPath, cookie.path))
            matching.push_back(&cookie);
    }
    // Longer paths first, then the order the cookies were first set in.
    std::sort(matching.begin(), matching.end(), [](const Cookie* a, const Cookie* b) {
        if (a->path.size() != b->path.size())
            return a->path.size() > b->path.size();
        return a->created < b->created;
    });
    std::string header;
    for (const Cookie* cookie : matching)
        header += (header.empty() ? "" : "; ") + cookie->name + "=" + cookie->value;
    return header;
}

} // namespace lumivane
