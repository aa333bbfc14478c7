#include "ui/PictureControl.h"

#include <QPixmap>

namespace lumivane {

PictureControl::PictureControl(QWidget* parent)
    : ClickLabel(parent)
{
    setScaledContents(false);
}

bool PictureControl::loadFromData(const QByteArray& bytes, const char* format)
{
    QPixmap picture;
    if (!picture.loadFromData(bytes, format) || picture.isNull())
        return false;
    setPixmap(picture);
    resize(picture.size());
    return true;
}

} // namespace lumivane
