#include "online/HttpUrl.h"

#include "platform/Error.h"

#include <algorithm>
#include <cctype>

namespace lumivane {
namespace {

bool isUnsafe(unsigned char c)
{
    return c <= 0x20 || c == 0x7F;
}

std::string lowered(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

/// The scheme before ":" when the text starts with one, else empty.
std::string schemeOf(const std::string& text)
{
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0)
        return {};
    const bool valid = std::isalpha(static_cast<unsigned char>(text[0]))
        && std::all_of(text.begin(), text.begin() + static_cast<long>(colon), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-'
                   || c == '.';
           });
    return valid ? lowered(text.substr(0, colon)) : std::string();
}

int parsePort(const std::string& text)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        throw Error("Invalid port in URL");
    const int port = std::stoi(text);
    if (port < 1 || port > 65535)
        throw Error("Invalid port in URL");
    return port;
}

void splitAuthority(const std::string& authority, HttpUrl& url)
{
    if (authority.find('@') != std::string::npos)
        throw Error("URLs with credentials are not supported");
    std::string::size_type portColon = std::string::npos;
    if (!authority.empty() && authority.front() == '[') {
        const auto close = authority.find(']');
        if (close == std::string::npos)
            throw Error("Invalid host in URL");
        if (close + 1 < authority.size()) {
            if (authority[close + 1] != ':')
                throw Error("Invalid host in URL");
            portColon = close + 1;
        }
    } else {
        portColon = authority.find(':');
    }
    url.host = authority.substr(0, portColon);
    url.port = portColon == std::string::npos ? 80 : parsePort(authority.substr(portColon + 1));
    if (url.host.empty() || url.host == "[]")
        throw Error("URL has no host");
}

/// Parts after "//": authority, then path and query; the fragment is dropped.
HttpUrl fromNetworkPath(const std::string& rest)
{
    const auto pathStart = rest.find_first_of("/?#");
    HttpUrl url;
    splitAuthority(rest.substr(0, pathStart), url);
    std::string path = pathStart == std::string::npos ? std::string() : rest.substr(pathStart);
    path = path.substr(0, path.find('#'));
    url.path = path.empty() || path.front() != '/' ? "/" + path : path;
    return url;
}

void checkSafe(const std::string& text)
{
    if (std::any_of(text.begin(), text.end(),
            [](char c) { return isUnsafe(static_cast<unsigned char>(c)); }))
        throw Error("URL contains blanks or control characters");
}

} // namespace

std::string HttpUrl::hostHeader() const
{
    return port == 80 ? host : host + ":" + std::to_string(port);
}

std::string HttpUrl::connectHost() const
{
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
        return host.substr(1, host.size() - 2);
    return host;
}

HttpUrl parseHttpUrl(const std::string& url)
{
    checkSafe(url);
    const std::string scheme = schemeOf(url);
    if (scheme.empty())
        throw Error("URL has no host");
    if (scheme != "http")
        throw Error("Unsupported URL scheme: " + scheme);
    if (url.compare(scheme.size(), 3, "://") != 0)
        throw Error("URL has no host");
    return fromNetworkPath(url.substr(scheme.size() + 3));
}

HttpUrl resolveRedirect(const HttpUrl& current, const std::string& location)
{
    checkSafe(location);
    if (!schemeOf(location).empty())
        return parseHttpUrl(location);
    if (location.rfind("//", 0) == 0)
        return fromNetworkPath(location.substr(2));
    HttpUrl next = current;
    const std::string reference = location.substr(0, location.find('#'));
    if (reference.empty())
        return next;
    if (reference.front() == '/') {
        next.path = reference;
    } else if (reference.front() == '?') {
        next.path = current.path.substr(0, current.path.find('?')) + reference;
    } else {
        const std::string base = current.path.substr(0, current.path.find('?'));
        next.path = base.substr(0, base.rfind('/') + 1) + reference;
    }
    return next;
}

} // namespace lumivane
