#pragma once

#include <QWebEnginePage>

#include <functional>

namespace lumivane {

/// The page under a browser control. It reports every navigation request
/// before it starts (never refusing one) and, when unattended, answers the
/// page's script dialogs, file choosers and pop-up windows itself, so nothing
/// modal can block a batch.
class WebEnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    WebEnginePage(bool unattended, QObject* parent);

    void setNavigationObserver(std::function<void()> observer);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl& origin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& origin, const QString& message) override;
    bool javaScriptPrompt(
        const QUrl& origin, const QString& message, const QString& value, QString* result) override;
    QStringList chooseFiles(
        FileSelectionMode mode, const QStringList& oldFiles, const QStringList& mimeTypes) override;

private:
    void denyFeature(const QUrl& origin, Feature feature);

    bool m_unattended;
    std::function<void()> m_navigationObserver;
};

} // namespace lumivane
