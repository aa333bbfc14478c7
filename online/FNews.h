#pragma once

#include "online/NewsService.h"

#include <QDialog>
#include <QTreeWidget>

#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QSplitter;

namespace lumivane {

class HtmlViewer;

/// The news list of the news window: its selection cannot change while the veto holds.
class NewsListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit NewsListView(QWidget* parent = nullptr);
    /// Asked before any change of the selection; true refuses it.
    void setChangingVeto(std::function<bool()> veto) { m_veto = std::move(veto); }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(
        const QModelIndex& index, const QEvent* event) const override;

private:
    std::function<bool()> m_veto;
};

/// What the news window reaches in the main window.
struct NewsWindowContext {
    NewsService& news;
    NewsBrand brand;
    const std::vector<std::string>& newsList;
    /// Stores the id of the item just read as LastNewsId of the brand profile.
    std::function<void(const std::string& newsId)> writeLastNewsId;
};

/// The news window: lists the news items just fetched and shows the text of the one selected.
class TfrmNews : public QDialog {
    Q_OBJECT
public:
    TfrmNews(NewsWindowContext context, QWidget* parent = nullptr);

    bool busy() const { return m_busy; }

    NewsListView* lvwItems;
    QSplitter* splitter;
    HtmlViewer* prfEditorNews;
    QPushButton* btnExit;

public slots:
    void lvwItemsChange();
    void btnExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    bool lvwItemsChanging() const { return m_busy; }
    QWidget* buildListPanel();
    QWidget* buildBottomPanel();

    NewsWindowContext m_context;
    bool m_busy = false;
    bool m_shown = false;
};

} // namespace lumivane
