#include "ui/LinkLabel.h"

#include "ui/QtText.h"

#include <QMouseEvent>

namespace lumivane {

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
    , m_opener(openWithDesktop)
{
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::setCaption(const std::string& caption)
{
    setText(toQt(caption));
}

void LinkLabel::setUrl(const std::string& url)
{
    m_url = url;
}

void LinkLabel::setOpener(UrlOpener opener)
{
    m_opener = std::move(opener);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())
        && m_opener)
        m_opener(m_url);
}

} // namespace lumivane
