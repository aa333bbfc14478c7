#pragma once

#include <QObject>

#include <memory>

class QProgressBar;
class QScrollArea;
class QTabWidget;
class QTimer;

namespace lumivane {

class BatchRunner;
class MessageDialog;
class SettingsPanel;
class SnapshotHost;
class StatusPanels;
class UrlList;

/// The batch run as the main window holds it: the runner, the snapshot
/// browser and the adapters that tie them to the window's controls.
class SnapshotRun : public QObject {
    Q_OBJECT
public:
    struct Controls {
        UrlList& list;
        const SettingsPanel& settings;
        MessageDialog& messages;
        StatusPanels& panels;
        QProgressBar* gauge;
        /// Page 0 the list, page 1 the snapshot browser's page.
        QTabWidget* innerPages;
        /// Where the snapshot browser's picture is shown on page 1.
        QScrollArea* browserBox;
        /// The one-second poll timer that drives Tick.
        QTimer* timer;
    };

    SnapshotRun(Controls controls, QObject* parent);
    ~SnapshotRun() override;

    BatchRunner& runner() const { return *m_runner; }

    // The runner's entry points for the window's handlers. An error that ends
    // a run (a thumbnail that cannot be written, a refused address) goes to
    // the exception reporting and the window stays usable.
    void Start();
    void Stop();
    void Tick();
    void UpdateCounters();

    SnapshotHost& host() const { return *m_host; }
    /// The snapshot browser takes the browser width and height at once.
    void setBrowserSize(int width, int height);

private:
    struct Adapters;

    std::unique_ptr<SnapshotHost> m_host;
    std::unique_ptr<Adapters> m_adapters;
    std::unique_ptr<BatchRunner> m_runner;
};

} // namespace lumivane
