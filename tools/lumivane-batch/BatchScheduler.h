#pragma once

#include "tools/lumivane-batch/ProgressPrinter.h"
#include "tools/lumivane-batch/ReportWriter.h"
#include "tools/lumivane-batch/RowPlanner.h"

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace lumivane::batch {

/// How a page ended: "Success" or "Error" (with a reason), or "Pending" when
/// it was abandoned before it ended.
struct PageOutcome {
    std::string status;
    std::string error;
    long long millis = 0;
};

/// The pages that load rows in parallel. Each page takes one row at a time
/// and hands its outcome to BatchScheduler::pageEnded, never from inside load.
class PagePool {
public:
    virtual ~PagePool() = default;
    virtual int size() const = 0;
    virtual void load(int page, const PlannedRow& row) = 0;
    /// Ends every page still loading; each reports "Pending" soon after.
    virtual void abandonAll() = 0;
};

/// Feeds the rows of a list to the pages in list order, keeps the counters,
/// the report and the progress, and tells when the run is over. Rows are read
/// only as pages become free, so a list of any length needs little memory.
class BatchScheduler {
public:
    BatchScheduler(RowSource& source, RowPlanner& planner, PagePool& pages, ReportWriter& report,
        ProgressPrinter& progress, std::function<void()> onOver);

    /// Fills the free pages; the run may be over on return (an empty list).
    void start();
    void pageEnded(int page, PageOutcome outcome);
    /// First time: load no further rows and end when the pages in flight have
    /// ended. Second time: abandon those too.
    void interrupt(int signal);

    bool over() const { return m_over; }
    const RunCounters& counters() const { return m_counters; }
    /// 0 all rows Success or Skipped, 1 some Error, 128 + signal when interrupted,
    /// 2 when the list could not be read to its end.
    int exitCode() const;

private:
    struct Busy {
        PlannedRow row;
        bool loading = false;
    };

    void dispatch();
    std::optional<PlannedRow> nextPlanned();
    std::optional<PlannedRow> acceptRow(PlannedRow row);
    void record(const PlannedRow& row, RowResult result);
    RowResult resultOf(const PlannedRow& row, const std::string& status) const;
    void finishIfIdle();
    void reportUnstarted();

    RowSource& m_source;
    RowPlanner& m_planner;
    PagePool& m_pages;
    ReportWriter& m_report;
    ProgressPrinter& m_progress;
    std::function<void()> m_onOver;
    std::vector<Busy> m_busy;
    std::multiset<std::string> m_idsLoading;
    std::optional<PlannedRow> m_held; ///< waits for a row with its ID to end
    RunCounters m_counters;
    int m_signal = 0;
    int m_interrupts = 0;
    bool m_listFailed = false;
    bool m_sourceEnded = false;
    bool m_over = false;
};

/// True when the ID with its extension names a file directly inside the output
/// folder, which an ID holding "/" would not.
bool usableAsFileName(const std::string& id);

} // namespace lumivane::batch
