#include "snapshot/SnapshotHost.h"

#include "snapshot/WebEngineBrowser.h"

#include <QWebEngineView>

#include <algorithm>

namespace lumivane {

SnapshotHost::SnapshotHost(QObject* parent)
    : QObject(parent)
    , m_view(std::make_unique<QWebEngineView>())
    , m_browser(new WebEngineBrowser(m_view.get(), true))
{
    m_view->setObjectName(QStringLiteral("EmbeddedWB1"));
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    // Never the window whose closing ends the program.
    m_view->setAttribute(Qt::WA_QuitOnClose, false);
    // The engine maps a native window for the view even though Qt paints
    // nothing on screen for it; keep that window out of sight and out of the way.
    m_view->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint
        | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
    m_view->move(-32000, -32000);
    m_view->show();
}

SnapshotHost::~SnapshotHost() = default;

void SnapshotHost::setBrowserSize(int width, int height)
{
    // A window has at least one pixel; the capture still takes the settings' size.
    m_view->setFixedSize(std::max(width, 1), std::max(height, 1));
}

} // namespace lumivane
