#include "online/FNews.h"

#include "platform/SplitByCharacter.h"
#include "ui/HtmlViewer.h"
#include "ui/QtText.h"
#include "ui/WindowPlacement.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>

namespace lumivane {

namespace {

enum Column { TitleColumn, PublishedColumn, NewsIdColumn };

// Sets the busy flag and the hourglass for the length of one details request, and takes both
// back however the request ends.
class BusyScope {
public:
    BusyScope(bool& busy, std::initializer_list<QWidget*> widgets)
        : m_busy(busy)
        , m_widgets(widgets)
    {
        m_busy = true;
        for (auto* widget : m_widgets)
            widget->setCursor(Qt::WaitCursor);
    }
    ~BusyScope()
    {
        for (auto* widget : m_widgets)
            widget->unsetCursor();
        m_busy = false;
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& m_busy;
    std::vector<QWidget*> m_widgets;
};

} // namespace

NewsListView::NewsListView(QWidget* parent)
    : QTreeWidget(parent)
{
}

QItemSelectionModel::SelectionFlags NewsListView::selectionCommand(
    const QModelIndex& index, const QEvent* event) const
{
    if (m_veto && m_veto())
        return QItemSelectionModel::NoUpdate;
    return QTreeWidget::selectionCommand(index, event);
}

TfrmNews::TfrmNews(NewsWindowContext context, QWidget* parent)
    : QDialog(parent)
    , m_context(std::move(context))
{
    setWindowTitle(QStringLiteral("News"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setHandleWidth(10);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(buildListPanel());
    prfEditorNews = new HtmlViewer(splitter);
    splitter->addWidget(prfEditorNews);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    layout->addWidget(buildBottomPanel());
    resize(682, 411);
    splitter->setSizes({105, 411 - 105 - 10 - 41});

    lvwItems->setChangingVeto([this] { return lvwItemsChanging(); });
    connect(lvwItems, &QTreeWidget::itemSelectionChanged, this, &TfrmNews::lvwItemsChange);
    connect(btnExit, &QPushButton::clicked, this, &TfrmNews::btnExitClick);
}

QWidget* TfrmNews::buildListPanel()
{
    lvwItems = new NewsListView;
    lvwItems->setMinimumHeight(10);
    lvwItems->setColumnCount(3);
    lvwItems->setHeaderLabels({QStringLiteral("News Title"), QStringLiteral("Published"), {}});
    lvwItems->setColumnHidden(NewsIdColumn, true);
    lvwItems->setRootIsDecorated(false);
    lvwItems->setSelectionMode(QAbstractItemView::SingleSelection);
    lvwItems->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvwItems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* header = lvwItems->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(TitleColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(PublishedColumn, QHeaderView::Fixed);
    header->resizeSection(PublishedColumn, 160);
    return lvwItems;
}

QWidget* TfrmNews::buildBottomPanel()
{
    auto* panel = new QWidget(this);
    panel->setFixedHeight(41);
    auto* layout = new QHBoxLayout(panel);
    layout->addStretch(1);
    btnExit = new QPushButton(QStringLiteral("Close"), panel);
    layout->addWidget(btnExit);
    return panel;
}

void TfrmNews::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    centreOnScreen(*this);
    FormShow();
}

void TfrmNews::FormShow()
{
    for (const auto& text : m_context.newsList) {
        // Items with fewer than three pieces show what they have.
        auto pieces = splitByCharacter(text, '^');
        pieces.resize(std::max<std::size_t>(pieces.size(), 3));
        auto* row = new QTreeWidgetItem(lvwItems);
        row->setText(TitleColumn, toQt(pieces[1]));
        row->setText(PublishedColumn, toQt(pieces[2]));
        row->setText(NewsIdColumn, toQt(pieces[0]));
        // The request and LastNewsId take the id as sent, which text conversion could alter.
        row->setData(NewsIdColumn, Qt::UserRole, QByteArray::fromStdString(pieces[0]));
    }
}

void TfrmNews::lvwItemsChange()
{
    const auto selected = lvwItems->selectedItems();
    if (selected.isEmpty())
        return;
    const auto newsId
        = selected.front()->data(NewsIdColumn, Qt::UserRole).toByteArray().toStdString();
    BusyScope busy(m_busy, {lvwItems, prfEditorNews, this});
    const auto account = newsAccountFor(m_context.brand);
    if (!account || newsId.empty())
        return;
    const auto details = m_context.news.getNewsDetails(*account, newsId);
    if (!details.ok)
        return;
    prfEditorNews->setHtmlSource(details.text);
    m_context.writeLastNewsId(newsId);
}

void TfrmNews::btnExitClick()
{
    accept();
}

} // namespace lumivane
