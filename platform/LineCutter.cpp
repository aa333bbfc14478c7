#include "platform/LineCutter.h"

#include <array>
#include <istream>

namespace lumivane {

namespace {

constexpr std::string_view lineBreaks("\r\n\0", 3);

} // namespace

LineCutter::LineCutter(Sink sink)
    : m_sink(std::move(sink))
{
}

bool LineCutter::feed(std::string_view bytes)
{
    std::size_t start = 0;
    while (!m_ended && start < bytes.size()) {
        if (m_afterCr) {
            m_afterCr = false;
            if (bytes[start] == '\n') {
                ++start;
                continue;
            }
        }
        const auto stop = bytes.find_first_of(lineBreaks, start);
        if (stop == std::string_view::npos) {
            m_partial.append(bytes.substr(start));
            break;
        }
        const auto piece = bytes.substr(start, stop - start);
        if (bytes[stop] == '\0') {
            m_partial.append(piece);
            m_ended = true;
            break;
        }
        deliver(piece);
        m_afterCr = bytes[stop] == '\r';
        start = stop + 1;
    }
    return !m_ended;
}

void LineCutter::finish()
{
    if (!m_partial.empty())
        deliver({});
    m_ended = true;
}

void LineCutter::deliver(std::string_view tail)
{
    if (m_partial.empty()) {
        m_sink(tail);
        return;
    }
    m_partial.append(tail);
    std::string line;
    line.swap(m_partial);
    m_sink(line);
}

std::vector<std::string> cutLines(std::string_view text)
{
    std::vector<std::string> lines;
    LineCutter cutter([&](std::string_view line) { lines.emplace_back(line); });
    cutter.feed(text);
    cutter.finish();
    return lines;
}

bool readLines(std::istream& in, const LineCutter::Sink& sink)
{
    LineCutter cutter(sink);
    std::array<char, 64 * 1024> buffer;
    bool more = true;
    while (more && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        more = cutter.feed(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (more && in.bad())
        return false;
    cutter.finish();
    return true;
}

} // namespace lumivane
