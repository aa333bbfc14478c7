#include "urllist/UrlList.h"

#include <algorithm>
#include <charconv>

namespace lumivane {

namespace {

const std::string& columnText(const UrlRow& row, UrlColumn column)
{
    switch (column) {
    case UrlColumn::number:
        return row.number;
    case UrlColumn::id:
        return row.id;
    case UrlColumn::url:
        return row.url;
    case UrlColumn::status:
        break;
    }
    return row.status;
}

} // namespace

void UrlList::append(UrlRow row)
{
    row.selected = false;
    if (m_observer)
        m_observer->rowAboutToBeAppended(m_rows.size());
    m_rows.push_back(std::move(row));
    ++m_layoutVersion;
    if (m_observer)
        m_observer->rowAppended(m_rows.size() - 1);
}

void UrlList::clear()
{
    if (m_observer)
        m_observer->rowsAboutToReset();
    m_rows.clear();
    ++m_layoutVersion;
    if (m_observer)
        m_observer->rowsReset();
}

void UrlList::remove(std::size_t index)
{
    if (m_observer)
        m_observer->rowAboutToBeRemoved(index);
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(index));
    ++m_layoutVersion;
    if (m_observer)
        m_observer->rowRemoved(index);
}

void UrlList::removeSelected()
{
    if (m_observer)
        m_observer->rowsAboutToReset();
    std::erase_if(m_rows, [](const UrlRow& row) { return row.selected; });
    ++m_layoutVersion;
    if (m_observer)
        m_observer->rowsReset();
}

void UrlList::setNumber(std::size_t index, std::string number)
{
    m_rows.at(index).number = std::move(number);
    if (m_observer)
        m_observer->rowChanged(index);
}

void UrlList::setStatus(std::size_t index, std::string status)
{
    m_rows.at(index).status = std::move(status);
    if (m_observer)
        m_observer->rowChanged(index);
}

void UrlList::setSelected(std::size_t index, bool selected)
{
    auto& row = m_rows.at(index);
    if (row.selected == selected)
        return;
    row.selected = selected;
    if (m_observer)
        m_observer->rowSelectionChanged(index);
}

void UrlList::setAllSelected(bool selected)
{
    for (auto& row : m_rows)
        row.selected = selected;
    if (m_observer)
        m_observer->selectionReset();
}

std::size_t UrlList::selectedCount() const
{
    return static_cast<std::size_t>(
        std::count_if(m_rows.begin(), m_rows.end(), [](const UrlRow& r) { return r.selected; }));
}

std::optional<std::size_t> UrlList::firstSelected() const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i].selected)
            return i;
    }
    return std::nullopt;
}

long long UrlList::lastNumber() const
{
    if (m_rows.empty())
        return 0;
    const auto& text = m_rows.back().number;
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

void UrlList::sortByColumn(UrlColumn column)
{
    if (m_sortColumn == column)
        m_sortAscending = !m_sortAscending;
    m_sortColumn = column;
    const bool ascending = m_sortAscending;
    // std::string compares as unsigned bytes: "10" before "9", capitals first.
    if (m_observer)
        m_observer->rowsAboutToReset();
    std::stable_sort(m_rows.begin(), m_rows.end(), [&](const UrlRow& a, const UrlRow& b) {
        const auto& left = columnText(a, column);
        const auto& right = columnText(b, column);
        return ascending ? left < right : right < left;
    });
    ++m_layoutVersion;
    if (m_observer)
        m_observer->rowsReset();
}

} // namespace lumivane
