#include "online/HttpReply.h"

#include "online/TcpConnection.h"
#include "platform/Error.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace lumivane {
namespace {

constexpr std::size_t maxLine = 16 * 1024;
constexpr std::size_t maxHead = 64 * 1024;

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
            == std::tolower(static_cast<unsigned char>(y));
    });
}

std::string trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

/// One line without its CR LF (or bare LF); budget counts down the head's size.
std::string readLine(TcpConnection& connection, std::size_t& budget)
{
    for (;;) {
        const std::string_view data = connection.buffered();
        const auto newline = data.find('\n');
        if (newline != std::string_view::npos) {
            if (newline + 1 > budget || newline + 1 > maxLine)
                throw Error("Reply header too long");
            std::string line(data.substr(0, newline));
            connection.consume(newline + 1);
            budget -= newline + 1;
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return line;
        }
        if (data.size() > budget || data.size() > maxLine)
            throw Error("Reply header too long");
        if (!connection.receiveMore())
            throw Error("Connection closed before the reply was complete");
    }
}

void parseStatusLine(const std::string& line, ReplyHead& head)
{
    int major = 0, minor = 0, status = 0, consumed = 0;
    if (line.rfind("HTTP/", 0) != 0
        || std::sscanf(line.c_str(), "HTTP/%1d.%1d %3d%n", &major, &minor, &status, &consumed) != 3
        || consumed != 12 || (line.size() > 12 && line[12] != ' ') || status < 100)
        throw Error("Invalid reply status line");
    head.major = major;
    head.minor = minor;
    head.status = status;
    head.statusLine = line;
}

ReplyHead readOneHead(TcpConnection& connection, std::size_t& budget)
{
    ReplyHead head;
    parseStatusLine(readLine(connection, budget), head);
    for (std::string line = readLine(connection, budget); !line.empty();
         line = readLine(connection, budget)) {
        if ((line.front() == ' ' || line.front() == '\t') && !head.headers.empty()) {
            head.headers.back().second += " " + trimmed(line);
            continue;
        }
        const auto colon = line.find(':');
        if (colon == std::string::npos || colon == 0)
            throw Error("Invalid reply header line");
        head.headers.emplace_back(
            line.substr(0, colon), trimmed(std::string_view(line).substr(colon + 1)));
    }
    return head;
}

bool hasToken(const ReplyHead& head, std::string_view name, std::string_view token)
{
    for (const std::string& value : head.values(name)) {
        for (std::size_t start = 0; start <= value.size();) {
            const auto comma = std::min(value.find(',', start), value.size());
            if (sameText(trimmed(std::string_view(value).substr(start, comma - start)), token))
                return true;
            start = comma + 1;
        }
    }
    return false;
}

bool isChunked(const ReplyHead& head)
{
    const auto codings = head.values("Transfer-Encoding");
    if (codings.empty())
        return false;
    const std::string& last = codings.back();
    const auto comma = last.rfind(',');
    return sameText(trimmed(comma == std::string::npos ? last : last.substr(comma + 1)), "chunked");
}

std::optional<unsigned long long> contentLength(const ReplyHead& head)
{
    std::optional<unsigned long long> length;
    for (const std::string& value : head.values("Content-Length")) {
        if (value.empty() || value.size() > 18
            || !std::all_of(value.begin(), value.end(),
                [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            throw Error("Invalid Content-Length");
        const unsigned long long parsed = std::stoull(value);
        if (length && *length != parsed)
            throw Error("Conflicting Content-Length");
        length = parsed;
    }
    return length;
}

void readExactly(TcpConnection& connection, unsigned long long count, ReplyBodySink& sink)
{
    while (count > 0) {
        if (connection.buffered().empty() && !connection.receiveMore())
            throw Error("Connection closed before the end of the reply");
        const std::string_view data = connection.buffered();
        const auto take
            = static_cast<std::size_t>(std::min<unsigned long long>(count, data.size()));
        sink.write(data.substr(0, take));
        connection.consume(take);
        count -= take;
    }
}

void readUntilClose(TcpConnection& connection, ReplyBodySink& sink)
{
    do {
        sink.write(connection.buffered());
        connection.consume(connection.buffered().size());
    } while (connection.receiveMore());
}

unsigned long long chunkSize(const std::string& line)
{
    const std::string digits = trimmed(std::string_view(line).substr(0, line.find(';')));
    if (digits.empty() || digits.size() > 15
        || !std::all_of(digits.begin(), digits.end(),
            [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
        throw Error("Invalid chunk size");
    return std::stoull(digits, nullptr, 16);
}

void readChunked(TcpConnection& connection, ReplyBodySink& sink)
{
    for (;;) {
        std::size_t budget = maxLine;
        const unsigned long long size = chunkSize(readLine(connection, budget));
        if (size == 0)
            break;
        readExactly(connection, size, sink);
        budget = maxLine;
        if (!readLine(connection, budget).empty())
            throw Error("Invalid chunk end");
    }
    std::size_t budget = maxHead;
    while (!readLine(connection, budget).empty()) { }
}

} // namespace

std::optional<std::string> ReplyHead::header(std::string_view name) const
{
    for (const auto& [key, value] : headers)
        if (sameText(key, name))
            return value;
    return std::nullopt;
}

std::vector<std::string> ReplyHead::values(std::string_view name) const
{
    std::vector<std::string> found;
    for (const auto& [key, value] : headers)
        if (sameText(key, name))
            found.push_back(value);
    return found;
}

ReplyHead readReplyHead(TcpConnection& connection)
{
    std::size_t budget = maxHead;
    ReplyHead head = readOneHead(connection, budget);
    while (head.status == 100)
        head = readOneHead(connection, budget);
    return head;
}

bool readReplyBody(TcpConnection& connection, const ReplyHead& head, ReplyBodySink& sink)
{
    const bool keepAlive = !hasToken(head, "Connection", "close")
        && (head.major > 1 || (head.major == 1 && head.minor >= 1)
            || hasToken(head, "Connection", "keep-alive"));
    if (head.status < 200 || head.status == 204 || head.status == 304)
        return keepAlive;
    if (isChunked(head)) {
        readChunked(connection, sink);
        return keepAlive;
    }
    if (!head.values("Transfer-Encoding").empty()) {
        readUntilClose(connection, sink);
        return false;
    }
    if (const auto length = contentLength(head)) {
        readExactly(connection, *length, sink);
        return keepAlive;
    }
    readUntilClose(connection, sink);
    return false;
}

} // namespace lumivane
