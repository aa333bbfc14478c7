#include "ui/HtmlViewer.h"

#include "ui/QtText.h"

#include <QUrl>

namespace lumivane {

HtmlViewer::HtmlViewer(QWidget* parent)
    : QTextBrowser(parent)
    , m_opener(openWithDesktop)
{
    setReadOnly(true);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        // A link to a place in the page itself moves there; any other one leaves the viewer.
        if (url.isRelative() && url.path().isEmpty() && url.hasFragment()) {
            scrollToAnchor(url.fragment());
            return;
        }
        if (m_opener)
            m_opener(fromQt(url.toString()));
    });
}

void HtmlViewer::setHtmlSource(const std::string& html)
{
    setHtml(toQt(html));
}

void HtmlViewer::setLinkOpener(UrlOpener opener)
{
    m_opener = std::move(opener);
}

QVariant HtmlViewer::loadResource(int, const QUrl&)
{
    return {};
}

} // namespace lumivane
