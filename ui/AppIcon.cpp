#include "ui/AppIcon.h"

#include "ui/QtText.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace lumivane {

bool loadApplicationIcon(const std::string& path)
{
    QImageReader reader(toQt(path));
    QIcon icon;
    do {
        const QImage image = reader.read();
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    } while (reader.jumpToNextImage());
    if (icon.isNull())
        return false;
    QApplication::setWindowIcon(icon);
    return true;
}

} // namespace lumivane
