#pragma once

#include "ui/UrlOpener.h"

#include <QLabel>

#include <string>

namespace lumivane {

/// A text link: underlined caption, hand cursor, opens its URL when clicked.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(QWidget* parent = nullptr);

    void setCaption(const std::string& caption);
    void setUrl(const std::string& url);
    const std::string& url() const { return m_url; }
    /// Replaces how the URL is opened (the desktop's handler by default).
    void setOpener(UrlOpener opener);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::string m_url;
    UrlOpener m_opener;
};

} // namespace lumivane
