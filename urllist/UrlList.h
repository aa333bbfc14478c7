#pragma once

#include "urllist/UrlRow.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace lumivane {

/// Told of every change, so a view can follow the list. Rows added, removed or
/// reordered are announced before the change and confirmed after it.
class UrlListObserver {
public:
    virtual ~UrlListObserver() = default;
    virtual void rowsAboutToReset() = 0;
    virtual void rowsReset() = 0;
    virtual void rowAboutToBeAppended(std::size_t index) = 0;
    virtual void rowAppended(std::size_t index) = 0;
    virtual void rowAboutToBeRemoved(std::size_t index) = 0;
    virtual void rowRemoved(std::size_t index) = 0;
    virtual void rowChanged(std::size_t index) = 0;
    virtual void rowSelectionChanged(std::size_t index) = 0;
    /// Many rows' selected flags changed at once.
    virtual void selectionReset() = 0;
};

enum class UrlColumn { number = 0, id = 1, url = 2, status = 3 };

/// The work queue: rows addressed by their 0-based position from the top.
class UrlList {
public:
    void setObserver(UrlListObserver* observer) { m_observer = observer; }

    std::size_t count() const { return m_rows.size(); }
    bool empty() const { return m_rows.empty(); }
    const UrlRow& row(std::size_t index) const { return m_rows.at(index); }

    /// Appends a row that is not selected.
    void append(UrlRow row);
    void clear();
    void remove(std::size_t index);
    /// Removes every selected row in one pass; the others keep their order.
    void removeSelected();

    void setNumber(std::size_t index, std::string number);
    void setStatus(std::size_t index, std::string status);
    void setSelected(std::size_t index, bool selected);
    /// Sets the selected flag of every row, with one notice for them all.
    void setAllSelected(bool selected);

    std::size_t selectedCount() const;
    std::optional<std::size_t> firstSelected() const;

    /// The bottom row's number read back as a decimal integer; 0 for an empty list.
    long long lastNumber() const;

    /// Sorts by a column's text byte by byte: the first sort is ascending, the
    /// sort column again reverses, another column keeps the last direction.
    void sortByColumn(UrlColumn column);
    bool sortAscending() const { return m_sortAscending; }

    /// Grows whenever rows are added, removed or moved, so a holder of a row
    /// position can tell that it may now name another row.
    std::uint64_t layoutVersion() const { return m_layoutVersion; }

private:
    std::vector<UrlRow> m_rows;
    UrlListObserver* m_observer = nullptr;
    std::optional<UrlColumn> m_sortColumn;
    bool m_sortAscending = true;
    std::uint64_t m_layoutVersion = 0;
};

} // namespace lumivane
