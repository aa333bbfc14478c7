#pragma once

#include "ui/UrlOpener.h"

#include <QTextBrowser>

#include <string>

namespace lumivane {

/// Read-only viewer whose whole document is set from HTML source text.
/// Links in the document open through the opener, never inside the viewer.
class HtmlViewer : public QTextBrowser {
    Q_OBJECT
public:
    explicit HtmlViewer(QWidget* parent = nullptr);

    /// Replaces the document by the given HTML source.
    void setHtmlSource(const std::string& html);
    void setLinkOpener(UrlOpener opener);

protected:
    /// Resources (images, style sheets) come only from the document itself, so a
    /// page cannot make the viewer read files of the machine.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    UrlOpener m_opener;
};

} // namespace lumivane
