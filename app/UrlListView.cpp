#include "app/UrlListView.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>

#include <algorithm>

namespace lumivane {

UrlListModel::UrlListModel(UrlList& list, QObject* parent)
    : QAbstractTableModel(parent)
    , m_list(list)
{
    m_list.setObserver(this);
}

UrlListModel::~UrlListModel()
{
    m_list.setObserver(nullptr);
}

int UrlListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_list.count());
}

int UrlListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

namespace {

// A cell shows at most this many bytes: laying out a text of megabytes (a list
// file without line ends) would freeze the view. The row keeps its whole text.
constexpr std::size_t maxShownBytes = 2048;

QString shown(const std::string& text)
{
    if (text.size() <= maxShownBytes)
        return toQt(text);
    return toQt(text.substr(0, maxShownBytes)) + QChar(0x2026);
}

} // namespace

QVariant UrlListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const auto& row = m_list.row(static_cast<std::size_t>(index.row()));
    switch (index.column()) {
    case 0:
        return shown(row.number);
    case 1:
        return shown(row.id);
    case 2:
        return shown(row.url);
    default:
        return shown(row.status);
    }
}

QVariant UrlListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return {};
    static const char* const captions[] = {"#", "ID", "URL", "Status"};
    if (role == Qt::DisplayRole && section >= 0 && section < 4)
        return QString::fromLatin1(captions[section]);
    if (role == Qt::DecorationRole && (section == 0 || section == 2))
        return QApplication::style()->standardIcon(QStyle::SP_FileDialogDetailedView);
    return {};
}

void UrlListModel::rowsAboutToReset()
{
    m_changingRows = true;
    beginResetModel();
}

void UrlListModel::rowsReset()
{
    endResetModel();
    m_changingRows = false;
    emit selectionReplaced();
}

void UrlListModel::rowAboutToBeAppended(std::size_t index)
{
    const int row = static_cast<int>(index);
    m_changingRows = true;
    beginInsertRows({}, row, row);
}

void UrlListModel::rowAppended(std::size_t)
{
    endInsertRows();
    m_changingRows = false;
}

void UrlListModel::rowAboutToBeRemoved(std::size_t index)
{
    const int row = static_cast<int>(index);
    m_changingRows = true;
    beginRemoveRows({}, row, row);
}

void UrlListModel::rowRemoved(std::size_t)
{
    endRemoveRows();
    m_changingRows = false;
}

void UrlListModel::rowChanged(std::size_t index)
{
    const int row = static_cast<int>(index);
    emit dataChanged(this->index(row, 0), this->index(row, 3));
}

void UrlListModel::rowSelectionChanged(std::size_t index)
{
    emit rowSelectionFlagChanged(static_cast<int>(index));
}

void UrlListModel::selectionReset()
{
    emit selectionReplaced();
}

UrlListView::UrlListView(UrlList& list, QWidget* parent)
    : QTableView(parent)
    , m_list(list)
    , m_model(new UrlListModel(list, this))
{
    setObjectName(QStringLiteral("lvwItems"));
    setModel(m_model);
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setStyleSheet(QStringLiteral(
        "QTableView#lvwItems { selection-background-color: silver; selection-color: black; }"));

    auto* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->resizeSection(0, 100);
    header->resizeSection(1, 150);
    header->resizeSection(3, 100);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(header, &QHeaderView::sectionClicked, this, &UrlListView::headerClicked);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &UrlListView::viewSelectionChanged);
    connect(m_model, &UrlListModel::selectionReplaced, this, &UrlListView::showListSelection);
    connect(m_model, &UrlListModel::rowSelectionFlagChanged, this, &UrlListView::showRowSelection);
}

void UrlListView::headerClicked(int section)
{
    m_list.sortByColumn(static_cast<UrlColumn>(section));
    auto* header = horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(
        section, m_list.sortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}

// Only the rows the view reports as changed are looked at, so a large list
// stays quick to select in.
void UrlListView::viewSelectionChanged(
    const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_syncing || m_model->changingRows())
        return;
    m_syncing = true;
    for (const auto* ranges : {&deselected, &selected}) {
        for (const auto& range : *ranges) {
            const int last = std::min(range.bottom(), static_cast<int>(m_list.count()) - 1);
            for (int row = range.top(); row <= last; ++row)
                m_list.setSelected(
                    static_cast<std::size_t>(row), selectionModel()->isRowSelected(row, {}));
        }
    }
    m_syncing = false;
}

// Consecutive selected rows go to the view as one range: the view's selection
// slows down with the number of its ranges.
void UrlListView::showListSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    QItemSelection selection;
    const int count = static_cast<int>(m_list.count());
    for (int row = 0; row < count; ++row) {
        if (!m_list.row(static_cast<std::size_t>(row)).selected)
            continue;
        const int first = row;
        while (row + 1 < count && m_list.row(static_cast<std::size_t>(row + 1)).selected)
            ++row;
        selection.select(m_model->index(first, 0), m_model->index(row, 3));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

void UrlListView::showRowSelection(int row)
{
    if (m_syncing)
        return;
    m_syncing = true;
    const auto flag = m_list.row(static_cast<std::size_t>(row)).selected
        ? QItemSelectionModel::Select
        : QItemSelectionModel::Deselect;
    selectionModel()->select(m_model->index(row, 0), flag | QItemSelectionModel::Rows);
    m_syncing = false;
}

} // namespace lumivane
