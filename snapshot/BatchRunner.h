#pragma once

#include "platform/MessagePump.h"
#include "snapshot/WebBrowser.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lumivane {

class InnerPages;
class MessageDialog;
class ProgressGauge;
class RunSettings;
class RunTimer;
class StatusPanels;
class UrlList;

/// `<folder>/<id>.<ext>`, joined without any change.
std::string thumbnailFileName(
    const std::string& folder, const std::string& id, const std::string& ext);

/// What the runner works with; everything is owned by the caller.
struct RunnerPorts {
    UrlList& list;
    const RunSettings& settings;
    WebBrowser& browser;
    RunTimer& timer;
    ProgressGauge& gauge;
    InnerPages& pages;
    StatusPanels& panels;
    MessageDialog& messages;
    /// Lets pending window messages run at the end of every UpdateCounters.
    MessagePump pump;
    /// Captures the browser's page into a thumbnail file of the given name.
    std::function<void(const std::string& fileName)> saveSnapshot;
};

/// The batch run: Start marks the selected rows and loads the first pending
/// one, each tick that finds the page complete captures it and loads the next,
/// the snapshot browser's events mark the row and move the gauge, Stop ends it.
/// Listen to the snapshot browser with it.
class BatchRunner : public WebBrowserListener {
public:
    explicit BatchRunner(RunnerPorts ports);

    void Start();
    void Stop();
    /// One tick of the poll timer.
    void Tick();

    void BeforeNavigate2() override;
    void NavigateError() override;
    void ProgressChange(int progress, int progressMax) override;

    /// Recounts the rows, refreshes the status panels and lets messages run.
    void UpdateCounters();
    /// The first "Pending" row, or -1 (with a message when nothing can start).
    int FindNextPending();

    int currentRow() const { return m_current; }
    bool stopFlag() const { return m_stopped; }
    int errors() const { return m_errors; }
    int done() const { return m_done; }
    int success() const { return m_success; }
    int pending() const { return m_pending; }
    int total() const { return m_total; }

private:
    void markSelectedRows(std::uint64_t generation);
    void captureAndContinue(std::uint64_t generation);
    void loadCurrentRow();
    void endRun();
    bool currentRowIsValid();

    RunnerPorts m_ports;
    int m_current = -1;
    bool m_stopped = false;
    int m_errors = 0;
    int m_done = 0;
    int m_success = 0;
    int m_pending = 0;
    int m_total = 0;

    // Grows with every Start and Stop, so a handler that let messages run can
    // tell that another Start or Stop has taken over the run meanwhile.
    std::uint64_t m_generation = 0;
    // What the current row was when it was loaded: the list may change under
    // the run while it waits, and the runner must never touch another row.
    std::uint64_t m_layoutVersion = 0;
    std::string m_currentId;
    std::string m_currentUrl;
};

} // namespace lumivane
