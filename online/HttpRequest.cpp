#include "online/HttpRequest.h"

namespace lumivane {
namespace {

constexpr std::size_t foldLength = 78;

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

/// Where to break: the last blank from first on that keeps the piece within
/// the limit, else the first blank after it; npos when the rest cannot be broken.
std::size_t breakPoint(const std::string& line, std::size_t start, std::size_t first)
{
    std::size_t found = std::string::npos;
    for (std::size_t i = first; i < line.size(); ++i) {
        if (!isBlank(line[i]))
            continue;
        if (i - start <= foldLength)
            found = i;
        else
            return found != std::string::npos ? found : i;
    }
    return found;
}

} // namespace

std::string headerLine(const std::string& name, const std::string& value)
{
    const std::string line = name + ": " + value;
    std::string folded;
    std::size_t start = 0;
    // The blank after the colon is never a break: a value starts on the name's line.
    std::size_t first = name.size() + 2;
    while (line.size() - start > foldLength) {
        const std::size_t cut = breakPoint(line, start, first);
        if (cut == std::string::npos)
            break;
        folded += line.substr(start, cut - start) + "\r\n";
        start = cut;
        first = cut + 1;
    }
    return folded + line.substr(start) + "\r\n";
}

std::string requestHead(const std::string& method, const std::string& path,
    const std::string& version, const RequestHeaders& headers)
{
    std::string head = method + " " + path + " " + version + "\r\n";
    if (!headers.connection.empty())
        head += headerLine("Connection", headers.connection);
    head += headerLine("Content-Type", headers.contentType);
    if (headers.contentLength >= 0)
        head += headerLine("Content-Length", std::to_string(headers.contentLength));
    head += headerLine("Host", headers.host);
    head += headerLine("Accept", "text/html, */*");
    head += headerLine("User-Agent", "Mozilla/4.0 (compatible; MSIE 5.5; Windows NT 4.0)");
    if (!headers.cookie.empty())
        head += headerLine("Cookie", headers.cookie);
    return head + "\r\n";
}

} // namespace lumivane
