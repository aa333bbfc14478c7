#include "tools/lumivane-batch/RowSource.h"

#include "platform/Error.h"

namespace lumivane::batch {

RowSource::RowSource(std::istream& in, ListFormat format, int linkType)
    : m_in(in)
    , m_format(format)
    , m_linkType(linkType)
    , m_cutter([this](std::string_view line) { m_lines.emplace_back(line); })
{
}

std::optional<ListRow> RowSource::next()
{
    while (m_lines.empty() && fill()) { }
    if (m_lines.empty())
        return std::nullopt;
    ListEntry entry = parseLine(m_lines.front(), m_format, m_linkType);
    m_lines.pop_front();
    const long long index = m_nextIndex++;
    return ListRow {index, std::to_string(index + 1), std::move(entry.id), std::move(entry.url)};
}

// Feeds one more piece to the cutter; false once nothing more can come.
bool RowSource::fill()
{
    if (m_ended)
        return false;
    m_in.read(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
    const auto got = static_cast<std::size_t>(m_in.gcount());
    const bool more = m_cutter.feed(std::string_view(m_buffer.data(), got)) && m_in;
    if (!more) {
        if (m_in.bad())
            throw Error("the URL list could not be read to its end");
        m_cutter.finish();
        m_ended = true;
    }
    return true;
}

std::optional<long long> countRows(std::istream& in)
{
    long long rows = 0;
    if (!readLines(in, [&rows](std::string_view) { ++rows; }))
        return std::nullopt;
    return rows;
}

} // namespace lumivane::batch
