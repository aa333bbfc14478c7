#include "urllist/BrowserPage.h"

#include "snapshot/WebEngineBrowser.h"
#include "ui/QtText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace lumivane {

namespace {

QToolButton* pictureButton(
    QWidget* parent, const char* name, const char* hint, QStyle::StandardPixmap picture)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(hint));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setFixedSize(32, 32);
    button->setAutoRaise(true);
    return button;
}

/// Back, forward, stop and refresh swallow every error of the browser.
template <typename Action> void ignoringErrors(Action action)
{
    try {
        action();
    } catch (...) {
        // Back with no history and the like do nothing.
    }
}

} // namespace

BrowserPage::BrowserPage(std::function<void()> updateCounters, QWidget* parent)
    : QWidget(parent)
    , m_updateCounters(std::move(updateCounters))
{
    setObjectName(QStringLiteral("BrowserPage"));
    buildAddressBar();
    EmbeddedWB2 = new QWebEngineView(this);
    EmbeddedWB2->setObjectName(QStringLiteral("EmbeddedWB2"));
    m_browser = new WebEngineBrowser(EmbeddedWB2, false);
    m_browser->setListener(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panAddress);
    layout->addWidget(EmbeddedWB2, 1);

    connect(btnBrowserBack, &QToolButton::clicked, this, &BrowserPage::btnBrowserBackClick);
    connect(btnBrowserFoward, &QToolButton::clicked, this, &BrowserPage::btnBrowserFowardClick);
    connect(btnBrowserStop, &QToolButton::clicked, this, &BrowserPage::btnBrowserStopClick);
    connect(btnBrowserRefresh, &QToolButton::clicked, this, &BrowserPage::btnBrowserRefreshClick);
    connect(btnGo, &QPushButton::clicked, this, &BrowserPage::btnGoClick);
    edtAddress->installEventFilter(this);
}

void BrowserPage::buildAddressBar()
{
    panAddress = new QWidget(this);
    panAddress->setObjectName(QStringLiteral("panAddress"));
    panAddress->setFixedHeight(48);
    btnBrowserBack = pictureButton(panAddress, "btnBrowserBack", "Back", QStyle::SP_ArrowBack);
    btnBrowserFoward
        = pictureButton(panAddress, "btnBrowserFoward", "Forward", QStyle::SP_ArrowForward);
    btnBrowserStop = pictureButton(panAddress, "btnBrowserStop", "Stop", QStyle::SP_BrowserStop);
    btnBrowserRefresh
        = pictureButton(panAddress, "btnBrowserRefresh", "Refresh", QStyle::SP_BrowserReload);
    lblAddress = new QLabel(QStringLiteral("Address:"), panAddress);
    edtAddress = new QLineEdit(panAddress);
    edtAddress->setObjectName(QStringLiteral("edtAddress"));
    btnGo = new QPushButton(QStringLiteral("Go"), panAddress);
    btnGo->setObjectName(QStringLiteral("btnGo"));

    auto* layout = new QHBoxLayout(panAddress);
    layout->setContentsMargins(4, 8, 4, 8);
    for (auto* button : {btnBrowserBack, btnBrowserFoward, btnBrowserStop, btnBrowserRefresh})
        layout->addWidget(button);
    layout->addWidget(lblAddress);
    layout->addWidget(edtAddress, 1);
    layout->addWidget(btnGo);
}

std::string BrowserPage::address() const
{
    return fromQt(edtAddress->text());
}

WebBrowser& BrowserPage::browser() const
{
    return *m_browser;
}

void BrowserPage::btnBrowserBackClick()
{
    ignoringErrors([this] {
        if (m_browser->Busy())
            m_browser->Stop();
        m_browser->GoBack();
    });
}

void BrowserPage::btnBrowserFowardClick()
{
    ignoringErrors([this] {
        if (m_browser->Busy())
            m_browser->Stop();
        m_browser->GoForward();
    });
}

void BrowserPage::btnBrowserStopClick()
{
    ignoringErrors([this] { m_browser->Stop(); });
}

void BrowserPage::btnBrowserRefreshClick()
{
    ignoringErrors([this] {
        if (m_browser->Busy())
            m_browser->Stop();
        m_browser->Refresh();
    });
}

void BrowserPage::btnGoClick()
{
    m_browser->Navigate(address());
}

bool BrowserPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtAddress && event->type() == QEvent::KeyPress)
        edtAddressKeyPress(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void BrowserPage::edtAddressKeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        m_browser->Navigate(address());
}

void BrowserPage::NavigateComplete2()
{
    edtAddress->setText(toQt(m_browser->LocationURL()));
}

void BrowserPage::DocumentComplete()
{
    m_updateCounters();
}

void BrowserPage::DownloadComplete()
{
    m_updateCounters();
}

} // namespace lumivane
