#pragma once

#include "urllist/UrlListFormat.h"

#include <array>
#include <deque>
#include <istream>
#include <optional>
#include <string>

namespace lumivane::batch {

/// One row of the list as the desktop import makes it: numbered from 1 in
/// file order, ID and URL by the line format and the ID rule.
struct ListRow {
    long long index = 0; ///< 0-based position in the list
    std::string number;
    std::string id;
    std::string url;
};

/// Reads a URL list a piece at a time, so a list of any length costs one
/// buffer of memory; rows come out in file order.
class RowSource {
public:
    RowSource(std::istream& in, ListFormat format, int linkType);

    /// The next row, or nothing after the last; raises lumivane::Error when
    /// the stream fails before its end.
    std::optional<ListRow> next();

private:
    bool fill();

    std::istream& m_in;
    ListFormat m_format;
    int m_linkType;
    LineCutter m_cutter;
    std::deque<std::string> m_lines;
    std::array<char, 64 * 1024> m_buffer {};
    long long m_nextIndex = 0;
    bool m_ended = false;
};

/// Number of rows a list file holds, counted in one pass without keeping them;
/// nothing when the stream fails.
std::optional<long long> countRows(std::istream& in);

} // namespace lumivane::batch
