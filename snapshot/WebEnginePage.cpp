#include "snapshot/WebEnginePage.h"

#include <QWebEngineSettings>

namespace lumivane {

WebEnginePage::WebEnginePage(bool unattended, QObject* parent)
    : QWebEnginePage(parent)
    , m_unattended(unattended)
{
    if (!m_unattended)
        return;
    settings()->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings()->setAttribute(QWebEngineSettings::ShowScrollBars, false);
    setAudioMuted(true);
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &WebEnginePage::denyFeature);
}

void WebEnginePage::setNavigationObserver(std::function<void()> observer)
{
    m_navigationObserver = std::move(observer);
}

bool WebEnginePage::acceptNavigationRequest(const QUrl&, NavigationType, bool)
{
    if (m_navigationObserver)
        m_navigationObserver();
    return true;
}

QWebEnginePage* WebEnginePage::createWindow(WebWindowType type)
{
    // The control shows one page; a page asking for another window gets none.
    if (m_unattended)
        return nullptr;
    return QWebEnginePage::createWindow(type);
}

void WebEnginePage::javaScriptAlert(const QUrl& origin, const QString& message)
{
    if (!m_unattended)
        QWebEnginePage::javaScriptAlert(origin, message);
}

bool WebEnginePage::javaScriptConfirm(const QUrl& origin, const QString& message)
{
    return !m_unattended && QWebEnginePage::javaScriptConfirm(origin, message);
}

bool WebEnginePage::javaScriptPrompt(
    const QUrl& origin, const QString& message, const QString& value, QString* result)
{
    return !m_unattended && QWebEnginePage::javaScriptPrompt(origin, message, value, result);
}

QStringList WebEnginePage::chooseFiles(
    FileSelectionMode mode, const QStringList& oldFiles, const QStringList& mimeTypes)
{
    if (m_unattended)
        return {};
    return QWebEnginePage::chooseFiles(mode, oldFiles, mimeTypes);
}

void WebEnginePage::denyFeature(const QUrl& origin, Feature feature)
{
    setFeaturePermission(origin, feature, PermissionDeniedByUser);
}

} // namespace lumivane
