#pragma once

#include <QObject>

#include <memory>

class QWebEngineView;
class QWidget;

namespace lumivane {

class WebEngineBrowser;

/// The snapshot browser and the window that keeps it rendering. A view on a
/// hidden page paints nothing, so the view is a top-level window that Qt
/// treats as shown but never puts on screen; whatever page of the main
/// window is in front, it keeps painting at exactly the browser's size.
class SnapshotHost : public QObject {
    Q_OBJECT
public:
    explicit SnapshotHost(QObject* parent = nullptr);
    ~SnapshotHost() override;

    WebEngineBrowser& browser() const { return *m_browser; }
    QWebEngineView* view() const { return m_view.get(); }

    void setBrowserSize(int width, int height);

private:
    std::unique_ptr<QWebEngineView> m_view;
    WebEngineBrowser* m_browser;
};

} // namespace lumivane
