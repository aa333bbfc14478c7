#include "ui/UrlOpener.h"

#include "ui/QtText.h"

#include <QDesktopServices>
#include <QUrl>

namespace lumivane {

void openWithDesktop(const std::string& url)
{
    if (url.empty())
        return;
    QDesktopServices::openUrl(QUrl(toQt(url)));
}

} // namespace lumivane
