#include "app/UrlListView.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>

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

void UrlListModel::rowsReset()
{
    beginResetModel();
    endResetModel();
    emit rowsReordered();
}

void UrlListModel::rowAppended(std::size_t index)
{
    const int row = static_cast<int>(index);
    beginInsertRows({}, row, row);
    endInsertRows();
}

void UrlListModel::rowRemoved(std::size_t index)
{
    const int row = static_cast<int>(index);
    beginRemoveRows({}, row, row);
    endRemoveRows();
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
    connect(m_model, &UrlListModel::rowsReordered, this, &UrlListView::showListSelection);
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

void UrlListView::viewSelectionChanged()
{
    if (m_syncing)
        return;
    m_syncing = true;
    for (std::size_t i = 0; i < m_list.count(); ++i)
        m_list.setSelected(i, selectionModel()->isRowSelected(static_cast<int>(i), {}));
    m_syncing = false;
}

void UrlListView::showListSelection()
{
    if (m_syncing)
        return;
    m_syncing = true;
    QItemSelection selection;
    for (std::size_t i = 0; i < m_list.count(); ++i) {
        if (m_list.row(i).selected) {
            const int row = static_cast<int>(i);
            selection.select(m_model->index(row, 0), m_model->index(row, 3));
        }
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_syncing = false;
}

} // namespace lumivane

namespace lumivane {

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
