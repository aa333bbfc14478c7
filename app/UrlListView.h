#pragma once

#include "urllist/UrlList.h"

#include <QAbstractTableModel>
#include <QTableView>

class QItemSelection;

namespace lumivane {

/// Shows the rows of a UrlList: "#", "ID", "URL", "Status".
class UrlListModel : public QAbstractTableModel, private UrlListObserver {
    Q_OBJECT
public:
    UrlListModel(UrlList& list, QObject* parent);
    ~UrlListModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    /// True while rows are being added, removed or replaced: the view's
    /// selection then speaks of positions the list no longer has.
    bool changingRows() const { return m_changingRows; }

signals:
    /// The rows were replaced or reordered, or many flags changed: the view
    /// shows the list's selection again.
    void selectionReplaced();
    void rowSelectionFlagChanged(int row);

private:
    void rowsAboutToReset() override;
    void rowsReset() override;
    void rowAboutToBeAppended(std::size_t index) override;
    void rowAppended(std::size_t index) override;
    void rowAboutToBeRemoved(std::size_t index) override;
    void rowRemoved(std::size_t index) override;
    void rowChanged(std::size_t index) override;
    void rowSelectionChanged(std::size_t index) override;
    void selectionReset() override;

    UrlList& m_list;
    bool m_changingRows = false;
};

/// `lvwItems`: a report view with grid lines, whole-row multiple selection and
/// header-click sorting. The list's selected flags and the view's selection
/// are kept equal both ways.
class UrlListView : public QTableView {
    Q_OBJECT
public:
    UrlListView(UrlList& list, QWidget* parent);

private:
    void headerClicked(int section);
    void viewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void showListSelection();
    void showRowSelection(int row);

    UrlList& m_list;
    UrlListModel* m_model;
    bool m_syncing = false;
};

} // namespace lumivane
