#pragma once

#include "ui/UrlOpener.h"

#include <QTextBrowser>

#include <string>

namespace lumivane {

/// Read-only viewer whose whole document is set from HTML source text.
/// Links in the document open through the opener, never inside the viewer; a link to a
/// place in the page itself ("#name") scrolls there.
class HtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget* parent = nullptr);

    /// Replaces the document by the given HTML source.
    void setHtmlSource(const std::string& html);
    void setLinkOpener(UrlOpener opener);
    /// Loads no resource a document names (images, style sheets), so a page cannot make
    /// the viewer read files of the machine; styles written inside the page still apply.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    UrlOpener m_opener;
};

} // namespace lumivane
