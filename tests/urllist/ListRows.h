#pragma once

#include "urllist/UrlList.h"

#include <string>
#include <vector>

namespace lumivane::test {

/// A row as the tests compare it: number, ID and URL.
struct RowText {
    std::string number;
    std::string id;
    std::string url;
    bool operator==(const RowText&) const = default;
};

inline std::vector<RowText> rowsOf(const UrlList& list)
{
    std::vector<RowText> rows;
    for (std::size_t i = 0; i < list.count(); ++i) {
        const auto& row = list.row(i);
        rows.push_back({row.number, row.id, row.url});
    }
    return rows;
}

/// Rows numbered 1..count with URLs http://rowN and IDs idN.
inline void fillList(UrlList& list, int count)
{
    for (int i = 1; i <= count; ++i) {
        const auto n = std::to_string(i);
        list.append({n, "id" + n, "http://row" + n});
    }
}

inline std::ostream& operator<<(std::ostream& out, const RowText& row)
{
    return out << "{" << row.number << ", " << row.id << ", " << row.url << "}";
}

} // namespace lumivane::test
