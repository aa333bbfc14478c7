#include "ui/ClickLabel.h"

#include <QMouseEvent>

namespace lumivane {

ClickLabel::ClickLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace lumivane
